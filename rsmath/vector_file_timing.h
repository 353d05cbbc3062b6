// The clocks the wizard's decoder vector files give a word: how far apart a streaming file
// starts its codewords, and how long a discrete file runs. The files are written from these,
// and the generator sizes each decoder to meet them.
#pragma once

namespace rsmath {

// Clocks between codeword starts in a streaming vector file: the longer of one codeword with
// its check time and the decoder's r^2 term (1.7 r^2 full, 3 r^2 half, rounded up in
// integers), with room for the word to leave.
long StreamingVectorSpacing(bool full, long n, long r);

// Clocks the discrete decoder needs for one codeword, by the discrete vector file.
long DiscreteVectorWordClocks(bool full, long n, long r);

// Clocks a discrete vector file runs: 1.2 (word clocks + 2n), in tenths of a clock so that
// it stays in integers.
long DiscreteVectorTenths(bool full, long n, long r);

}  // namespace rsmath
