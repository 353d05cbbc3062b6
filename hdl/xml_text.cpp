#include "hdl/xml_text.h"

#include <cmath>
#include <cstdio>

namespace hdl {

std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// snprintf with the C locale's decimal point: rsmanager never sets another locale.
std::string Coordinate(double value) {
  char text[32];
  const double rounded = std::round(value * 10.0) / 10.0;
  std::snprintf(text, sizeof text, "%.1f", rounded == 0.0 ? 0.0 : rounded);
  return text;
}

std::string RateText(double value) {
  if (value == 0.0) return "0";
  char text[32];
  std::snprintf(text, sizeof text, std::fabs(value) >= 1e-3 ? "%.3g" : "%.2e", value);
  return text;
}

}  // namespace hdl
