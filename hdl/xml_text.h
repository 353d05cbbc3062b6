// Text placed in the generated XHTML and SVG: escaped so that an XML parser reads it back as
// written, and numbers formatted the same on every machine.
#pragma once

#include <string>
#include <string_view>

namespace hdl {

// & < > " and ' as entities.
std::string XmlEscaped(std::string_view text);

// A coordinate with one decimal: "12.5", "-3.0".
std::string Coordinate(double value);

// A probability or rate with three significant digits: "0.0123", "1.23e-09", "0" for 0.
std::string RateText(double value);

}  // namespace hdl
