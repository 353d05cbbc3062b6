#include "symbol/make_font_description.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

namespace symbol {

namespace {

constexpr std::size_t kMaxFaceNameLength = 31;
constexpr int kOutCharacterPrecision = 2;
constexpr int kClipCharacterPrecision = 1;
constexpr int kProofQuality = 2;
constexpr int kModernFamilyDefaultPitch = 0x30;
constexpr int kVerticalEscapement = 900;

}  // namespace

platform::FontDescription MakeFontDescription(int pointSize, int vertical,
                                              std::string_view faceName, int logPixelsY) {
  // Computed wide: an absurd point size must not overflow into a small or positive height.
  const std::int64_t pixels =
      (static_cast<std::int64_t>(pointSize) * logPixelsY + 36) / 72;  // truncating, as asked
  const std::int64_t height = std::clamp<std::int64_t>(-pixels, INT_MIN + 1, INT_MAX);

  platform::FontDescription font;
  font.height = static_cast<int>(height);
  font.width = 0;
  font.escapement = vertical != 0 ? kVerticalEscapement : 0;
  font.orientation = font.escapement;
  font.weight = 0;
  font.italic = false;
  font.underline = false;
  font.strikeOut = false;
  font.charSet = 0;
  font.outPrecision = kOutCharacterPrecision;
  font.clipPrecision = kClipCharacterPrecision;
  font.quality = kProofQuality;
  font.pitchAndFamily = kModernFamilyDefaultPitch;
  font.faceName = std::string(faceName.substr(0, kMaxFaceNameLength));
  return font;
}

}  // namespace symbol
