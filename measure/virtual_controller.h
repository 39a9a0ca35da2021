#pragma once

namespace tumblehand::measure {

/// Attaches SDL's virtual game controller, with every button and axis of SDL's standard
/// layout, for measuring and testing without hardware. SDL's controller support must be
/// started. Returns its SDL device index, or -1.
int attachVirtualController();

}  // namespace tumblehand::measure
