`default_nettype none
// Counts the beats of packets of LEN beats: `last` is 1 while the next beat ends a packet.
// uses:
module rs_axis_beats #(
  parameter LEN = 204
) (
  input wire clk,
  input wire reset,               // synchronous: the next beat begins a packet
  input wire beat,                // a beat passes on this edge
  output wire last
);
  generate
    if (LEN < 1) begin : g_bad
      rs_axis_beats_needs_LEN_ge_1 u_bad();
    end
  endgenerate

  localparam CW = (LEN > 1) ? $clog2(LEN) : 1;
  localparam integer LAST_I = LEN - 1;
  localparam [CW-1:0] LAST = LAST_I[CW-1:0];

  reg [CW-1:0] count_q;

  always @(posedge clk)
    if (reset) count_q <= {CW{1'b0}};
    else if (beat) count_q <= last ? {CW{1'b0}} : count_q + 1'b1;

  assign last = count_q == LAST;
endmodule
`default_nettype wire
