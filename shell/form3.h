#pragma once

#include "board/controls.h"

#include <array>
#include <string>

namespace tumblehand {

/// The records window's model: its labels, which show the records file, and its rules.
/// Positions are twips in the window's client area.
struct Form3 {
    static constexpr int ScaleWidth = 4380;
    static constexpr int ScaleHeight = 5835;

    /// The window as designed: names "Label", numbers "0", places 1 to 3 in red,
    /// orange and yellow.
    Form3();

    std::array<Label, 10> Label1;  ///< names of places 1..10
    std::array<Label, 10> Score;   ///< scores of places 1..10
    Label Maxcombop;               ///< best-combo holder
    Label Maxcombon;               ///< best combo + "combo"
    Label MaxpointsP;              ///< best-points holder
    Label Maxpointsn;              ///< best points + "p"

    // Fixed texts, never changed by the game.
    Label Label2;                  ///< heading "High Score"
    Label Label3;                  ///< heading "Max Combo"
    Label Label6;                  ///< heading "Max Points"
    std::array<Label, 10> Label4;  ///< place numbers "1".."10"
    /// Across the window: under the heading, around the best-combo and best-points rows.
    std::array<Rule, 5> Rules;

    /// Reads the records file at path into the labels.
    void Form_Load(const std::string& recordsPath);

    /// Calls visit(ControlName, control) for every control in the order the window
    /// paints them: the headings, each place's number, name and score, the bests, then
    /// the rules. control is a Label or Rule, const as the form is.
    template <class Visit>
    void forEachControl(Visit&& visit) {
        eachControl(*this, visit);
    }
    template <class Visit>
    void forEachControl(Visit&& visit) const {
        eachControl(*this, visit);
    }

private:
    template <class Form, class Visit>
    static void eachControl(Form& form, Visit& visit) {
        visit(ControlName{"Label2"}, form.Label2);
        visit(ControlName{"Label3"}, form.Label3);
        visit(ControlName{"Label6"}, form.Label6);
        for (std::size_t k = 0; k < form.Label1.size(); ++k) {
            const int index = static_cast<int>(k);
            visit(ControlName{"Label4", index}, form.Label4[k]);
            visit(ControlName{"Label1", index}, form.Label1[k]);
            visit(ControlName{"Score", index}, form.Score[k]);
        }
        visit(ControlName{"Maxcombop"}, form.Maxcombop);
        visit(ControlName{"Maxcombon"}, form.Maxcombon);
        visit(ControlName{"MaxpointsP"}, form.MaxpointsP);
        visit(ControlName{"Maxpointsn"}, form.Maxpointsn);
        for (std::size_t k = 0; k < form.Rules.size(); ++k)
            visit(ControlName{"Rules", static_cast<int>(k)}, form.Rules[k]);
    }
};

}  // namespace tumblehand
