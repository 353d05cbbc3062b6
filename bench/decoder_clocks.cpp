// decoder_clocks NAME.cnx: the word spacing and the latency, in clocks, of the decoder a
// description makes, as the generator computes them (hdl/decoder_timing), for the figures'
// table: "SPACING LATENCY" on one line, the latency counted from a word's last symbol in to
// its first symbol out. A description the generator refuses, or an encoder, exits 1.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "hdl/block_description.h"
#include "hdl/decoder_timing.h"
#include "hdl/refusal.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: decoder_clocks NAME.cnx\n";
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  if (!file) {
    std::cerr << "decoder_clocks: cannot read " << argv[1] << "\n";
    return 1;
  }
  try {
    const hdl::BlockDescription block =
        hdl::ReadBlockDescription(text.str(), std::filesystem::path(argv[1]).filename().string());
    if (!block.IsDecoder()) {
      std::cerr << "decoder_clocks: " << argv[1] << " describes an encoder\n";
      return 1;
    }
    const hdl::DecoderTiming timing = hdl::DecoderTimingOf(block);
    std::cout << timing.wordSpacing << " " << timing.outputLatency << "\n";
  } catch (const hdl::Refusal& refusal) {
    std::cerr << "decoder_clocks: " << refusal.what() << "\n";
    return 1;
  }
  return 0;
}
