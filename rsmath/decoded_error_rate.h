// What theory says of a bounded-distance Reed-Solomon decoder (t = floor(r/2) corrected
// symbols) of an (n, n - r) code over GF(2^m), whose minimum distance is r + 1 (the codes are
// maximum distance separable).
#pragma once

namespace rsmath {

// The number of codewords of weight w: the MDS weight enumerator,
// A_w = C(n,w) sum_{j=0}^{w-d} (-1)^j C(w,j) (q^(w-d+1-j) - 1), d = r + 1, q = 2^m; A_0 = 1.
long double CodewordsOfWeight(int m, int n, int r, int w);

// The probability that a word with `errors` symbol errors (positions and non-zero values
// uniformly random) is decoded to a codeword other than the one sent: the share of such
// error patterns within distance t of a non-zero codeword. 0 for errors <= t.
double MiscorrectionProbability(int m, int n, int r, int errors);

// The probability that a word is not delivered right after decoding when each of its n
// symbols is wrong with probability p on its own: more than t errors,
// 1 - sum_{i<=t} C(n,i) p^i (1-p)^(n-i).
double DecodedWordErrorRate(int n, int r, double p);

}  // namespace rsmath
