// The decoder's two memory tables as Intel HEX text: one 8-bit word per record, ascending
// addresses, lower-case hex digits, "\n" ending every record.
#pragma once

#include <string>

#include "rsmath/galois_field.h"

namespace rsmath {

// ":0100AA00VVCC": one data byte VV at address AA, with the checksum CC that makes the bytes
// 01 00 AA 00 VV CC sum to 0 mod 256.
std::string HexDataRecord(int address, int value);

// Inverse of every element: address 0 holds 0, then for each a = 1 .. 2^m - 1 every b with
// a * b = 1, each at the next address.
void WriteInverseHex(const GaloisField& field, std::string& out);

// Address k holds k^genstart (k itself when genstart is 0 or 1), for k = 0 .. 2^m - 1.
void WriteEvnumHex(const GaloisField& field, std::string& out);

}  // namespace rsmath
