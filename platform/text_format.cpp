#include "platform/text_format.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// The conversions the generated files use.
enum class Conversion { kNone, kPercent, kInt, kLong, kString, kHex2 };

// The conversion at `spec` (just after a '%') and its length; kNone when it is not one of ours.
Conversion Parse(const char* spec, std::size_t* length) {
  if (spec[0] == '%') return *length = 1, Conversion::kPercent;
  if (spec[0] == 'd') return *length = 1, Conversion::kInt;
  if (spec[0] == 's') return *length = 1, Conversion::kString;
  if (spec[0] == 'l' && spec[1] == 'd') return *length = 2, Conversion::kLong;
  if (spec[0] == '0' && spec[1] == '2' && spec[2] == 'x') return *length = 3, Conversion::kHex2;
  return Conversion::kNone;
}

template <typename Integer>
void AppendInteger(std::string& out, Integer value, int base = 10, std::size_t width = 0) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, base);
  (void)error;  // 24 characters hold any 64-bit integer in base 10 or 16
  const std::size_t size = static_cast<std::size_t>(end - digits);
  if (size < width) out.append(width - size, '0');
  out.append(digits, size);
}

// Appends format with our conversions; false, with part of it appended, at any other one.
bool AppendOurs(std::string& out, const char* format, va_list args) {
  const char* text = format;
  for (const char* p = std::strchr(text, '%'); p; p = std::strchr(text, '%')) {
    out.append(text, static_cast<std::size_t>(p - text));
    std::size_t length = 0;
    switch (Parse(p + 1, &length)) {
      case Conversion::kPercent:
        out += '%';
        break;
      case Conversion::kInt:
        AppendInteger(out, va_arg(args, int));
        break;
      case Conversion::kLong:
        AppendInteger(out, va_arg(args, long));
        break;
      case Conversion::kString: {
        const char* s = va_arg(args, const char*);
        if (s == nullptr) return false;  // printf has its own text for that
        out += s;
        break;
      }
      case Conversion::kHex2:
        AppendInteger(out, va_arg(args, unsigned), 16, 2);
        break;
      case Conversion::kNone:
        return false;
    }
    text = p + 1 + length;
  }
  out += text;
  return true;
}

void AppendGeneral(std::string& out, const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  char line[128];
  const int size = std::vsnprintf(line, sizeof line, format, args);
  if (size > 0 && static_cast<std::size_t>(size) < sizeof line) {
    out.append(line, static_cast<std::size_t>(size));
  } else if (size > 0) {
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(size));
    std::vsnprintf(out.data() + start, static_cast<std::size_t>(size) + 1, format, again);
  }
  va_end(again);
}

// The fast pass, and when it meets another conversion, vsnprintf from the start again.
void AppendFormatList(std::string& out, const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  const std::size_t start = out.size();
  if (!AppendOurs(out, format, args)) {
    out.resize(start);
    AppendGeneral(out, format, again);
  }
  va_end(again);
}

}  // namespace

std::string Format(const char* format, ...) {
  std::string out;
  va_list args;
  va_start(args, format);
  AppendFormatList(out, format, args);
  va_end(args);
  return out;
}

void AppendFormat(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatList(out, format, args);
  va_end(args);
}

}  // namespace platform
