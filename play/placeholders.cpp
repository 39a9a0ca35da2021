// Temporary empty procedures so that the core links while play control is built.
// Delete each one as its real definition lands.
#include "board/form1.h"

namespace tumblehand {
void Form1::Start_Click() {}
void Form1::StopL_Click() {}
void Form1::Timer1_Timer() {}
void Form1::Form_KeyDown(int) {}
void Form1::Fall() {}
void Form1::Timer2_Timer() {}
void Form1::ComboCheck() {}
}  // namespace tumblehand
