#include "description/description_entry.h"

namespace description {

const char* DescriptionEntry::DefaultOf(std::size_t column) {
  switch (column) {
    case 1:
      return "UNDEF";
    case 3:
    case 5:
    case 10:
    case 12:
      return "0";
    default:
      return "";
  }
}

}  // namespace description
