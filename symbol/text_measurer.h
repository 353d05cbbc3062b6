// Measuring a text as the display would draw it, but with the built-in metrics of an
// Arial-compatible face (font_metrics_table.h) instead of the machine's fonts: the symbol and
// the description written from it must come out the same on every machine. Every face name
// measures with that one table; only the point size matters.
#pragma once

#include <functional>
#include <string_view>

namespace symbol {

struct TextSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TextSize&, const TextSize&) = default;
};

class TextMeasurer {
 public:
  // The character height is the one of MakeFontDescription (pointSize, horizontal, fontName)
  // at the display's resolution; a point size that gives no positive height measures 0.
  TextMeasurer(std::string_view fontName, int pointSize);

  // The sum of the characters' advance widths; a byte outside printable ASCII measures as
  // the average printable width.
  int Width(std::string_view text) const;
  // The cell height, the same for every string (the empty one included).
  int Height() const { return height_; }
  TextSize Measure(std::string_view text) const { return {Width(text), height_}; }
  int PixelsPerEm() const { return ppem_; }

 private:
  int CharWidth(unsigned char c) const;

  int ppem_ = 0;
  int height_ = 0;
  int averageWidth_ = 0;
  const unsigned char* tableWidths_ = nullptr;  // the tabulated size, when there is one
};

// How a primitive finds the size of its text: the real one measures with TextMeasurer; tests
// give their own to place texts with assumed sizes.
using TextSizer =
    std::function<TextSize(std::string_view text, std::string_view fontName, int pointSize)>;

TextSize MeasureText(std::string_view text, std::string_view fontName, int pointSize);

}  // namespace symbol
