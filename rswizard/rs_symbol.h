// The schematic symbol of the Reed-Solomon block: a box sized to its labels, the design name
// above it, the kind of block below, the code parameters inside and one pin per port. It is
// rebuilt from the settings whenever they change and just before the description is written.
#pragma once

#include <string>
#include <string_view>

#include "rswizard/process_settings.h"
#include "symbol/symbol_model.h"
#include "symbol/text_measurer.h"

namespace rswizard {

inline constexpr int kRsBoxHeight = 224;
inline constexpr int kRsPinLength = 16;

// "rsin[w..1]" (and so on) for a bus of w >= 2 bits, the plain name otherwise.
std::string BusLabel(std::string_view name, int w);

// The polynomial whose bit i is the coefficient of x^i, highest power first, x written as x^1
// and the constant term as 1: 19 gives "x^4 + x^1 + 1", 0 the empty text. The 32 bits of p are
// walked as they stand, so a negative p gives a long text rather than an endless loop.
std::string PolynomialText(int p);

// "encoder", or "full discrete decoder", "half discrete decoder", "full streaming decoder",
// "half streaming decoder".
std::string KindText(const rsblock::RsSettings& settings);

// The design base name as it fits maxWidth pixels in that font: whole, or cut with "..." after
// the longest start that fits, or empty (also for names of 255 characters or more).
std::string FitDesignName(const std::string& designBaseName, int maxWidth, int pointSize,
                          const std::string& fontName);
std::string FitDesignName(const std::string& designBaseName, int maxWidth, int pointSize,
                          const std::string& fontName, const symbol::TextSizer& sizer);

// The measured widths the box width is worked out from, in pixels.
struct RsBoxMeasures {
  int wIn = 0;         // BusLabel("rsin", m), 8 points
  int wClock = 0;      // "clock", 8 points
  int wOut = 0;        // BusLabel("rsout", m), 8 points
  int polynomial = 0;  // PolynomialText(irrpol), 7 points
  int title = 0;       // the fitted design name, 10 points
  int irrpol = 0;      // "irrpol = %d", 7 points
};

// The box width: the two label columns or the polynomial text with room around it, widened to
// the title and to the irrpol text where they are wider.
int RsBoxWidth(const RsBoxMeasures& measures);

// Replaces the symbol in `model` by the one of `settings`, measuring every text with `sizer`.
void BuildRsSymbol(symbol::SymbolModel& model, const rsblock::RsSettings& settings,
                   const std::string& designBaseName,
                   const symbol::TextSizer& sizer = symbol::MeasureText);

// The same for the running wizard: into the symbol of the current RsWizardApp (the process-wide
// one when there is none), from Settings() and the process-wide design base name.
void BuildRsSymbol();

}  // namespace rswizard
