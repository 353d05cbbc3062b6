// General GF(2^M) product for the folded key-equation solver, over the field polynomial IRRPOL.
// The same product as gf_mul, written as the carry-less product of a and b followed by one
// linear reduction of its upper half: the synthesizer maps this shape into fewer LUTs than the
// shift-and-reduce loop, and the solver's area is mostly its multipliers.

// x^kh_e mod IRRPOL, for kh_e < 2M - 1.
function [M-1:0] kh_x_pow;
  input integer kh_e;
  integer kh_i;
  reg [M-1:0] kh_v;
  begin
    kh_v = {{(M-1){1'b0}}, 1'b1};
    for (kh_i = 0; kh_i < kh_e; kh_i = kh_i + 1)
      kh_v = kh_v[M-1] ? ((kh_v << 1) ^ IRRPOL[M-1:0]) : (kh_v << 1);
    kh_x_pow = kh_v;
  end
endfunction

function [M-1:0] kh_mul;
  input [M-1:0] kh_a;
  input [M-1:0] kh_b;
  integer kh_i;
  integer kh_j;
  reg [2*M-2:0] kh_p;
  reg [M-1:0] kh_y;
  begin
    kh_p = {(2*M-1){1'b0}};
    for (kh_i = 0; kh_i < M; kh_i = kh_i + 1)
      for (kh_j = 0; kh_j < M; kh_j = kh_j + 1)
        kh_p[kh_i+kh_j] = kh_p[kh_i+kh_j] ^ (kh_a[kh_i] & kh_b[kh_j]);
    kh_y = kh_p[M-1:0];
    for (kh_i = M; kh_i < 2 * M - 1; kh_i = kh_i + 1)
      kh_y = kh_y ^ (kh_x_pow(kh_i) & {M{kh_p[kh_i]}});
    kh_mul = kh_y;
  end
endfunction
