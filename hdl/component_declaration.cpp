#include "hdl/component_declaration.h"

#include "hdl/marked_files.h"
#include "platform/text_format.h"

namespace hdl {

std::string ComponentDeclaration(const BlockDescription& block, const std::string& name,
                                 const std::string& cnxName) {
  std::string text = HeaderLine(CommentStyle::kVhdl, cnxName);
  text += "component " + name + "\n  port (\n";
  for (std::size_t i = 0; i < block.ports.size(); ++i) {
    const BlockPort& port = block.ports[i];
    const std::string type = port.width
                                 ? platform::Format("std_logic_vector(%d downto 1)", port.width)
                                 : std::string("std_logic");
    text += "    " + port.name + " : " + (port.output ? "out " : "in ") + type +
            (i + 1 < block.ports.size() ? ";\n" : "\n");
  }
  text += "  );\nend component;\n";
  return text;
}

}  // namespace hdl
