// libFuzzer entry point for the Intel HEX reader that takes the decoder's tables: any bytes
// are read; a refusal is a fine answer, and what is accepted must lie inside the 64 KiB of
// addresses, hold bytes, and read back the same when written again as data records.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "hdl/hex_table_reader.h"
#include "hdl/refusal.h"

namespace {

constexpr std::size_t kAddresses = 65536;

// One data record of one byte, written here apart from the wizard's writer, which knows only
// the 256 addresses of its tables.
std::string DataRecord(std::size_t address, int value) {
  const unsigned high = static_cast<unsigned>(address >> 8), low = address & 0xffu;
  const unsigned sum = 1u + high + low + static_cast<unsigned>(value);
  char record[32];
  std::snprintf(record, sizeof record, ":01%02X%02X00%02X%02X\n", high, low,
                static_cast<unsigned>(value), (0x100u - sum % 256u) % 256u);
  return record;
}

[[noreturn]] void Broken(const char* why) {
  std::fprintf(stderr, "accepted HEX text broken: %s\n", why);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<int> memory;
  try {
    memory = hdl::ReadIntelHex(text, "fuzz.hex");
  } catch (const hdl::Refusal&) {
    return 0;
  }
  if (memory.size() > kAddresses) Broken("bytes beyond address FFFF");
  std::string again;
  for (std::size_t address = 0; address < memory.size(); ++address) {
    if (memory[address] < 0 || memory[address] > 255) Broken("a value that is not a byte");
    again += DataRecord(address, memory[address]);
  }
  again += ":00000001FF\n";
  try {
    if (hdl::ReadIntelHex(again, "again.hex") != memory)
      Broken("written again, it reads back different");
  } catch (const hdl::Refusal&) {
    Broken("written again, it is refused");
  }
  return 0;
}
