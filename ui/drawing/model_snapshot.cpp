#include "ui/drawing/model_snapshot.h"

#include "board/form1.h"
#include "shell/form3.h"

namespace tumblehand::ui {

namespace {

void add(std::string& out, const Label& label) {
    out += label.Caption;
    out += '\x1f';
    out += label.Visible ? '1' : '0';
    out += std::to_string(label.ForeColor);
    out += ',';
    out += std::to_string(label.Left);
    out += ',';
    out += std::to_string(label.Top);
    out += ',';
    out += std::to_string(label.Width);
    out += ',';
    out += std::to_string(label.Height);
    out += '\x1e';
}

}  // namespace

std::string recordsSnapshot(const Form3* form3) {
    std::string out;
    if (!form3) return out;
    for (std::size_t i = 0; i < 10; ++i) {
        add(out, form3->Label1[i]);
        add(out, form3->Score[i]);
    }
    for (const Label* label : {&form3->Maxcombop, &form3->Maxcombon, &form3->MaxpointsP, &form3->Maxpointsn}) {
        add(out, *label);
    }
    return out;
}

}  // namespace tumblehand::ui
