#pragma once

#include "shell/form2.h"
#include "ui/windows/model_window.h"

namespace tumblehand::ui {

/// The hand table (役): draws its model, Form2, a fixed table of the hands, their
/// points, the cards they use up and their effects. Modeless.
class HandTableWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit HandTableWindow(QWidget* parent = nullptr);

    const Form2& model() const { return model_; }

private:
    const Form2 model_;
};

}  // namespace tumblehand::ui
