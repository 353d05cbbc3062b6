// The decoder's clock counts, each written once: which the solvers take, how closely words
// may follow, when a word comes out, how deep the memories are. Included inside a module body;
// the generator computes the same counts in C++ (hdl/decoder_timing), and each generated
// testbench compares the two at time 0. t = R/2 (integer division) throughout.

// The folded solver's work: `lanes` coefficients a beat (three multipliers each, or one
// multiplier time-shared over three clocks), a pass over the t + 1 coefficients in `beats`
// beats and one clock that closes the pass. The iterations are R passes, Omega by Horner's
// rule two syndromes a pass (one with a single multiplier).
function integer kes_lanes(input integer muls);
  kes_lanes = (muls < 3) ? 1 : muls / 3;
endfunction

function integer kes_beats(input integer r, input integer muls);
  kes_beats = (r / 2 + kes_lanes(muls)) / kes_lanes(muls);
endfunction

function integer kes_omega_passes(input integer r, input integer muls);
  kes_omega_passes = (muls == 1) ? r / 2 : (r / 2 + 1) / 2;
endfunction

// Clocks from the clock in which the folded solver's start is 1 to the clock in which its
// done is 1; exact, whatever the syndromes.
function integer kes_folded_clocks(input integer r, input integer muls);
  kes_folded_clocks = r * (((muls == 1) ? 3 : 1) * kes_beats(r, muls) + 1)
                      + kes_omega_passes(r, muls) * (kes_beats(r, muls) + 1) + 1;
endfunction

// The solver in use: the 3t+1-element array (folded = 0) or the folded one. Latency, start to
// done; gap, the closest two starts.
function integer kes_latency(input integer folded, input integer r, input integer muls);
  kes_latency = (folded != 0) ? kes_folded_clocks(r, muls) : r + r / 2 + 2;
endfunction

function integer kes_gap(input integer folded, input integer r, input integer muls);
  kes_gap = (folded != 0) ? kes_folded_clocks(r, muls) : r + 1;
endfunction

// The closest two words' first symbols may be, in clocks.
function integer word_spacing(input integer n, input integer gap);
  word_spacing = (gap > n) ? gap : n;
endfunction

// Edges after a word's last symbol on which rdyin stays 0.
function integer input_guard(input integer discrete, input integer n, input integer spacing);
  input_guard = (discrete != 0 && spacing - n < 1) ? 1 : spacing - n;
endfunction

// rs_chien_forney.v searches the n positions upward and finds the value of the first symbol
// out last; its pipeline writes that value three clocks after the search is through, and the
// output pass starts reading then: clocks from the solver's done to the pass's first read.
function integer search_latency(input integer n);
  search_latency = n + 3;
endfunction

// Edges from a word's last symbol taken to its first symbol out: the solver starts on the
// next edge, and the symbol read by the pass is registered and shown on the two after.
function integer output_latency(input integer n, input integer kes_lat);
  output_latency = kes_lat + search_latency(n) + 3;
endfunction

// A received symbol waits n + kes_lat + search_latency clocks; each word starting within
// that wait, and the one coming in, holds a slot of 2^ceil(log2 n) symbols.
function integer received_words(input integer n, input integer kes_lat, input integer spacing);
  received_words = (1 << $clog2((n + kes_lat + search_latency(n)) / spacing + 1)) << $clog2(n);
endfunction

// Two pages of every position's error value: one filled by the search, one read by the word
// leaving.
function integer error_words(input integer n);
  error_words = 2 << $clog2(n);
endfunction
