// The error rates a soak measured, beside what theory says of them, as lines a plotting script
// reads:
//   miscorrection N K ERRORS WORDS MISCORRECTED THEORY    words with t + 1 random errors
//   miscorrection-curve N K ERRORS THEORY                 the same theory for t + 1 .. n errors
//   channel N K P WORDS WRONG THEORY                      words through a symbol channel
//   curve N K P THEORY                                    the channel's theory, on a grid of P
#pragma once

#include <string>

#include "rsmath/galois_field.h"
#include "tests/soak/decoder_soak.h"

namespace soak {

std::string ErrorStatistics(const rsmath::GaloisField& field, const WordMix& mix,
                            const SoakReport& report);

}  // namespace soak
