// Temporary empty procedures so that the core links while hands and scoring are built.
// Delete each one as its real definition lands.
#include "board/form1.h"

namespace tumblehand {
void Form1::CClear() {}
void Form1::Flush(int) {}
void Form1::Straight(int) {}
void Form1::Pair(int, int) {}
void Form1::TwoPair(int, int, int) {}
void Form1::AllChecker() {}
void Form1::Erace(int) {}
void Form1::PigEracer(int) {}
void Form1::Timer3_Timer() {}
void Form1::PlayCue(const std::string&) {}
}  // namespace tumblehand
