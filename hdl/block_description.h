// What the generator needs of a description the wizard wrote, checked as it is read: the kind
// of block, the code, the generator coefficients or the table names, and the ports in the
// order of the description's USED_PORT lines.
//
//   m, n, r (check), irrpol, genstart  as in rsmath/galois_field.h; k = n - r
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hdl {

enum class BlockKind { kEncoder, kDiscreteDecoder, kStreamingDecoder };

struct BlockPort {
  std::string name;
  int width = 0;  // 0 for a single bit; a bus is [width:1]
  bool output = false;
};

struct BlockDescription {
  BlockKind kind = BlockKind::kEncoder;
  int m = 0, n = 0, check = 0, irrpol = 0, genstart = 0;
  std::vector<int> gg;             // encoder: gg0 .. ggr, gg_i the coefficient of x^(r-i) of g(x)
  bool full = true;                // decoder: "Full - Faster"
  int numerrWidth = 0;             // decoder: the constant wide
  std::string invFile, evnumFile;  // decoder: the memory tables, beside the description
  std::vector<BlockPort> ports;

  bool IsDecoder() const { return kind != BlockKind::kEncoder; }
  int Corrects() const { return check / 2; }  // t
};

// Reads and checks the description text; cnxName names the file in messages. Throws Refusal
// when the module is not one of the wizard's, a constant is missing or not a number, a value
// is out of the wizard's ranges, a gg coefficient disagrees with the generator polynomial
// recomputed from m, irrpol, r and genstart, the table names or the ports are not those the
// wizard writes for the block.
BlockDescription ReadBlockDescription(std::string_view text, const std::string& cnxName);

}  // namespace hdl
