#pragma once

#include "shell/form3.h"
#include "ui/windows/model_window.h"

namespace tumblehand::ui {

/// The records window (成績): draws its model, Form3 (the names, scores and bests of
/// the records file). Modeless.
class RecordsWindow : public ModelWindow {
    Q_OBJECT
public:
    /// form3 must outlive the window.
    explicit RecordsWindow(const Form3& form3, QWidget* parent = nullptr);

    const Form3& model() const { return model_; }

private:
    const Form3& model_;
};

}  // namespace tumblehand::ui
