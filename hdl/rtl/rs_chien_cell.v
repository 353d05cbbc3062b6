// One term of a polynomial under Chien search: loaded as c * C0 (the coefficient scaled to the
// first position searched), then multiplied by STEP at every active clock.
// uses:
module rs_chien_cell #(
  parameter M = 8, parameter IRRPOL = 285,
  parameter [M-1:0] C0 = 1, parameter [M-1:0] STEP = 1
) (
  input clk, input load, input act,
  input [M-1:0] c,
  output reg [M-1:0] q
);
`include "rs_gf_functions.vh"
  generate
    if (C0 == STEP) begin : g_shared         // n = 2^m - 1: the load shares the step
      always @(posedge clk)
        if (load || act) q <= gf_mul(load ? c : q, STEP);
    end else begin : g_own
      always @(posedge clk)
        if (load) q <= gf_mul(c, C0);
        else if (act) q <= gf_mul(q, STEP);
    end
  endgenerate
endmodule
