// One row of a description store: 13 text columns. The same layout serves the named values,
// the ports and the connections; which column means what depends on the store (see the column
// names below).
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace description {

class DescriptionEntry {
 public:
  static constexpr std::size_t kColumnCount = 13;

  // A new row holds the defaults: "UNDEF" in column 1, "0" in columns 3, 5, 10 and 12, the
  // rest empty. All of them fit the small-string buffer, so a row costs no allocation.
  DescriptionEntry() = default;

  // Checked access: a column number outside 0..12 throws std::out_of_range.
  std::string& operator[](std::size_t column) { return columns_.at(column); }
  const std::string& operator[](std::size_t column) const { return columns_.at(column); }

  // The default text of a column (empty for an unknown column).
  static const char* DefaultOf(std::size_t column);

  // A row is in use when it has a name; a row without one is free.
  bool InUse() const { return !columns_[0].empty(); }

  bool operator==(const DescriptionEntry&) const = default;

 private:
  std::array<std::string, kColumnCount> columns_{"", "UNDEF", "", "0", "", "0", "",
                                                 "", "",      "", "0", "", "0"};
};

// Rows of the port and connection stores have the same layout, read through other columns.
using PortEntry = DescriptionEntry;
using Connection = DescriptionEntry;

// Column numbers, by store.
namespace column {
// privates, parameters, constants
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kKind = 1;
inline constexpr std::size_t kValue = 6;
// usedPorts
inline constexpr std::size_t kPortName = 0;
inline constexpr std::size_t kPortDirection = 1;
inline constexpr std::size_t kPortWidth = 4;
inline constexpr std::size_t kPortLsb = 5;
inline constexpr std::size_t kPortDefaultValue = 6;
inline constexpr std::size_t kPortBus = 7;
// connections: the second end in columns 0 and 2 to 5, the first in columns 8 to 12
inline constexpr std::size_t kSecondName = 0;
inline constexpr std::size_t kSecondWidth = 4;
inline constexpr std::size_t kSecondLsb = 5;
inline constexpr std::size_t kFirstName = 8;
inline constexpr std::size_t kFirstWidth = 11;
inline constexpr std::size_t kFirstLsb = 12;
}  // namespace column

}  // namespace description
