#include "tests/soak/libfec_code.h"

// fec.h declares C functions without saying so.
extern "C" {
#include <fec.h>
}

#include <stdexcept>

namespace soak {

namespace {

// libfec holds a word first symbol first: data[0] is the coefficient of x^(n-1).
std::vector<unsigned char> WireOrder(const std::vector<int32_t>& word) {
  return std::vector<unsigned char>(word.rbegin(), word.rend());
}

std::vector<int32_t> PowerOrder(const std::vector<unsigned char>& data) {
  return std::vector<int32_t>(data.rbegin(), data.rend());
}

}  // namespace

LibfecCode::LibfecCode(const rsmath::GaloisField& field) : n_(field.n), r_(field.check) {
  const int order = (1 << field.m) - 1;
  rs_ =
      init_rs_char(field.m, field.irrpol, field.genstart % order, 1, field.check, order - field.n);
  if (rs_ == nullptr) throw std::invalid_argument("libfec refuses the code");
}

LibfecCode::~LibfecCode() {
  free_rs_char(rs_);
}

bool LibfecCode::IsCodeword(const std::vector<int32_t>& word) const {
  std::vector<unsigned char> data = WireOrder(word);
  std::vector<unsigned char> parity(static_cast<std::size_t>(r_));
  encode_rs_char(rs_, data.data(), parity.data());
  for (int i = 0; i < r_; ++i)
    if (parity[static_cast<std::size_t>(i)] != data[static_cast<std::size_t>(n_ - r_ + i)])
      return false;
  return true;
}

LibfecVerdict LibfecCode::Decode(const std::vector<int32_t>& received) const {
  std::vector<unsigned char> data = WireOrder(received);
  const int count = decode_rs_char(rs_, data.data(), nullptr, 0);
  LibfecVerdict verdict;
  verdict.word = received;
  if (count < 0) return verdict;
  std::vector<int32_t> decoded = PowerOrder(data);
  int distance = 0;
  for (int i = 0; i < n_; ++i)
    distance += decoded[static_cast<std::size_t>(i)] != received[static_cast<std::size_t>(i)];
  if (count > r_ / 2 || distance != count || !IsCodeword(decoded)) {
    verdict.kind = LibfecVerdict::kBeyondT;
    return verdict;
  }
  verdict.kind = LibfecVerdict::kDecoded;
  verdict.corrected = count;
  verdict.word = std::move(decoded);
  return verdict;
}

}  // namespace soak
