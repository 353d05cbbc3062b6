#include "tests/soak/soak_main.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "hdl/block_description.h"
#include "tests/soak/decoder_soak.h"
#include "tests/soak/error_statistics.h"
#include "tests/soak/port_timing.h"

namespace soak {

namespace {

struct Arguments {
  std::string cnx, stats;
  uint64_t words = 10000, toggledWords = 0, seed = 1;
  WordMix mix;
  int wrongExpectationAt = -1;
};

bool Parse(int argc, char** argv, Arguments& args) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    if (name == "--cnx")
      args.cnx = value;
    else if (name == "--stats")
      args.stats = value;
    else if (name == "--words")
      args.words = std::strtoull(value.c_str(), nullptr, 10);
    else if (name == "--toggled-words")
      args.toggledWords = std::strtoull(value.c_str(), nullptr, 10);
    else if (name == "--seed")
      args.seed = std::strtoull(value.c_str(), nullptr, 10);
    else if (name == "--wrong-expectation")
      args.wrongExpectationAt = std::atoi(value.c_str());
    else if (name == "--mix" && value == "soak")
      args.mix.kind = WordMix::kSoak;
    else if (name == "--mix" && value == "t+1")
      args.mix.kind = WordMix::kTPlusOneOnly;
    else if (name == "--mix" && value == "channel")
      args.mix.kind = WordMix::kChannelOnly;
    else if (name == "--rates") {
      std::istringstream list(value);
      for (std::string rate; std::getline(list, rate, ',');)
        args.mix.channelRates.push_back(std::strtod(rate.c_str(), nullptr));
    } else {
      return false;
    }
  }
  return !args.cnx.empty() &&
         (args.mix.kind != WordMix::kChannelOnly || !args.mix.channelRates.empty());
}

void Add(SoakReport& total, const SoakReport& run) {
  total.judged += run.judged;
  total.partlyJudged += run.partlyJudged;
  total.droppedByReset += run.droppedByReset;
  total.edges += run.edges;
  total.edgeFailures += run.edgeFailures;
  total.libfecFailures += run.libfecFailures;
  total.judgesDisagree += run.judgesDisagree;
  total.libfecBeyondT += run.libfecBeyondT;
  for (int i = 0; i < kPatternCount; ++i) total.patternWords[i] += run.patternWords[i];
  for (const auto& [key, counts] : run.byErrors) {
    total.byErrors[key].words += counts.words;
    total.byErrors[key].miscorrected += counts.miscorrected;
    total.byErrors[key].failed += counts.failed;
  }
  for (const auto& [key, counts] : run.byRate) {
    total.byRate[key].words += counts.words;
    total.byRate[key].miscorrected += counts.miscorrected;
    total.byRate[key].failed += counts.failed;
  }
  total.messages.insert(total.messages.end(), run.messages.begin(), run.messages.end());
}

}  // namespace

int SoakMain(int argc, char** argv, ClockedDecoder& decoder) {
  Arguments args;
  if (!Parse(argc, argv, args)) {
    std::fprintf(stderr,
                 "usage: %s --cnx NAME.cnx [--words N] [--toggled-words N] [--seed S] "
                 "[--mix soak|t+1|channel] [--rates P,...] [--wrong-expectation WORD] "
                 "[--stats FILE]\n",
                 argv[0]);
    return 2;
  }
  std::ifstream in(args.cnx, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", args.cnx.c_str());
    return 2;
  }
  hdl::BlockDescription block;
  try {
    block = hdl::ReadBlockDescription(text.str(), args.cnx);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 2;
  }
  if (!block.IsDecoder()) {
    std::fprintf(stderr, "%s describes no decoder\n", args.cnx.c_str());
    return 2;
  }
  const rsmath::GaloisField field{block.m, block.n, block.irrpol, block.check, block.genstart};
  const PortTiming timing = PortTimingOf(block);
  std::printf(
      "(%d,%d) m %d first root %d, %s %s: first output %d edges after the last input, "
      "rdyin 0 for %d edges after it\n",
      block.n, block.n - block.check, block.m, block.genstart,
      timing.discrete ? "discrete" : "streaming", block.full ? "full" : "half", timing.latency,
      timing.guard);

  const auto start = std::chrono::steady_clock::now();
  SoakReport total;
  for (const bool toggled : {false, true}) {
    SoakOptions options;
    options.words = toggled ? args.toggledWords : args.words;
    if (options.words == 0) continue;
    options.seed = args.seed * 2 + toggled;
    options.mix = args.mix;
    options.toggleDsout = toggled;
    options.wrongExpectationAt = toggled ? -1 : args.wrongExpectationAt;
    Add(total, RunSoak(decoder, field, timing, options));
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  for (const std::string& message : total.messages) std::printf("FAIL %s\n", message.c_str());
  std::printf("%llu edges in %.1f s (%.2f M edges/s)\n",
              static_cast<unsigned long long>(total.edges), seconds, total.edges / seconds / 1e6);
  for (int i = 0; i < kPatternCount; ++i)
    if (total.patternWords[i] != 0)
      std::printf("  %-16s %llu\n", PatternName(static_cast<Pattern>(i)),
                  static_cast<unsigned long long>(total.patternWords[i]));
  std::printf("libfec corrected beyond t (judged by bounded distance): %llu\n",
              static_cast<unsigned long long>(total.libfecBeyondT));
  std::printf("words lost to dsout: %llu, dropped by the resets: %llu\n",
              static_cast<unsigned long long>(total.partlyJudged),
              static_cast<unsigned long long>(total.droppedByReset));
  const std::string statistics = ErrorStatistics(field, args.mix, total);
  std::fputs(statistics.c_str(), stdout);
  if (!args.stats.empty()) {
    std::ofstream out(args.stats, std::ios::app);
    out << statistics;
    if (!out.flush()) {
      std::fprintf(stderr, "cannot write %s\n", args.stats.c_str());
      return 2;
    }
  }
  const uint64_t failed = total.edgeFailures + total.libfecFailures + total.judgesDisagree;
  std::printf("%llu words judged, %llu failed\n",
              static_cast<unsigned long long>(total.judged + total.partlyJudged),
              static_cast<unsigned long long>(failed));
  return total.Passed() && total.judged > 0 ? 0 : 1;
}

}  // namespace soak
