// libFuzzer entry point for the strict description reader of rsmanager: any bytes are read as
// NAME.cnx; a refusal is a fine answer, and a description that is accepted must describe a
// block the generator can make (checked here), and make its component declaration.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "hdl/block_description.h"
#include "hdl/component_declaration.h"
#include "hdl/refusal.h"

namespace {

// What the rest of the generator takes for granted of an accepted description; empty when all
// of it holds.
std::string Broken(const hdl::BlockDescription& b) {
  if (b.m < 2 || b.m > 16) return "m out of any field's range";
  if (b.n < 2 || b.n >= (1 << b.m)) return "n not below 2^m";
  if (b.check < 2 || b.check >= b.n) return "r not between 2 and n - 1";
  if (b.irrpol < (1 << b.m) || b.irrpol >= (2 << b.m)) return "irrpol not of degree m";
  if (b.genstart < 0) return "a negative first root";
  if (b.ports.empty()) return "no ports";
  for (const hdl::BlockPort& port : b.ports)
    if (port.name.empty() || port.width < 0) return "a port without a name or width";
  if (!b.IsDecoder()) {
    if (b.gg.size() != static_cast<std::size_t>(b.check) + 1 || b.gg[0] != 1)
      return "gg not r + 1 coefficients from gg0 = 1";
    for (int coefficient : b.gg)
      if (coefficient < 0 || coefficient >= (1 << b.m)) return "a gg coefficient outside GF(2^m)";
  } else if (b.invFile.empty() || b.evnumFile.empty() || b.numerrWidth < 1) {
    return "a decoder without its tables or numerr width";
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  hdl::BlockDescription block;
  try {
    block = hdl::ReadBlockDescription(text, "fuzz.cnx");
  } catch (const hdl::Refusal&) {
    return 0;
  }
  std::string problem = Broken(block);
  if (problem.empty() && hdl::ComponentDeclaration(block, "fuzz", "fuzz.cnx").empty())
    problem = "an empty component declaration";
  if (!problem.empty()) {
    std::fprintf(stderr, "accepted description broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
