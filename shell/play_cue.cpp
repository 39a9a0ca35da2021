#include "board/form1.h"

namespace tumblehand {

// The platform stops the cue still sounding before it starts the new one; a missing
// or broken file plays nothing and changes nothing in the game.
void Form1::PlayCue(const std::string& name) { platform().playWav(MyPath() + "sound/" + name + ".wav"); }

}  // namespace tumblehand
