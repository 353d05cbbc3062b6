// GF(2^M) arithmetic over the field polynomial IRRPOL (bit i = coefficient of x^i, the x^M
// term included). Included inside a module body that has the parameters M and IRRPOL, so one
// source serves every field; with a constant operand the synthesizer folds a product into a
// few XORs. It sets no `default_nettype of its own: it is read under the including file's
// `none`, and restoring `wire` at its end would end that for the rest of the includer. Its
// parameters are the includer's, checked there; its regs are function variables, not registers.

// gf_a * gf_b: shift-and-add of gf_b by the bits of gf_a, reducing gf_x by IRRPOL at each shift.
function [M-1:0] gf_mul;
  input [M-1:0] gf_a;
  input [M-1:0] gf_b;
  integer gf_i;
  reg [M-1:0] gf_p;
  reg [M-1:0] gf_x;
  begin
    gf_p = {M{1'b0}};
    gf_x = gf_b;
    for (gf_i = 0; gf_i < M; gf_i = gf_i + 1) begin
      if (gf_a[gf_i]) gf_p = gf_p ^ gf_x;
      gf_x = gf_x[M-1] ? ((gf_x << 1) ^ IRRPOL[M-1:0]) : (gf_x << 1);
    end
    gf_mul = gf_p;
  end
endfunction

// alpha^gf_e, alpha = x (2); gf_e may be any non-negative integer (alpha^(2^M-1) = 1).
function [M-1:0] gf_alpha_pow;
  input integer gf_e;
  integer gf_i;
  reg [M-1:0] gf_x;
  begin
    gf_x = {{(M-1){1'b0}}, 1'b1};
    for (gf_i = 0; gf_i < gf_e % ((1 << M) - 1); gf_i = gf_i + 1)
      gf_x = gf_x[M-1] ? ((gf_x << 1) ^ IRRPOL[M-1:0]) : (gf_x << 1);
    gf_alpha_pow = gf_x;
  end
endfunction

// The bits of x that reach bit gf_bit of x * gf_g: bit i is set when alpha^i * gf_g has bit
// gf_bit. A product by a constant is then one parity per bit, ^(x & mask), which maps to
// fewer LUTs than the chain of partial sums in gf_mul, whose common prefixes the synthesizer
// merges across bits into shared XOR gates.
function [M-1:0] gf_mul_mask;
  input [M-1:0] gf_g;
  input integer gf_bit;
  integer gf_i;
  begin
    for (gf_i = 0; gf_i < M; gf_i = gf_i + 1)
      gf_mul_mask[gf_i] = |(gf_mul({{(M-1){1'b0}}, 1'b1} << gf_i, gf_g)
                            & ({{(M-1){1'b0}}, 1'b1} << gf_bit));
  end
endfunction
