#include "board/form1.h"
#include "board/numbers.h"
#include "shell/form3.h"

namespace tumblehand {

void Form1::Label4_DragDrop() { state.PigBoost = true; }

void Form1::Label3_DragDrop() {
    if (leadingNumber(form3().Score[0].Caption) > 500000) state.JokerBoost = true;
}

}  // namespace tumblehand
