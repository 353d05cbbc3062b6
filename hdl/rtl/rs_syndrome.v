`default_nettype none
// Syndromes of one received word, one symbol a clock, highest power first (Horner's rule):
// S_j <- S_j * alpha^(GENSTART+j) + din. Each multiplier has a constant operand and folds into
// a few XORs; the first symbol of a word replaces the feedback, so words may follow back to back.
// uses:
module rs_syndrome #(
  parameter M = 8, parameter R = 16, parameter IRRPOL = 285, parameter GENSTART = 0
) (
  input wire clk,
  input wire en,                  // take din
  input wire first,               // din is the first symbol of a word
  input wire [M-1:0] din,
  output wire [R*M-1:0] syn       // S_j at [j*M +: M], final after the word's last symbol
);
`include "rs_gf_functions.vh"

  generate
    if (M < 2 || R < 1 || GENSTART < 0) begin : g_bad
      rs_syndrome_parameters_out_of_range u_stop();
    end
  endgenerate

  genvar j;
  generate
    for (j = 0; j < R; j = j + 1) begin : g_s
      localparam [M-1:0] ROOT = gf_alpha_pow(GENSTART + j);
      reg [M-1:0] s_q;
      always @(posedge clk)
        if (en) s_q <= (first ? {M{1'b0}} : gf_mul(s_q, ROOT)) ^ din;
      assign syn[j*M +: M] = s_q;
    end
  endgenerate
endmodule
`default_nettype wire
