// The generation pass at Finish: the decoder's root tables and memory files, and the
// simulation vector files of the encoder and of both decoder architectures.
//
// A vector file drives the block one symbol per clock (period 100, "INTERVAL 50") from time
// 200 or 300 on, highest power of the codeword first. The encoder file lists the expected
// output beside each input; the decoder files feed error-free codewords and declare the
// outputs without values.
#pragma once

#include <cstdint>
#include <string>

#include "rsmath/galois_field.h"

namespace rsmath {

// Width of the numerr bus: the bit length of r, ceil(log2(r + 1)); 0 for r <= 0.
int numerrWidth(int r);

struct RsVectorWriter {
  // Snapshot of the settings taken at Finish.
  int32_t m = 0;
  int32_t n = 0;
  int32_t irrpol = 0;
  int32_t check = 0;
  int32_t genstart = 0;
  int32_t Enc_Dec = 0;
  int32_t Disc_Stream = 0;
  int32_t Fast_Small = 0;
  int32_t generate_vectorfile = 0;
  // The design file's directory (ending in a separator, or empty) and base name.
  std::string designDirectory;
  std::string designBaseName;

  // Encodes the test message 0, 1, .., k-1 with the generatorPoly already built and, when
  // generate_vectorfile is 1, writes "<directory><base>.vec". Does not return if the file
  // cannot be written.
  void WriteEncoderFiles() const;

  // Builds rootTable and negRootTable, writes "inv_<m>_<irrpol>.hex" and
  // "evnum_<m>_<irrpol>_<genstart>.hex" into the design directory, encodes the first test
  // message and, when generate_vectorfile is 1, writes the discrete (Disc_Stream 1) or streaming
  // vector file. Does not return if a file cannot be written; files written before stay.
  void WriteDecoderFiles() const;

  // The pieces of the pass, for callers that want the text without the files.
  GaloisField Field() const;
  std::string InversePath() const;
  std::string EvnumPath() const;
  std::string VectorPath() const;
  // The five "%" comment lines that open every vector file.
  void AppendHeader(std::string& out) const;
  // The encoder file from the message and codeword already in the tables.
  void AppendEncoderVectors(std::string& out) const;
  // The discrete decoder file from the codeword already in the tables.
  void AppendDiscreteVectors(std::string& out) const;
  // The streaming decoder file: codeword 1 as it stands in the tables, codewords 2 to 5
  // encoded here (they overwrite message and codeword).
  void AppendStreamingVectors(std::string& out) const;
};

}  // namespace rsmath
