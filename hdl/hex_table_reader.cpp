#include "hdl/hex_table_reader.h"

#include <optional>

#include "hdl/refusal.h"
#include "platform/line_splitter.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "rsmath/galois_field.h"

namespace hdl {

namespace {

using platform::Format;

constexpr int kAddresses = 65536;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The bytes after the colon of one record; nullopt when a character is not a hex digit or the
// count of digits is odd.
std::optional<std::vector<int>> RecordBytes(std::string_view record) {
  if (record.size() % 2 != 0) return std::nullopt;
  std::vector<int> bytes;
  for (std::size_t i = 0; i < record.size(); i += 2) {
    const int high = HexDigit(record[i]);
    const int low = HexDigit(record[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(high * 16 + low);
  }
  return bytes;
}

}  // namespace

std::vector<int> ReadIntelHex(std::string_view text, const std::string& fileName) {
  std::vector<int> memory;
  bool ended = false;
  platform::LineSplitter lines(text);
  for (int lineNumber = 1; std::optional<std::string_view> next = lines.Next(); ++lineNumber) {
    std::string_view line = *next;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto refuse = [&](const char* why) {
      throw Refusal(Format("%s line %d: %s", fileName.c_str(), lineNumber, why));
    };
    if (line.empty()) continue;
    if (ended) refuse("a record after the end record");
    if (line.front() != ':') refuse("not an Intel HEX record (no colon)");
    const std::optional<std::vector<int>> bytes = RecordBytes(line.substr(1));
    if (!bytes || bytes->size() < 5) refuse("not an Intel HEX record");
    const std::vector<int>& b = *bytes;
    if (static_cast<std::size_t>(b[0]) + 5 != b.size())
      refuse("the byte count disagrees with the record");
    int sum = 0;
    for (int byte : b) sum += byte;
    if (sum % 256 != 0) refuse("wrong checksum");
    const int address = b[1] * 256 + b[2];
    switch (b[3]) {
      case 0:
        // Segment 0 only: nothing lies beyond its 64 KiB.
        if (address + b[0] > kAddresses) refuse("a record that runs past address FFFF");
        if (memory.size() < static_cast<std::size_t>(address + b[0])) memory.resize(address + b[0]);
        for (int i = 0; i < b[0]; ++i) memory[static_cast<std::size_t>(address + i)] = b[4 + i];
        break;
      case 1:
        ended = true;
        break;
      case 2:
        if (b[0] != 2 || b[4] != 0 || b[5] != 0) refuse("a segment other than 0");
        break;
      default:
        refuse("a record type other than 00, 01 and 02");
    }
  }
  if (!ended) throw Refusal(fileName + ": no end record: the table is incomplete");
  return memory;
}

DecoderTables ReadDecoderTables(const BlockDescription& block, const std::string& directory) {
  const rsmath::GaloisField field{block.m, block.n, block.irrpol, block.check, block.genstart};
  const int size = 1 << block.m;
  const auto read = [&](const std::string& name) {
    const std::optional<std::string> text = platform::Files().ReadWhole(directory + name);
    if (!text)
      throw Refusal(Format("%s%s: the wizard's memory table is missing or unreadable",
                           directory.c_str(), name.c_str()));
    std::vector<int> table = ReadIntelHex(*text, name);
    if (table.size() != static_cast<std::size_t>(size))
      throw Refusal(
          Format("%s: %zu entries, the field has %d elements", name.c_str(), table.size(), size));
    return table;
  };
  DecoderTables tables{read(block.invFile), read(block.evnumFile)};
  for (int a = 0; a < size; ++a) {
    const int inverse = tables.inverse[static_cast<std::size_t>(a)];
    if (a == 0 ? inverse != 0 : field.Multiply(a, inverse) != 1)
      throw Refusal(Format("%s: the entry at %d is %d, not the inverse of %d in this field",
                           block.invFile.c_str(), a, inverse, a));
    // The wizard stores a itself for genstart 0, as for genstart 1.
    // The wizard stores a itself for genstart 0, as for genstart 1.
    int power = block.genstart == 0 ? a : 1;
    for (int i = 0; i < block.genstart; ++i) power = field.Multiply(power, a);
    if (tables.evnum[static_cast<std::size_t>(a)] != power)
      throw Refusal(Format("%s: the entry at %d is %d, not %d (%d to the power genstart = %d)",
                           block.evnumFile.c_str(), a, tables.evnum[static_cast<std::size_t>(a)],
                           power, a, block.genstart));
  }
  return tables;
}

}  // namespace hdl
