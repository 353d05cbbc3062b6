`default_nettype none
// First-word-fall-through FIFO with AXI4-Stream-style handshakes on both sides. The entries
// wait in a simple dual-port memory (block RAM when deep enough) whose registered read port is
// also the output register: it is reloaded on every clock in which the head is taken or
// missing, so one entry passes per clock and out_data stays put while out_valid waits for
// out_ready. An entry written on one edge can be read out on the next and is offered after it.
// uses: rs_ram.v
module rs_axis_fifo #(
  parameter W = 8,
  parameter AW = 2                // 2^AW entries in the memory, one more in the output register
) (
  input wire clk,
  input wire reset,               // synchronous: empties the FIFO
  input wire in_valid,
  output wire in_ready,           // the memory has room; never depends on in_valid
  input wire [W-1:0] in_data,
  output wire out_valid,
  input wire out_ready,
  output wire [W-1:0] out_data,
  output wire [AW:0] level        // entries held, output register included
);
  generate
    if (W < 1 || AW < 1 || AW > 20) begin : g_bad
      rs_axis_fifo_needs_1_le_AW_le_20_and_W_ge_1 u_bad();
    end
  endgenerate

  localparam [AW:0] FULL = {1'b1, {AW{1'b0}}};

  reg [AW:0] wp_q;                // entries written
  reg [AW:0] rp_q;                // entries read into the output register
  reg out_valid_q;

  wire [AW:0] stored = wp_q - rp_q;
  wire push = in_valid && in_ready;
  wire load = (stored != {(AW + 1){1'b0}}) && (!out_valid_q || out_ready);

  rs_ram #(.W(W), .AW(AW), .SYNC_READ(1)) u_mem (
    .clk(clk), .we(push && !reset), .waddr(wp_q[AW-1:0]), .wdata(in_data),
    .re(load), .raddr(rp_q[AW-1:0]), .rdata(out_data));

  always @(posedge clk)
    if (reset) begin
      wp_q <= {(AW + 1){1'b0}};
      rp_q <= {(AW + 1){1'b0}};
      out_valid_q <= 1'b0;
    end else begin
      if (push) wp_q <= wp_q + 1'b1;
      if (load) rp_q <= rp_q + 1'b1;
      if (load) out_valid_q <= 1'b1;
      else if (out_ready) out_valid_q <= 1'b0;
    end

  assign in_ready = stored != FULL;
  assign out_valid = out_valid_q;
  assign level = stored + {{AW{1'b0}}, out_valid_q};

`ifdef FORMAL
  reg formal_reset_q = 1'b0;      // the FIFO was reset once
  always @(posedge clk) if (reset) formal_reset_q <= 1'b1;
  always @(posedge clk)
    if (formal_reset_q && !reset) begin
      assert (stored <= FULL);
      // A waiting head stays, with its data.
      if ($past(out_valid_q && !out_ready && !reset))
        assert (out_valid_q && out_data == $past(out_data));
    end
`endif
endmodule
`default_nettype wire
