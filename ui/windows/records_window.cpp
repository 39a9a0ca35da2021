#include "ui/windows/records_window.h"

namespace tumblehand::ui {

RecordsWindow::RecordsWindow(const Form3& form3, QWidget* parent)
    : ModelWindow(QStringLiteral("成績"), Form3::ScaleWidth, Form3::ScaleHeight, parent), model_(form3) {
    const LabelStyle heading{15.75, true, Qt::AlignHCenter};
    const LabelStyle name{11.25, true, Qt::AlignLeft};
    const LabelStyle number{14.25, true, Qt::AlignLeft};
    for (const Label* label : {&form3.Label2, &form3.Label3, &form3.Label6}) addLabel(*label, heading);
    for (std::size_t i = 0; i < form3.Label1.size(); ++i) {
        addLabel(form3.Label4[i], {11.25, false, Qt::AlignLeft});
        addLabel(form3.Label1[i], name);
        addLabel(form3.Score[i], number);
    }
    addLabel(form3.Maxcombop, name);
    addLabel(form3.Maxcombon, number);
    addLabel(form3.MaxpointsP, name);
    addLabel(form3.Maxpointsn, number);
    for (const Rule& rule : form3.Rules) addRule(rule);
}

}  // namespace tumblehand::ui
