#pragma once
// The program's images, compiled into the binary and drawn from vector sources, so they stay
// sharp at any display scale.

#include <wx/bmpbndl.h>

namespace images {
constexpr int kToolSize = 48;  // tool bar images, in logical pixels
constexpr int kModeSize = 64;  // mode selection images

wxBitmapBundle NewProgram();
wxBitmapBundle OpenProgram();
wxBitmapBundle SaveProgram();
wxBitmapBundle AddInterval();
wxBitmapBundle SimpleMode();
wxBitmapBundle AdvancedMode();
wxBitmapBundle AppIcon();  // default size 64 x 64
}  // namespace images
