// The decoder's two ROMs, read from the very files the wizard wrote next to the description,
// so that a simulation exercises them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hdl/block_description.h"

namespace hdl {

// The bytes of an Intel HEX text, indexed by address (addresses 0 .. 65535; a gap reads 0).
// Every record is checked: the colon, hex digits, the byte count against the length, the
// checksum, the record types 00, 01 and 02 (segment 0 only), the end record last. Throws
// Refusal naming fileName and the line.
std::vector<int> ReadIntelHex(std::string_view text, const std::string& fileName);

struct DecoderTables {
  std::vector<int> inverse;  // [a] = a^-1, [0] = 0; 2^m entries
  std::vector<int> evnum;    // [a] = a^genstart (a for genstart 0); 2^m entries
};

// Reads block.invFile and block.evnumFile from directory and checks them against the field
// (a * inv[a] = 1 for every a != 0, evnum[a] = a^genstart). Throws Refusal when a table is
// missing, unreadable, malformed or wrong.
DecoderTables ReadDecoderTables(const BlockDescription& block, const std::string& directory);

}  // namespace hdl
