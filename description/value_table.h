// The store class of the description: a fixed table of 512 rows, filled from the front by Add
// and emptied only all at once by Clear. Every lookup is a linear scan from row 0.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "description/description_entry.h"

namespace description {

// 0 is an input, 1 an output, any other value a bidirectional port.
using PortDirection = int;
inline constexpr PortDirection kInput = 0;
inline constexpr PortDirection kOutput = 1;
inline constexpr PortDirection kBidir = 2;

// "INPUT", "OUTPUT" or "BIDIR".
const char* PortDirectionText(PortDirection direction);

// The bus text of a port: the name alone for width 0 (a single-bit port), else
// "name[highest..lowest]" with highest = lsb + width - 1.
std::string BusText(std::string_view name, int width, int lsb);

class ValueTable {
 public:
  static constexpr std::size_t kRowCount = 512;

  // Room for all 512 rows is reserved here. A row that was never written holds nothing but
  // the defaults and cannot be seen, so rows are built on their first Add: five tables at
  // process start then cost five allocations instead of 33,280 strings. The room never grows,
  // and rows never move, so a row pointer stays valid until Clear.
  ValueTable();

  // Copies all 13 columns of `row` into the first free row. False, and nothing stored, when
  // every row is in use. A row without a name lands in the free row but stays free, so the next
  // Add overwrites it.
  bool Add(const DescriptionEntry& row);

  // The first row in use whose name equals `name` byte for byte; nullptr when there is none.
  const DescriptionEntry* Find(std::string_view name) const;

  // The value column of Find(name) read with the leading-integer conversion (whatever the kind
  // column says); `defaultValue` when there is no such row.
  int LookupInt(std::string_view name, int defaultValue) const;

  // Row i when it is in use; nullptr otherwise (also for i outside 0..511). A walk from 0 stops
  // at the first nullptr.
  const DescriptionEntry* EntryAt(std::size_t i) const;

  // Frees every row: the name becomes empty and columns 1, 3, 5, 10 and 12 get their defaults
  // back; the other columns are overwritten by the next Add into the row.
  void Clear();

  // The number of rows in use, which stand at the front.
  std::size_t Count() const { return used_; }

  // Named values: kind "NUMERIC" with the value in decimal, or kind "STRING".
  bool AddNumeric(std::string_view name, int value);
  bool AddString(std::string_view name, std::string_view text);

  // A port row: direction text, width and lowest bit in decimal, the default-value token and
  // the bus text.
  bool AddPort(std::string_view name, int width, std::string_view defaultValue,
               PortDirection direction, int lsb);

  // A connection row joining `first` (columns 8 to 12) and `second` (columns 0 and 2 to 5).
  // A second end that is a number (empty or beginning with a decimal digit) gets width "0".
  bool AddConnection(std::string_view first, std::string_view second, int width, int lsb);

 private:
  // The rows built so far (at most 512, capacity reserved once); the rows beyond them are free
  // rows with the defaults.
  std::vector<DescriptionEntry> rows_;
  // Rows 0..used_-1 are in use and every other row is free: Add fills the first free row and
  // only Clear frees rows, so the first free row is always row used_.
  std::size_t used_ = 0;
};

}  // namespace description
