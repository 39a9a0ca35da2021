#include "sim/labels.h"

#include <algorithm>
#include <type_traits>

namespace tumblehand::sim {

Label* findLabel(Form1& form, std::string_view name) {
    Label* found = nullptr;
    if (std::find(LabelNames.begin(), LabelNames.end(), name) == LabelNames.end()) return found;
    form.forEachControl([&](const ControlName& control, auto& value) {
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(value)>, Label>) {
            if (control.index < 0 && control.name == name) found = &value;
        }
    });
    return found;
}

}  // namespace tumblehand::sim
