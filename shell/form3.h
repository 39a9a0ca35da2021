#pragma once

#include <array>
#include <string>

#include "board/controls.h"

namespace tumblehand {

/// The records window's model: its labels, which show the records file.
struct Form3 {
    Form3();

    std::array<Label, 10> Label1;  ///< names of places 1..10
    std::array<Label, 10> Score;   ///< scores of places 1..10
    Label Maxcombop;               ///< best-combo holder
    Label Maxcombon;               ///< best combo + "combo"
    Label MaxpointsP;              ///< best-points holder
    Label Maxpointsn;              ///< best points + "p"

    /// Reads the records file at path into the labels.
    void Form_Load(const std::string& recordsPath);
};

}  // namespace tumblehand
