`default_nettype none
// Simple dual-port memory: one write port, one read port. Written as the synthesizer's
// memory template so that it becomes block RAM or LUT RAM, never a bank of flip-flops.
// SYNC_READ = 1: rdata is registered (block RAM style); 0: rdata follows raddr at once.
// uses:
module rs_ram #(
  parameter W = 8, parameter AW = 8, parameter SYNC_READ = 1
) (
  input wire clk,
  input wire we,
  input wire [AW-1:0] waddr,
  input wire [W-1:0] wdata,
  input wire re,                  // SYNC_READ = 1 only: load rdata from raddr
  input wire [AW-1:0] raddr,
  output wire [W-1:0] rdata
);
  generate
    if (W < 1 || AW < 1 || (SYNC_READ != 0 && SYNC_READ != 1)) begin : g_bad
      rs_ram_parameters_out_of_range u_stop();
    end
  endgenerate

  reg [W-1:0] mem[0:(1<<AW)-1];

  always @(posedge clk)
    if (we) mem[waddr] <= wdata;

  generate
    if (SYNC_READ) begin : g_sync
      reg [W-1:0] rdata_q;
      always @(posedge clk)
        if (re) rdata_q <= mem[raddr];
      assign rdata = rdata_q;
    end else begin : g_async
      wire unused_re = re;
      assign rdata = mem[raddr];
    end
  endgenerate
endmodule
`default_nettype wire
