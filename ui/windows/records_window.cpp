#include "ui/windows/records_window.h"

namespace tumblehand::ui {

RecordsWindow::RecordsWindow(const Form3& form3, QWidget* parent)
    : ModelWindow(QStringLiteral("成績"), Form3::ScaleWidth, Form3::ScaleHeight, parent), model_(form3) {
    addControls(form3, [](const ControlName& control) -> LabelStyle {
        const std::string_view name = control.name;
        if (name == "Label2" || name == "Label3" || name == "Label6") return {15.75, true, Qt::AlignHCenter};
        if (name == "Label4") return {11.25, false, Qt::AlignLeft};  // places
        if (name == "Label1" || name == "Maxcombop" || name == "MaxpointsP")
            return {11.25, true, Qt::AlignLeft};  // names
        return {14.25, true, Qt::AlignLeft};      // Score, Maxcombon, Maxpointsn
    });
}

}  // namespace tumblehand::ui
