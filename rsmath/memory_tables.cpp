#include "rsmath/memory_tables.h"

#include <array>

#include "platform/text_format.h"

namespace rsmath {

namespace {

constexpr const char* kStartRecord = ":020000020000fc\n";  // extended segment address 0000
constexpr const char* kZeroEntry = ":0100000000ff\n";      // address 0 holds 0
constexpr const char* kEndRecord = ":00000001ff\n";

// value * value * ... (genstart factors of value in all, value itself when genstart <= 1),
// each product value * k as Multiply(value, k).
int EvnumEntry(const GaloisField& field, int k) {
  int value = k;
  if (field.genstart <= 1) return value;
  if (IsRingPolynomial(field)) {
    // In the ring GF(2)[x]/irrpol the repeated product is k^genstart, and square-and-multiply
    // gives the same element in log2(genstart) steps.
    int result = k;
    int square = k;
    for (uint32_t e = static_cast<uint32_t>(field.genstart) - 1; e != 0; e >>= 1) {
      if (e & 1u) result = field.Multiply(result, square);
      if (e > 1) square = field.Multiply(square, square);
    }
    return result;
  }
  // Not a ring product: only the literal sequence of products is defined.
  for (int32_t i = 1; i < field.genstart; ++i) value = field.Multiply(value, k);
  return value;
}

}  // namespace

std::string HexDataRecord(int address, int value) {
  const unsigned addressByte = static_cast<unsigned>(address);
  const unsigned valueByte = static_cast<unsigned>(value);
  const unsigned checksum = (0x100u - ((1u + addressByte + valueByte) % 256u)) % 256u;
  return platform::Format(":0100%02x00%02x%02x", addressByte, valueByte, checksum);
}

void WriteInverseHex(const GaloisField& field, std::string& out) {
  out += kStartRecord;
  out += kZeroEntry;
  const int count = ElementCount(field.m);
  std::array<int32_t, 256> row{};
  int address = 1;
  // The search is exhaustive (every a against every b); a row of products costs m
  // multiplications.
  for (int a = 1; a < count; ++a) {
    MultiplyRow(field, a, row);
    for (int b = 1; b < count; ++b) {
      if (row[b] != 1) continue;
      out += HexDataRecord(address, b);
      out += '\n';
      ++address;
    }
  }
  out += kEndRecord;
}

void WriteEvnumHex(const GaloisField& field, std::string& out) {
  out += kStartRecord;
  const int count = ElementCount(field.m);
  for (int k = 0; k < count; ++k) {
    out += HexDataRecord(k, EvnumEntry(field, k));
    out += '\n';
  }
  out += kEndRecord;
}

}  // namespace rsmath
