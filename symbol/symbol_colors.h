// The colours of the symbol and of its preview panel.
//
// Three of them are given as indexes into the display's palette; these are the static colours
// the default 256-colour palette holds at those indexes: 8 is the pale green of the drawing
// area, 10 the cream of the light edge line and 12 the grey of the dark edge line. The button
// face is the usual light grey of dialog surfaces.
#pragma once

#include "platform/draw_context.h"

namespace symbol {

inline constexpr platform::Color kPaletteIndex8{192, 220, 192};
inline constexpr platform::Color kPaletteIndex10{255, 251, 240};
inline constexpr platform::Color kPaletteIndex12{128, 128, 128};
inline constexpr platform::Color kButtonFace{240, 240, 240};

inline constexpr platform::Color kBlack{0, 0, 0};
inline constexpr platform::Color kWhite{255, 255, 255};
inline constexpr platform::Color kMediumGrey{128, 128, 128};
inline constexpr platform::Color kTeal{0, 128, 128};
inline constexpr platform::Color kBlue{0, 0, 255};

}  // namespace symbol
