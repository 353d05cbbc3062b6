// The font request for a text of the symbol, shared by the measuring, the preview and the
// fitting of the design name, so that all of them speak of the same character height.
#pragma once

#include <string_view>

#include "platform/font_description.h"

namespace symbol {

// The display's vertical resolution that the wizard measures and draws at.
inline constexpr int kDisplayLogPixelsY = 96;

// A character height of pointSize points at logPixelsY pixels per inch (negative height, as
// the font mapper takes it), turned 90 degrees counter-clockwise when `vertical` is not 0, in
// the modern family with default pitch; the face name is cut to 31 characters.
platform::FontDescription MakeFontDescription(int pointSize, int vertical,
                                              std::string_view faceName,
                                              int logPixelsY = kDisplayLogPixelsY);

}  // namespace symbol
