// The in-memory description of the configured block: its module name, five stores and the
// symbol whose lines end the description file. The block-specific wizard fills it through the
// Add operations below; the reader and the writer are in description_format.h.
#pragma once

#include <string>
#include <string_view>

#include "description/symbol_line_writer.h"
#include "description/value_table.h"

namespace description {

class WizardDescription {
 public:
  // `symbol` is not owned and may be null (no symbol lines are written then).
  explicit WizardDescription(const SymbolLineWriter* symbol = nullptr) : symbol(symbol) {}

  std::string moduleName = "default";
  ValueTable privates;
  ValueTable parameters;  // filled only by the reader
  ValueTable constants;
  ValueTable usedPorts;    // PortEntry rows
  ValueTable connections;  // Connection rows
  const SymbolLineWriter* symbol;

  bool AddConstant(std::string_view name, int value) { return constants.AddNumeric(name, value); }
  bool AddConstant(std::string_view name, std::string_view text) {
    return constants.AddString(name, text);
  }
  bool AddPrivate(std::string_view name, int value) { return privates.AddNumeric(name, value); }

  // Empties constants, parameters, privates, connections and usedPorts, in this order.
  void ClearStores();

  // Adds the port and the connection that joins it to its "@" end: "@name" first for an input,
  // the plain name first for an output or bidirectional port. False, with no connection added,
  // when the port store is full; otherwise the result of adding the connection. Offered with
  // the last two arguments in either order.
  bool AddUsedPort(std::string_view name, int width, PortDirection direction, int lsb,
                   std::string_view defaultValue);
  bool AddUsedPort(std::string_view name, int width, PortDirection direction,
                   std::string_view defaultValue, int lsb) {
    return AddUsedPort(name, width, direction, lsb, defaultValue);
  }
};

}  // namespace description
