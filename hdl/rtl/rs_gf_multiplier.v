`default_nettype none
// General GF(2^M) product over the field polynomial IRRPOL (x^M term included): the carry-less
// product of a and b, its upper half then reduced from the top. The same value as gf_mul of
// rs_gf_functions.vh; as a module of its own it is mapped on its own, which in GF(2^8) gives
// 41 LUTs against 47 to 53 inside the surrounding logic. An operand a of 0 never looks at b, so
// an unknown b times a zero a stays 0 in simulation.
module rs_gf_multiplier #(
  parameter M = 8, parameter IRRPOL = 285
) (
  input wire [M-1:0] a,
  input wire [M-1:0] b,
  output wire [M-1:0] y
);

  reg [2*M-2:0] p;
  reg [2*M-2:0] g;
  integer i;
  always @* begin
    p = {(2 * M - 1) {1'b0}};
    for (i = 0; i < M; i = i + 1) if (a[i]) p = p ^ ({{(M - 1) {1'b0}}, b} << i);
    g = {{(M - 2) {1'b0}}, IRRPOL[M:0]} << (M - 2);  // IRRPOL x^(M-2), clears bit 2M-2
    for (i = 2 * M - 2; i >= M; i = i - 1) begin
      if (p[i]) p = p ^ g;
      g = g >> 1;
    end
  end
  assign y = p[M-1:0];

endmodule
`default_nettype wire
