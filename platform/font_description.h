// A font request in the terms of the display's font mapper: a negative height asks for that
// character height in pixels; escapement 900 turns the text 90 degrees counter-clockwise.
#pragma once

#include <string>

namespace platform {

struct FontDescription {
  int height = 0;
  int width = 0;
  int escapement = 0;   // tenths of a degree
  int orientation = 0;  // tenths of a degree
  int weight = 0;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = 0;
  int outPrecision = 0;
  int clipPrecision = 0;
  int quality = 0;
  int pitchAndFamily = 0;
  std::string faceName;  // at most 31 characters
};

}  // namespace platform
