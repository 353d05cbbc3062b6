#include "hdl/verilog_text.h"

#include "platform/text_format.h"

namespace hdl {

std::string FlatConstant(const std::vector<int>& values, int width, const std::string& indent,
                         int perLine) {
  std::string text = "{";
  for (std::size_t i = values.size(); i-- > 0;) {
    text += platform::Format("%d'd%d", width, values[i]);
    if (i == 0) break;
    const std::size_t written = values.size() - i;
    text += written % static_cast<std::size_t>(perLine) == 0 ? ",\n" + indent : ", ";
  }
  return text + "}";
}

std::string BusRange(const BlockPort& port) {
  return port.width ? platform::Format("[%d:1] ", port.width) : std::string();
}

}  // namespace hdl
