`default_nettype none
// The input packets are framed by count, LEN beats each; a beat whose tlast disagrees with
// that count raises one of two one-clock events, on the clock after the beat, and nothing
// else changes.
// uses: rs_axis_beats.v
module rs_axis_tlast_check #(
  parameter LEN = 204
) (
  input wire clk,
  input wire reset,
  input wire beat,
  input wire tlast,
  output wire missing,            // the packet's last beat came without tlast
  output wire unexpected          // tlast on a beat before the packet's last
);
  wire last;
  rs_axis_beats #(.LEN(LEN)) u_count (.clk(clk), .reset(reset), .beat(beat), .last(last));

  reg missing_q, unexpected_q;
  always @(posedge clk)
    if (reset) begin
      missing_q <= 1'b0;
      unexpected_q <= 1'b0;
    end else begin
      missing_q <= beat && last && !tlast;
      unexpected_q <= beat && !last && tlast;
    end

  assign missing = missing_q;
  assign unexpected = unexpected_q;
endmodule
`default_nettype wire
