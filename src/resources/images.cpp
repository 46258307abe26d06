#include "resources/images.h"

#include "add_interval.inc"
#include "advanced_mode.inc"
#include "app_icon.inc"
#include "new_program.inc"
#include "open_program.inc"
#include "save_program.inc"
#include "simple_mode.inc"

namespace images {
namespace {
wxBitmapBundle FromSvg(const char* svg, int size) {
    return wxBitmapBundle::FromSVG(svg, wxSize(size, size));
}
}  // namespace

wxBitmapBundle NewProgram() { return FromSvg(new_program, kToolSize); }
wxBitmapBundle OpenProgram() { return FromSvg(open_program, kToolSize); }
wxBitmapBundle SaveProgram() { return FromSvg(save_program, kToolSize); }
wxBitmapBundle AddInterval() { return FromSvg(add_interval, kToolSize); }
wxBitmapBundle SimpleMode() { return FromSvg(simple_mode, kModeSize); }
wxBitmapBundle AdvancedMode() { return FromSvg(advanced_mode, kModeSize); }
wxBitmapBundle AppIcon() { return FromSvg(app_icon, kModeSize); }
}  // namespace images
