#include "hdl/design_path.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace hdl {

namespace {

// Verilog-2005 keywords (case-sensitive, all lower case) and VHDL-2008 reserved words
// (compared in lower case), merged and sorted.
constexpr std::string_view kReservedWords[] = {
    "abs",
    "access",
    "after",
    "alias",
    "all",
    "always",
    "and",
    "architecture",
    "array",
    "assert",
    "assign",
    "assume",
    "attribute",
    "automatic",
    "begin",
    "block",
    "body",
    "buf",
    "buffer",
    "bufif0",
    "bufif1",
    "bus",
    "case",
    "casex",
    "casez",
    "cell",
    "cmos",
    "component",
    "config",
    "configuration",
    "constant",
    "context",
    "cover",
    "deassign",
    "default",
    "defparam",
    "design",
    "disable",
    "disconnect",
    "downto",
    "edge",
    "else",
    "elsif",
    "end",
    "endcase",
    "endconfig",
    "endfunction",
    "endgenerate",
    "endmodule",
    "endprimitive",
    "endspecify",
    "endtable",
    "endtask",
    "entity",
    "event",
    "exit",
    "fairness",
    "file",
    "for",
    "force",
    "forever",
    "fork",
    "function",
    "generate",
    "generic",
    "genvar",
    "group",
    "guarded",
    "highz0",
    "highz1",
    "if",
    "ifnone",
    "impure",
    "in",
    "incdir",
    "include",
    "inertial",
    "initial",
    "inout",
    "input",
    "instance",
    "integer",
    "is",
    "join",
    "label",
    "large",
    "liblist",
    "library",
    "linkage",
    "literal",
    "localparam",
    "loop",
    "macromodule",
    "map",
    "medium",
    "mod",
    "module",
    "nand",
    "negedge",
    "new",
    "next",
    "nmos",
    "nor",
    "noshowcancelled",
    "not",
    "notif0",
    "notif1",
    "null",
    "of",
    "on",
    "open",
    "or",
    "others",
    "out",
    "output",
    "package",
    "parameter",
    "pmos",
    "port",
    "posedge",
    "postponed",
    "primitive",
    "procedure",
    "process",
    "property",
    "protected",
    "pull0",
    "pull1",
    "pulldown",
    "pullup",
    "pulsestyle_ondetect",
    "pulsestyle_onevent",
    "pure",
    "range",
    "rcmos",
    "real",
    "realtime",
    "record",
    "reg",
    "register",
    "reject",
    "release",
    "rem",
    "repeat",
    "report",
    "restrict",
    "return",
    "rnmos",
    "rol",
    "ror",
    "rpmos",
    "rtran",
    "rtranif0",
    "rtranif1",
    "scalared",
    "select",
    "sequence",
    "severity",
    "shared",
    "showcancelled",
    "signal",
    "signed",
    "sla",
    "sll",
    "small",
    "specify",
    "specparam",
    "sra",
    "srl",
    "strong",
    "strong0",
    "strong1",
    "subtype",
    "supply0",
    "supply1",
    "table",
    "task",
    "then",
    "time",
    "to",
    "tran",
    "tranif0",
    "tranif1",
    "transport",
    "tri",
    "tri0",
    "tri1",
    "triand",
    "trior",
    "trireg",
    "type",
    "unaffected",
    "units",
    "unsigned",
    "until",
    "use",
    "uwire",
    "variable",
    "vectored",
    "vmode",
    "vprop",
    "vunit",
};

bool IsReserved(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::binary_search(std::begin(kReservedWords), std::end(kReservedWords), lower);
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

DesignPath SplitDesignPath(std::string_view path) {
  DesignPath design;
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  design.directory = std::string(path.substr(0, nameStart));
  const std::string_view file = path.substr(nameStart);
  const std::size_t dot = file.rfind('.');
  design.baseName = std::string(file.substr(0, dot));
  if (dot != std::string_view::npos) design.extension = std::string(file.substr(dot));
  return design;
}

bool IsHdlIdentifier(std::string_view name) {
  if (name.empty() || !IsLetter(name.front()) || name.back() == '_') return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (!IsLetter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
    if (c == '_' && name[i - 1] == '_') return false;
  }
  return !IsReserved(name);
}

}  // namespace hdl
