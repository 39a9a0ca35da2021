#include "sim/labels.h"

namespace tumblehand::sim {

Label* findLabel(Form1& form, std::string_view name) {
    if (name == "YakuL") return &form.YakuL;
    if (name == "Gscore") return &form.Gscore;
    if (name == "ComboS") return &form.ComboS;
    if (name == "TotalS") return &form.TotalS;
    if (name == "Score") return &form.Score;
    if (name == "Label2") return &form.Label2;
    if (name == "Label3") return &form.Label3;
    if (name == "Label4") return &form.Label4;
    if (name == "Label5") return &form.Label5;
    if (name == "StopL") return &form.StopL;
    if (name == "MoveNum") return &form.MoveNum;
    return nullptr;
}

}  // namespace tumblehand::sim
