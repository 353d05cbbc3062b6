#include "hdl/decoder_test_words.h"

#include <algorithm>
#include <random>

#include "platform/text_format.h"
#include "rsmath/rs_decoder.h"

namespace hdl {

namespace {

// Symbol errors of each codeword: 0 .. t, t twice more, then beyond what the code corrects.
std::vector<int> ErrorCounts(const BlockDescription& block) {
  const int t = block.Corrects();
  std::vector<int> counts;
  for (int e = 0; e <= t; ++e) counts.push_back(e);
  counts.insert(counts.end(), {t, t});
  for (int e : {t + 1, t + 2, block.check})
    if (e <= block.n) counts.push_back(e);
  return counts;
}

}  // namespace

std::vector<TestWord> TestWords(const BlockDescription& block) {
  const rsmath::GaloisField field{block.m, block.n, block.irrpol, block.check, block.genstart};
  std::mt19937 random(static_cast<std::uint32_t>(
      block.m * 1000003 + block.n * 10007 + block.check * 101 + block.irrpol + block.genstart));
  const int symbols = 1 << block.m;
  std::vector<int> counts = ErrorCounts(block);
  counts.push_back(block.Corrects());  // the bypassed word, last
  std::vector<TestWord> words;
  for (std::size_t w = 0; w < counts.size(); ++w) {
    std::vector<int32_t> message(static_cast<std::size_t>(block.n - block.check));
    for (int32_t& symbol : message) symbol = static_cast<int32_t>(random() % symbols);
    TestWord word;
    word.received = rsmath::EncodeWord(field, message);
    std::vector<int> positions(static_cast<std::size_t>(block.n));
    for (int i = 0; i < block.n; ++i) positions[static_cast<std::size_t>(i)] = i;
    for (int e = 0; e < counts[w]; ++e) {
      std::swap(
          positions[static_cast<std::size_t>(e)],
          positions[static_cast<std::size_t>(e + static_cast<int>(random() % (block.n - e)))]);
      word.received[static_cast<std::size_t>(positions[static_cast<std::size_t>(e)])] ^=
          static_cast<int32_t>(1 + random() % (symbols - 1));
    }
    word.injected = counts[w];
    word.expected = word.received;
    word.bypass = w + 1 == counts.size();
    if (!word.bypass) {
      const rsmath::DecodeResult result = rsmath::DecodeWord(field, word.expected);
      word.decfail = result.failed;
      word.numerr = result.failed ? 0 : result.corrected;
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::string WordLines(const char* name, int base, const std::vector<int32_t>& word) {
  std::string text;
  const int n = static_cast<int>(word.size());
  for (int j = 0; j < n; ++j)
    text += platform::Format("%s%s[%d] = %d;%s", j % 8 == 0 ? "    " : " ", name, base + j,
                             word[static_cast<std::size_t>(n - 1 - j)],
                             j % 8 == 7 || j + 1 == n ? "\n" : "");
  return text;
}

}  // namespace hdl
