// libFuzzer entry point for the vector-file reader: any bytes are read as the wizard's NAME.vec
// and, when accepted, turned into the testbench of the wizard's new encoder as rsmanager does. A
// refusal is a fine answer; what is accepted must be consistent (checked here).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "hdl/block_description.h"
#include "hdl/refusal.h"
#include "hdl/vector_file.h"
#include "hdl/vector_testbench.h"

namespace {

[[noreturn]] void Broken(const char* why) {
  std::fprintf(stderr, "accepted vector file broken: %s\n", why);
  std::abort();
}

void Check(const hdl::VectorFile& file) {
  if (file.interval <= 0 || file.stop <= file.start) Broken("no clock");
  for (const hdl::VectorPattern& pattern : file.patterns) {
    if (pattern.inputs.empty()) Broken("a pattern without inputs");
    if (!pattern.cycle.empty() && !pattern.entries.empty()) Broken("repeating and timed at once");
    long time = 0;
    for (const hdl::VectorEntry& entry : pattern.entries) {
      if (entry.time < time) Broken("times going backwards");
      time = entry.time;
      if (entry.inputs.size() != pattern.inputs.size()) Broken("an entry short of inputs");
      if (!entry.outputs.empty() && entry.outputs.size() != pattern.outputs.size())
        Broken("an entry short of outputs");
    }
  }
}

// The wizard's new encoder, (5,1) over GF(16), as it writes the description.
const hdl::BlockDescription& Encoder() {
  static const hdl::BlockDescription* const block = [] {
    std::ifstream in(RS_SOURCE_DIR "/tests/golden/rswizard/new_encoder.cnx", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return new hdl::BlockDescription(hdl::ReadBlockDescription(text.str(), "encoder.cnx"));
  }();
  return *block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  hdl::VectorFile file;
  try {
    file = hdl::ReadVectorFile(text, "fuzz.vec");
  } catch (const hdl::Refusal&) {
    return 0;
  }
  Check(file);
  try {
    if (hdl::VectorTestbench(Encoder(), file, {"fuzz", "fuzz_tb", "fuzz.cnx"}, "fuzz.vec").empty())
      Broken("an empty testbench");
  } catch (const hdl::Refusal&) {
  }
  return 0;
}
