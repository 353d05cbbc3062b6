// rs_axis_fifo alone, for one, two and sixteen memory entries: a counting sequence in and out
// under random stalls on both sides; every entry out in order, none lost or repeated; a held
// head keeps its data; in_ready falls only when the memory is full and the level counts every
// entry held; one entry a clock when neither side stalls; reset empties it.
module fifo_case #(parameter AW = 1, parameter ITEMS = 3000, parameter SEED = 1) (input clk);
  localparam W = 12;
  reg reset = 1, in_valid = 0, out_ready = 0;
  reg [W-1:0] in_data = 0;
  wire in_ready, out_valid;
  wire [W-1:0] out_data;
  wire [AW:0] level;
  rs_axis_fifo #(.W(W), .AW(AW)) dut (
    .clk(clk), .reset(reset), .in_valid(in_valid), .in_ready(in_ready), .in_data(in_data),
    .out_valid(out_valid), .out_ready(out_ready), .out_data(out_data), .level(level));

  integer seed = SEED, sent = 0, got = 0, phase = 0, full_seen = 0;
  reg holding = 0;
  reg [W-1:0] held_data;
  task check(input good, input [8*16-1:0] what);
    begin
      rs_axis_fifo_tb.checks = rs_axis_fifo_tb.checks + 1;
      if (!good) begin
        rs_axis_fifo_tb.failed = rs_axis_fifo_tb.failed + 1;
        $display("FAIL %0s: AW %0d at %0t, sent %0d got %0d", what, AW, $time, sent, got);
      end
    end
  endtask

  always @(posedge clk) if (!reset) begin
    if (holding) check(out_valid && out_data == held_data, "held head");
    holding = out_valid && !out_ready;
    held_data = out_data;
    check(level == sent - got, "level");
    check(in_ready == (sent - got - out_valid < (1 << AW)), "in_ready");
    if (!in_ready) full_seen = full_seen + 1;
    if (out_valid && out_ready) begin
      check(out_data == got[W-1:0], "order");
      got = got + 1;
    end
    if (in_valid && in_ready) sent = sent + 1;
    // Phase 0: random stalls; phase 1: none, one entry a clock once the pipe is full.
    if (sent == ITEMS / 2 && phase == 0 && got == sent) phase = 1;
    if (!(in_valid && !in_ready)) begin
      in_valid <= sent < ITEMS && (phase == 1 || {$random(seed)} % 3 != 0) &&
                  (phase == 1 || sent < ITEMS / 2);
      in_data <= sent[W-1:0];
    end
    out_ready <= phase == 1 || {$random(seed)} % 2 == 0;
  end

  integer cyc;
  initial begin
    repeat (2) @(posedge clk);
    #1 reset = 0;
    // The pipe full, the unstalled half must pass one entry a clock.
    wait (phase == 1);
    cyc = 0;
    while (got < ITEMS) begin
      @(posedge clk);
      cyc = cyc + 1;
    end
    check(cyc <= ITEMS / 2 + 4, "unstalled rate");
    check(full_seen > 0, "never full");
    // Reset with entries inside: empty after it.
    @(negedge clk) begin in_valid = 1; out_ready = 0; end
    repeat (3) @(posedge clk);
    #1 reset = 1;
    @(posedge clk);
    #1 begin reset = 0; in_valid = 0; end
    check(!out_valid && level == 0 && in_ready, "reset empties");
    rs_axis_fifo_tb.done = rs_axis_fifo_tb.done + 1;
  end
endmodule

module rs_axis_fifo_tb;
  reg clk = 0;
  always #5 clk = ~clk;
  integer checks = 0, failed = 0, done = 0;
  fifo_case #(.AW(1), .SEED(3)) c1 (clk);
  fifo_case #(.AW(2), .SEED(5)) c2 (clk);
  fifo_case #(.AW(4), .SEED(7)) c4 (clk);
  initial begin
    wait (done == 3);
    $display("%0d checks, %0d failed", checks, failed);
    if (failed != 0) $fatal(1);
    $finish;
  end
  initial begin
    #2000000;
    $display("FAIL: time ran out");
    $display("%0d checks, %0d failed", checks, failed + 1);
    $fatal(1);
  end
endmodule
