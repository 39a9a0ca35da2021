#pragma once

#include "board/form1.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tumblehand::sim {

/// One integer argument of a procedure and the values the runner lets through:
/// wider values would index past the board or the hand table.
struct Parameter {
    std::string name;
    int min;
    int max;
};

/// A Form1 procedure that a scenario can call by name.
struct Procedure {
    std::string name;
    std::vector<Parameter> parameters;
    std::function<void(Form1&, const std::vector<int>&)> run;
};

/// Every procedure the runner can call, in the order the help lists them.
const std::vector<Procedure>& procedures();

/// The procedure of that name, or null.
const Procedure* findProcedure(std::string_view name);

}  // namespace tumblehand::sim
