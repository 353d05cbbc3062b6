// Systematic Reed-Solomon encoder: the K = N - R message symbols of a codeword pass through,
// highest power first, followed by the R check symbols, the remainder of message(x) x^R divided
// by g(x). One symbol per enabled clock, output one clock after its input; codewords follow
// one another without a gap.
//
// The division register takes each message symbol one clock late, from the output register,
// instead of straight from din. That keeps din out of the feedback path, and lets `start`
// simply clear the register through the flip-flops' synchronous reset instead of gating every
// cell's input: the symbol taken at the start edge waits in the output register meanwhile.
// At the first check symbol the output register loads the top cell's next value, so the
// late division costs no clock.
module rs_encoder #(
  parameter M = 8,
  parameter N = 204,
  parameter R = 16,
  parameter IRRPOL = 285,
  // gg1 .. ggR of the description: entry i-1 = gg_i, the coefficient of x^(R-i) of g(x); gg0 = 1
  parameter [R*M-1:0] GG = 0
) (
  input clk,
  input reset,
  input start,
  input enable,
  input [M-1:0] din,
  output [M-1:0] dout
);

`include "rs_gf_functions.vh"

  localparam CW = (N > 1) ? $clog2(N) : 1;
  localparam integer LAST_I = N - 1;
  localparam integer K_I = N - R;
  localparam [CW-1:0] LAST = LAST_I[CW-1:0];
  localparam [CW-1:0] K = K_I[CW-1:0];
  localparam [CW-1:0] ONE = {{(CW - 1) {1'b0}}, 1'b1};
  localparam TOP = (R - 1) * M;

  // Cell j holds the coefficient of x^j of the remainder so far.
  reg [R*M-1:0] rem = {(R * M) {1'b0}};
  // Initial 0: the output reads 0 before the first clock edge.
  reg [M-1:0] out_q = {M{1'b0}};
  // Position in the codeword of the symbol that the next enabled edge takes.
  reg [CW-1:0] count = {CW{1'b0}};
  // out_q holds a message symbol that the division has not taken yet.
  reg pending = 1'b0;

  wire in_message = start || count < K;
  wire [M-1:0] feedback = pending ? (out_q ^ rem[TOP +: M]) : {M{1'b0}};

  // One division step; without a pending symbol the remainder just shifts out, upwards,
  // so after the R check symbols the register is empty again for the next codeword.
  wire [R*M-1:0] rem_next;
  genvar j;
  generate
    for (j = 0; j < R; j = j + 1) begin : stage
      localparam [M-1:0] G = GG[(R-1-j)*M +: M];
      wire [M-1:0] below;
      if (j == 0) begin : first
        assign below = {M{1'b0}};
      end else begin : other
        assign below = rem[(j-1)*M +: M];
      end
      assign rem_next[j*M +: M] = below ^ gf_mul(feedback, G);
    end
  endgenerate

  always @(posedge clk) begin
    if (reset || start) rem <= {(R * M) {1'b0}};
    else if (enable) rem <= rem_next;

    if (reset) begin
      out_q <= {M{1'b0}};
      count <= {CW{1'b0}};
      pending <= 1'b0;
    end else if (enable) begin
      out_q <= in_message ? din : rem_next[TOP +: M];
      pending <= in_message;
      count <= start ? ONE : (count == LAST) ? {CW{1'b0}} : count + ONE;
    end else if (start) begin
      // The codeword begins with the next enabled symbol; what out_q shows is abandoned.
      count <= {CW{1'b0}};
      pending <= 1'b0;
    end
  end

  assign dout = out_q;

endmodule
