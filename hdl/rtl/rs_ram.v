// Simple dual-port memory: one write port, one read port. Written as the synthesizer's
// memory template so that it becomes block RAM or LUT RAM, never a bank of flip-flops.
// SYNC_READ = 1: rdata is registered (block RAM style); 0: rdata follows raddr at once.
// uses:
module rs_ram #(
  parameter W = 8, parameter AW = 8, parameter SYNC_READ = 1
) (
  input clk,
  input we,
  input [AW-1:0] waddr,
  input [W-1:0] wdata,
  input re,                       // SYNC_READ = 1 only: load rdata from raddr
  input [AW-1:0] raddr,
  output [W-1:0] rdata
);
  reg [W-1:0] mem[0:(1<<AW)-1];

  always @(posedge clk)
    if (we) mem[waddr] <= wdata;

  generate
    if (SYNC_READ) begin : g_sync
      reg [W-1:0] q;
      always @(posedge clk)
        if (re) q <= mem[raddr];
      assign rdata = q;
    end else begin : g_async
      wire unused_re = re;
      assign rdata = mem[raddr];
    end
  endgenerate
endmodule
