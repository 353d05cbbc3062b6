// The generation pass at Finish for the heaviest code (m = 8, n = 255, r = 50, streaming
// decoder with its vector file) and its parts.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "rsmath/galois_field.h"
#include "rsmath/generated_file.h"
#include "rsmath/hex_table_writer.h"
#include "rsmath/rs_decoder.h"
#include "rsmath/rs_vector_writer.h"

namespace {

// A fresh directory for the written files, removed when the program ends.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rsmath-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string Dir() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

ScratchDir& Scratch() {
  static ScratchDir dir;
  return dir;
}

// A file service that takes every byte and keeps none, to measure the pass without the disk.
class DiscardingFiles : public platform::FileSystem {
 public:
  class Sink : public platform::OutputFile {
   public:
    explicit Sink(std::size_t& bytes) : bytes_(bytes) {}
    bool Write(std::string_view data) override {
      bytes_ += data.size();
      return true;
    }
    bool Close() override { return true; }

   private:
    std::size_t& bytes_;
  };
  std::optional<platform::ReplacementFile> CreateReplacement(const std::string& target) override {
    return platform::ReplacementFile{target, target, std::make_unique<Sink>(bytes)};
  }
  bool Rename(const std::string&, const std::string&) override { return true; }
  std::optional<std::string> ReadWhole(const std::string&) override { return std::nullopt; }
  bool Exists(const std::string&) override { return false; }
  bool Remove(const std::string&) override { return false; }
  std::size_t bytes = 0;
};

rsmath::RsVectorWriter Heaviest(int genstart, int discStream = 0, int encDec = 0) {
  return rsmath::RsVectorWriter{
      8, 255, 285, 50, genstart, encDec, discStream, 1, 1, Scratch().Dir(), "rsbench"};
}

// Everything the decoder output costs at Finish: both tables as the emission builds them, then
// root tables, both memory files and the streaming vector file.
void RunDecoderPass(benchmark::State& state, int genstart) {
  const rsmath::RsVectorWriter writer = Heaviest(genstart);
  for (auto _ : state) {
    rsmath::ResetTables();
    const rsmath::GaloisField field = writer.Field();
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    writer.WriteDecoderFiles();
    benchmark::DoNotOptimize(rsmath::Tables().codeword.data());
  }
}

void BM_FinishStreaming_m8_n255_r50(benchmark::State& state) {
  RunDecoderPass(state, 0);
}
BENCHMARK(BM_FinishStreaming_m8_n255_r50);

// The same pass with the files handed to a service that drops them: the computation and the
// text alone.
void BM_FinishStreamingNoDisk_m8_n255_r50(benchmark::State& state) {
  DiscardingFiles files;
  platform::ScopedPlatform installed(&files, nullptr, nullptr);
  RunDecoderPass(state, 0);
  state.counters["bytes"] =
      static_cast<double>(files.bytes) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FinishStreamingNoDisk_m8_n255_r50);

void BM_FinishStreamingNoDisk_m8_n255_r50_g205(benchmark::State& state) {
  DiscardingFiles files;
  platform::ScopedPlatform installed(&files, nullptr, nullptr);
  RunDecoderPass(state, 205);
}
BENCHMARK(BM_FinishStreamingNoDisk_m8_n255_r50_g205);

// The largest first root the settings allow: the evnum table raises every element to the 205th
// power.
void BM_FinishStreaming_m8_n255_r50_g205(benchmark::State& state) {
  RunDecoderPass(state, 205);
}
BENCHMARK(BM_FinishStreaming_m8_n255_r50_g205);

void BM_FinishEncoder_m8_n255_r50(benchmark::State& state) {
  const rsmath::RsVectorWriter writer = Heaviest(0, 0, 1);
  for (auto _ : state) {
    rsmath::ResetTables();
    const rsmath::GaloisField field = writer.Field();
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    writer.WriteEncoderFiles();
    benchmark::DoNotOptimize(rsmath::Tables().codeword.data());
  }
}
BENCHMARK(BM_FinishEncoder_m8_n255_r50);

void BM_InverseHex_m8(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 0};
  for (auto _ : state) {
    std::string text;
    rsmath::WriteInverseHex(field, text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_InverseHex_m8);

// The literal search, one shift-and-reduce Multiply per pair, for comparison: what the inverse
// table would cost without the log tables.
void BM_InverseSearchOneProductPerPair_m8(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 0};
  for (auto _ : state) {
    int found = 0;
    for (int a = 1; a < 256; ++a)
      for (int b = 1; b < 256; ++b)
        if (field.Multiply(a, b) == 1) found += b;
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_InverseSearchOneProductPerPair_m8);

void BM_EvnumHex_m8_g0(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 0};
  for (auto _ : state) {
    std::string text;
    rsmath::WriteEvnumHex(field, text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_EvnumHex_m8_g0);

void BM_EvnumHex_m8_g205(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 205};
  for (auto _ : state) {
    std::string text;
    rsmath::WriteEvnumHex(field, text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_EvnumHex_m8_g205);

void BM_PowerAndGenerator_m8_r50(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 0};
  for (auto _ : state) {
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    benchmark::DoNotOptimize(rsmath::Tables().generatorPoly.data());
  }
}
BENCHMARK(BM_PowerAndGenerator_m8_r50);

void BM_RootTables_m8(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 0};
  field.BuildPowerTable();
  for (auto _ : state) {
    rsmath::BuildRootTable(0, 8);
    rsmath::Tables().negRootTable.fill(0);
    field.BuildNegRootTable();
    benchmark::DoNotOptimize(rsmath::Tables().negRootTable.data());
  }
}
BENCHMARK(BM_RootTables_m8);

void BM_Encode_m8_n255_r50(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 0};
  rsmath::ResetTables();
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  for (int c = 0; c < 205; ++c) rsmath::Tables().message[c] = c;
  for (auto _ : state) {
    field.Encode();
    benchmark::DoNotOptimize(rsmath::Tables().codeword.data());
  }
}
BENCHMARK(BM_Encode_m8_n255_r50);

// The streaming file's text, with the four encodes of codewords 2 to 5 it contains.
void BM_StreamingText_m8_n255_r50(benchmark::State& state) {
  const rsmath::RsVectorWriter writer = Heaviest(0);
  rsmath::ResetTables();
  const rsmath::GaloisField field = writer.Field();
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  for (auto _ : state) {
    for (int c = 0; c < 205; ++c) rsmath::Tables().message[c] = c;
    field.Encode();
    std::string text;
    writer.AppendStreamingVectors(text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_StreamingText_m8_n255_r50);

// Only the file service: the three files of the pass, their texts built once.
void BM_WriteFiles_m8_n255_r50(benchmark::State& state) {
  const rsmath::RsVectorWriter writer = Heaviest(0);
  rsmath::ResetTables();
  const rsmath::GaloisField field = writer.Field();
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  std::string inverse, evnum, vectors;
  rsmath::WriteInverseHex(field, inverse);
  rsmath::WriteEvnumHex(field, evnum);
  writer.AppendStreamingVectors(vectors);
  for (auto _ : state) {
    rsmath::WriteGeneratedFile(writer.InversePath(), inverse);
    rsmath::WriteGeneratedFile(writer.EvnumPath(), evnum);
    rsmath::WriteGeneratedFile(writer.VectorPath(), vectors);
  }
  state.counters["bytes"] = static_cast<double>(inverse.size() + evnum.size() + vectors.size());
}
BENCHMARK(BM_WriteFiles_m8_n255_r50);

// The software decoder on a word with t = 16 errors, the most it corrects: every step runs at
// its full length.
void BM_DecodeWord_m8_n255_r32(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 32, 0};
  std::vector<int32_t> message(223);
  for (int c = 0; c < 223; ++c) message[c] = (c * 37 + 11) % 256;
  std::vector<int32_t> received = rsmath::EncodeWord(field, message);
  for (int e = 0; e < 16; ++e) received[(e * 97 + 5) % 255] ^= e + 1;
  for (auto _ : state) {
    std::vector<int32_t> word = received;
    const rsmath::DecodeResult result = rsmath::DecodeWord(field, word);
    if (result.failed || result.corrected != 16) state.SkipWithError("not decoded");
    benchmark::DoNotOptimize(word.data());
  }
}
BENCHMARK(BM_DecodeWord_m8_n255_r32);

void BM_Multiply_m8(benchmark::State& state) {
  const rsmath::GaloisField field{8, 255, 285, 50, 0};
  int a = 3;
  for (auto _ : state) {
    a = field.Multiply(a, 0x53) | 1;
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(BM_Multiply_m8);

}  // namespace
