#include "description/value_table.h"

#include <cstdint>

#include "description/leading_integer.h"

namespace description {

const char* PortDirectionText(PortDirection direction) {
  if (direction == kInput) return "INPUT";
  if (direction == kOutput) return "OUTPUT";
  return "BIDIR";
}

std::string BusText(std::string_view name, int width, int lsb) {
  std::string bus(name);
  if (width == 0) return bus;
  // In 64 bits: lsb + width - 1 must not overflow for extreme values.
  const std::int64_t highest = std::int64_t{lsb} + width - 1;
  bus += '[';
  bus += std::to_string(highest);
  bus += "..";
  bus += std::to_string(lsb);
  bus += ']';
  return bus;
}

ValueTable::ValueTable() {
  rows_.reserve(kRowCount);
}

bool ValueTable::Add(const DescriptionEntry& row) {
  if (used_ == kRowCount) return false;
  if (used_ < rows_.size()) {
    rows_[used_] = row;
  } else {
    rows_.push_back(row);  // within the reserved room: no row moves
  }
  if (row.InUse()) ++used_;
  return true;
}

const DescriptionEntry* ValueTable::Find(std::string_view name) const {
  for (std::size_t i = 0; i < used_; ++i) {
    if (rows_[i][column::kName] == name) return &rows_[i];
  }
  return nullptr;
}

int ValueTable::LookupInt(std::string_view name, int defaultValue) const {
  const DescriptionEntry* row = Find(name);
  return row ? LeadingInteger((*row)[column::kValue]) : defaultValue;
}

const DescriptionEntry* ValueTable::EntryAt(std::size_t i) const {
  return i < used_ ? &rows_[i] : nullptr;
}

void ValueTable::Clear() {
  static constexpr std::size_t kDefaulted[] = {1, 3, 5, 10, 12};
  for (DescriptionEntry& row : rows_) {
    row[0].clear();
    for (std::size_t c : kDefaulted) row[c] = DescriptionEntry::DefaultOf(c);
  }
  used_ = 0;
}

bool ValueTable::AddNumeric(std::string_view name, int value) {
  DescriptionEntry row;
  row[column::kName] = name;
  row[column::kKind] = "NUMERIC";
  row[column::kValue] = std::to_string(value);
  return Add(row);
}

bool ValueTable::AddString(std::string_view name, std::string_view text) {
  DescriptionEntry row;
  row[column::kName] = name;
  row[column::kKind] = "STRING";
  row[column::kValue] = text;
  return Add(row);
}

bool ValueTable::AddPort(std::string_view name, int width, std::string_view defaultValue,
                         PortDirection direction, int lsb) {
  PortEntry row;
  row[column::kPortDirection] = PortDirectionText(direction);
  row[column::kPortName] = name;
  row[column::kPortWidth] = std::to_string(width);
  row[2] = "0";
  row[column::kPortLsb] = std::to_string(lsb);
  row[column::kPortDefaultValue] = defaultValue;
  row[column::kPortBus] = BusText(name, width, lsb);
  return Add(row);
}

bool ValueTable::AddConnection(std::string_view first, std::string_view second, int width,
                               int lsb) {
  Connection row;
  row[column::kFirstName] = first;
  row[column::kSecondName] = second;
  row[column::kFirstWidth] = std::to_string(width);
  row[column::kFirstLsb] = std::to_string(lsb);
  const bool secondIsNumber = second.empty() || (second[0] >= '0' && second[0] <= '9');
  row[column::kSecondWidth] = secondIsNumber ? std::string("0") : row[column::kFirstWidth];
  row[column::kSecondLsb] = std::to_string(lsb);
  row[9] = "0";
  row[2] = "0";
  return Add(row);
}

}  // namespace description
