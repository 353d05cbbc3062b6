// What must hold after reading any text as a description, shared by the fuzz target and the
// randomised test: no store beyond its 512 rows, and a description written and read back gives
// the same rows whenever its rows are of the kind the text format can carry unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "description/description_format.h"
#include "description/wizard_description.h"

namespace descriptiontest {

using description::DescriptionEntry;
using description::ValueTable;
using description::WizardDescription;

struct NamedStore {
  const char* name;
  const ValueTable WizardDescription::*store;
};

inline constexpr NamedStore kStores[] = {
    {"privates", &WizardDescription::privates},
    {"parameters", &WizardDescription::parameters},
    {"constants", &WizardDescription::constants},
    {"usedPorts", &WizardDescription::usedPorts},
    {"connections", &WizardDescription::connections},
};

inline constexpr std::size_t kPortFields[] = {0, 2, 3, 4, 5, 1, 6, 7};
inline constexpr std::size_t kConnectionFields[] = {8, 9, 10, 11, 12, 0, 2, 3, 4, 5};

// Empty when the store is within its capacity and its walk agrees with its count.
inline std::string CheckCapacity(const ValueTable& store) {
  if (store.Count() > ValueTable::kRowCount) return "more than 512 rows in use";
  if (store.EntryAt(ValueTable::kRowCount) != nullptr) return "a row beyond row 511";
  std::size_t walked = 0;
  while (walked <= ValueTable::kRowCount && store.EntryAt(walked) != nullptr) ++walked;
  if (walked != store.Count()) return "the walk and the count disagree";
  for (std::size_t i = 0; i < walked; ++i) {
    if (!store.EntryAt(i)->InUse()) return "a free row in the walk";
  }
  return {};
}

// A field written as it is must be one field again: not empty, no separator inside.
inline bool IsPlainField(std::string_view field) {
  return !field.empty() && field.find_first_of(" \t\n") == std::string_view::npos;
}

// The conditions on a value under which the quoted form reads back unchanged.
inline bool IsCarriedValue(std::string_view value) {
  if (!value.empty() && value.front() == ' ') return false;
  if (value.find("  ") != std::string_view::npos) return false;
  std::size_t words = 1;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != ' ') continue;
    ++words;
    if (i > 0 && value[i - 1] == '"') return false;  // a word before the last ends in a quote
  }
  return words <= 100;
}

// The last field of a line must not end in a carriage return: the line feed after it would make
// the pair a line break. (The quoted value of a value line always ends in a quote.)
inline bool IsCarriedLastField(std::string_view field) {
  return IsPlainField(field) && field.back() != '\r';
}

inline bool RowsAreCarried(const WizardDescription& d) {
  const std::pair<const ValueTable*, std::string_view> valueStores[] = {
      {&d.privates, "PRIVATE: "}, {&d.parameters, "PARAMETER: "}, {&d.constants, "CONSTANT: "}};
  for (const auto& [store, keyword] : valueStores) {
    for (std::size_t i = 0; const DescriptionEntry* row = store->EntryAt(i); ++i) {
      const std::string& value = (*row)[6];
      if (!IsPlainField((*row)[0]) || !IsPlainField((*row)[1]) || !IsCarriedValue(value))
        return false;
      const std::size_t length = keyword.size() + (*row)[0].size() + 1 + (*row)[1].size() + 2 +
                                 description::EscapeValue(value).size() + 1;
      if (length > description::kPieceLength) return false;
    }
  }
  auto fieldsCarried = [](const ValueTable& store, const std::size_t* columns, std::size_t count,
                          std::size_t keywordLength) {
    for (std::size_t i = 0; const DescriptionEntry* row = store.EntryAt(i); ++i) {
      std::size_t length = keywordLength;
      for (std::size_t k = 0; k < count; ++k) {
        const std::string& field = (*row)[columns[k]];
        if (!(k + 1 == count ? IsCarriedLastField(field) : IsPlainField(field))) return false;
        length += 1 + field.size();
      }
      if (length > description::kPieceLength) return false;
    }
    return true;
  };
  return fieldsCarried(d.usedPorts, kPortFields, 8, std::string_view("USED_PORT:").size()) &&
         fieldsCarried(d.connections, kConnectionFields, 10, std::string_view("CONNECT:").size());
}

// Empty when both stores have the same rows in the same order, else where they differ.
inline std::string CompareStores(const ValueTable& expected, const ValueTable& actual) {
  if (expected.Count() != actual.Count()) {
    return std::to_string(expected.Count()) + " rows became " + std::to_string(actual.Count());
  }
  for (std::size_t i = 0; i < expected.Count(); ++i) {
    for (std::size_t c = 0; c < DescriptionEntry::kColumnCount; ++c) {
      if ((*expected.EntryAt(i))[c] != (*actual.EntryAt(i))[c]) {
        return "row " + std::to_string(i) + " column " + std::to_string(c) + " differs";
      }
    }
  }
  return {};
}

// A description to read the written text into, emptied for each use. Kept for the whole run:
// a new one each time would cost more than the checks themselves.
inline WizardDescription& Scratch() {
  static WizardDescription* const scratch = new WizardDescription();
  scratch->ClearStores();
  return *scratch;
}

// Empty when writing `d` and reading the text back gives the same rows in every store.
inline std::string CheckRoundTrip(const WizardDescription& d) {
  WizardDescription& again = Scratch();
  description::ReadDescription(again, description::WriteDescription(d));
  for (const NamedStore& s : kStores) {
    const std::string difference = CompareStores(d.*s.store, again.*s.store);
    if (!difference.empty()) return std::string(s.name) + ": " + difference;
  }
  return {};
}

// Reads `content` into `d` (cleared first) and checks every invariant; empty when all hold.
inline std::string CheckReadInvariants(WizardDescription& d, std::string_view content) {
  d.ClearStores();
  description::ReadDescription(d, content);
  for (const NamedStore& s : kStores) {
    const std::string problem = CheckCapacity(d.*s.store);
    if (!problem.empty()) return std::string(s.name) + ": " + problem;
  }
  if (d.moduleName != "default") return "the module name was read";
  // Whatever was read can be written and read again without harm ...
  WizardDescription& again = Scratch();
  description::ReadDescription(again, description::WriteDescription(d));
  for (const NamedStore& s : kStores) {
    const std::string problem = CheckCapacity(again.*s.store);
    if (!problem.empty()) return std::string(s.name) + " (re-read): " + problem;
  }
  // ... and gives the same rows when they are of the kind the format carries.
  if (RowsAreCarried(d)) {
    for (const NamedStore& s : kStores) {
      const std::string difference = CompareStores(d.*s.store, again.*s.store);
      if (!difference.empty()) return std::string(s.name) + " (re-read): " + difference;
    }
  }
  return {};
}

}  // namespace descriptiontest
