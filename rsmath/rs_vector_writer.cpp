#include "rsmath/rs_vector_writer.h"

#include <algorithm>
#include <bit>

#include "platform/text_format.h"
#include "rsmath/generated_file.h"
#include "rsmath/hex_table_writer.h"
#include "rsmath/memory_table_names.h"
#include "rsmath/vector_file_timing.h"

namespace rsmath {

using platform::AppendFormat;

namespace {

// n and r as the tables can hold them (the settings rules keep them there anyway), and
// k = n - r, never negative.
struct CodeSize {
  int n;
  int r;
  int k;
};

CodeSize SizeOf(const RsVectorWriter& w) {
  const RsTables& tables = Tables();
  CodeSize size;
  size.r = std::clamp(w.check, 0, static_cast<int32_t>(tables.generatorPoly.size()) - 1);
  size.n = std::clamp(w.n, 0, static_cast<int32_t>(tables.codeword.size()));
  size.k = std::max(0, size.n - size.r);
  return size;
}

template <std::size_t N>
int32_t At(const std::array<int32_t, N>& table, long i) {
  if (i < 0 || i >= static_cast<long>(N)) return 0;
  return table[static_cast<std::size_t>(i)];
}

// Refills message[0 .. k-1] from fill(c) and encodes it with a fresh field.
template <typename Fill>
void EncodeMessage(const RsVectorWriter& w, int k, Fill fill) {
  auto& message = Tables().message;
  for (int c = 0; c < k; ++c) message[c] = fill(c);
  w.Field().Encode();
}

}  // namespace

int numerrWidth(int r) {
  if (r <= 0) return 0;
  return static_cast<int>(std::bit_width(static_cast<unsigned>(r)));
}

GaloisField RsVectorWriter::Field() const {
  return GaloisField{m, n, irrpol, check, genstart};
}

std::string RsVectorWriter::InversePath() const {
  return designDirectory + InverseTableName(m, irrpol);
}

std::string RsVectorWriter::EvnumPath() const {
  return designDirectory + EvnumTableName(m, irrpol, genstart);
}

std::string RsVectorWriter::VectorPath() const {
  return platform::Format("%s%s.vec", designDirectory.c_str(), designBaseName.c_str());
}

void RsVectorWriter::AppendHeader(std::string& out) const {
  AppendFormat(out, "%% n = %d (length of message) %%\n", n);
  AppendFormat(out, "%% m = %d (field size (2^m)) %%\n", m);
  AppendFormat(out, "%% r = %d (number of check symbols) %%\n", check);
  AppendFormat(out, "%% irrpol = %d (field polynomial) %%\n", irrpol);
  AppendFormat(out, "%% genstart = %d (first root of generator polynomial) %%\n", genstart);
}

void RsVectorWriter::AppendEncoderVectors(std::string& out) const {
  const CodeSize size = SizeOf(*this);
  const auto& message = Tables().message;
  const auto& codeword = Tables().codeword;
  AppendHeader(out);
  AppendFormat(out, "STOP %d;\n", 100 * (size.n + 10));
  out += "INTERVAL 50;\n";
  out += "INPUTS sysclk;\n";
  out += "PATTERN\n";
  out += "0 1;\n";
  out += "INPUTS reset;\n";
  out += "PATTERN\n";
  out += "0> 1\n100> 0;\n";
  out += "INPUTS enable;\n";
  out += "PATTERN\n";
  out += "0> 0\n200> 1;\n";
  out += "INPUTS start;\n";
  out += "PATTERN\n";
  out += "0> 0\n100> 1\n200> 0;\n";
  out += "RADIX DEC;\n";
  AppendFormat(out, "INPUTS rsin[%d..1];\n", m);
  AppendFormat(out, "OUTPUTS rsout[%d..1];\n", m);
  out += "PATTERN\n";
  out += "0> 0 = 0 \n";
  // Each output is the input of one clock before; the check symbols follow the message.
  AppendFormat(out, "%d> %d = 0\n", 200, At(message, size.k - 1));
  int t = 300;
  for (int i = size.n - 1; i >= size.r + 1; --i) {
    AppendFormat(out, "%d> %d = %d\n", t, At(message, i - size.r - 1), At(codeword, i));
    t += 100;
  }
  for (int i = size.r; i >= 0; --i) {
    AppendFormat(out, "%d> 0 = %d\n", t, At(codeword, i));
    t += 100;
  }
  AppendFormat(out, "%d> 0 = 0\n", t);
  out += ";\n";
}

void RsVectorWriter::AppendDiscreteVectors(std::string& out) const {
  const CodeSize size = SizeOf(*this);
  const auto& codeword = Tables().codeword;
  const long n = size.n;
  const long r = size.r;
  AppendHeader(out);
  out += "START 0;\n";
  AppendFormat(out, "STOP %ld;\n", 10 * DiscreteVectorTenths(Fast_Small != 0, n, r));
  out += "INTERVAL 50;\n";
  out += "INPUTS sysclk;\n";
  out += "PATTERN\n";
  out += "0 1;\n";
  out += "INPUTS reset;\n";
  out += "PATTERN\n";
  out += "0> 0\n100> 1\n200> 0;\n";
  out += "INPUTS dsin;\n";
  out += "PATTERN\n";
  out += "0> 1;\n";
  out += "INPUTS dsout;\n";
  out += "PATTERN\n";
  out += "0> 1;\n";
  out += "INPUTS bypass;\n";
  out += "PATTERN\n";
  out += "0> 0;\n";
  out += "RADIX DEC;\n";
  AppendFormat(out, "INPUTS rsin[%d..1];\n", m);
  out += "PATTERN\n";
  out += "0> 0 \n";
  long t = 200;
  for (long i = n - 1; i >= 0; --i) {
    AppendFormat(out, "%ld> %d\n", t, At(codeword, i));
    t += 100;
  }
  AppendFormat(out, "%ld> 0 ;\n", 100 * n + 200);
  AppendFormat(out, "OUTPUTS outvalid rsout[%d..1] numerr[%d..1] decfail;\n", m,
               numerrWidth(check));
}

void RsVectorWriter::AppendStreamingVectors(std::string& out) const {
  const CodeSize size = SizeOf(*this);
  const auto& codeword = Tables().codeword;
  const long n = size.n;
  const long r = size.r;
  const int k = size.k;
  const long spacing = 100 * StreamingVectorSpacing(Fast_Small != 0, n, r);
  AppendHeader(out);
  out += "START 0;\n";
  AppendFormat(out, "STOP %ld;\n", 12 * spacing);
  out += "INTERVAL 50;\n";
  out += "INPUTS sysclk;\n";
  out += "PATTERN\n";
  out += "0 1;\n";
  out += "INPUTS reset;\n";
  out += "PATTERN\n";
  out += "0> 0\n100> 1\n200> 0;\n";
  out += "INPUTS dsin;\n";
  out += "PATTERN\n";
  AppendFormat(out, "0> 1\n100> 0\n300> 1\n%ld> 0\n", 100 * (n + 4));
  for (long j = 1; j <= 10; ++j)
    AppendFormat(out, "%ld> 1\n%ld> 0\n", j * spacing, j * spacing + 101 * n);
  AppendFormat(out, "%ld> 0;\n", 10 * spacing + 200 * n + 100);
  out += "INPUTS dsout;\n";
  out += "PATTERN\n";
  out += "0> 1;\n";
  out += "INPUTS bypass;\n";
  out += "PATTERN\n";
  out += "0> 0;\n";
  out += "RADIX DEC;\n";
  AppendFormat(out, "INPUTS rsin[%d..1];\n", m);
  out += "PATTERN\n";
  out += "0> 0 \n";

  auto appendCodeword = [&](long start) {
    long t = start;
    for (long i = n - 1; i >= 0; --i) {
      AppendFormat(out, "%ld> %d\n", t, At(codeword, i));
      t += 100;
    }
  };
  appendCodeword(300);
  EncodeMessage(*this, k, [&](int c) { return k - c; });
  appendCodeword(spacing);
  EncodeMessage(*this, k, [&](int c) {
    return c == 0 || c == k - 1 ? static_cast<int>(r) : static_cast<int>(n);
  });
  appendCodeword(2 * spacing);
  EncodeMessage(*this, k, [&](int) { return static_cast<int>(m); });
  appendCodeword(3 * spacing);
  EncodeMessage(*this, k, [&](int c) { return static_cast<int>((static_cast<long>(c) * m) % n); });
  appendCodeword(4 * spacing);
  AppendFormat(out, "%ld> 0 ;\n", 4 * spacing + 100 * n);
  AppendFormat(out, "OUTPUTS outvalid rsout[%d..1] numerr[%d..1] decfail rdyin;\n", m,
               numerrWidth(check));
}

void RsVectorWriter::WriteEncoderFiles() const {
  const CodeSize size = SizeOf(*this);
  auto& message = Tables().message;
  for (int c = 0; c < size.k; ++c) message[c] = c;
  Field().Encode();
  if (generate_vectorfile != 1) return;
  std::string text;
  AppendEncoderVectors(text);
  WriteGeneratedFile(VectorPath(), text);
}

void RsVectorWriter::WriteDecoderFiles() const {
  RsTables& tables = Tables();
  const GaloisField field = Field();
  tables.rootTable.fill(0);
  field.BuildPowerTable();
  BuildRootTable(genstart, m);
  tables.negRootTable.fill(0);
  field.BuildNegRootTable();

  std::string text;
  WriteInverseHex(field, text);
  WriteGeneratedFile(InversePath(), text);
  text.clear();
  WriteEvnumHex(field, text);
  WriteGeneratedFile(EvnumPath(), text);

  const CodeSize size = SizeOf(*this);
  for (int c = 0; c < size.k; ++c) tables.message[c] = c;
  field.BuildGeneratorPoly();
  field.Encode();
  if (generate_vectorfile != 1) return;

  text.clear();
  if (Disc_Stream == 1)
    AppendDiscreteVectors(text);
  else
    AppendStreamingVectors(text);
  WriteGeneratedFile(VectorPath(), text);
}

}  // namespace rsmath
