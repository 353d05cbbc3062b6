#include "platform/dialog_template.h"

namespace platform {

namespace {
// MulDiv rounding: half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}
}  // namespace

int DialogUnitsToPixelsX(int units) {
  return ScaleRounded(units, kBaseUnitX, 4);
}
int DialogUnitsToPixelsY(int units) {
  return ScaleRounded(units, kBaseUnitY, 8);
}

Rect DialogUnitsToPixels(int x, int y, int width, int height) {
  // Each edge is mapped on its own, as a dialog manager maps a rectangle.
  return {DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(x + width),
          DialogUnitsToPixelsY(y + height)};
}

}  // namespace platform
