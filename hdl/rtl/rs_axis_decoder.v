`default_nettype none
// AXI4-Stream sides for the decoder block: packets of N symbols in, the N corrected ones out,
// {decfail, numerr} in tuser on each of a word's beats. The block's output cannot be held back,
// so every symbol it sends lands in the output FIFO, and a word enters the block only when the
// FIFO has room for it besides every symbol still owed by the words before it: a credit of
// 2^OUT_AW entries, N taken when a word's first symbol enters the block and one given back per
// beat taken on m_axis. How deep the FIFO must be to keep the block at its own rate depends on
// the block's clocks, so the generator chooses OUT_AW; from the edge on which the block shows a
// symbol to the edge on which m_axis can give it away at the earliest is two edges.
//
// Streaming block (DISCRETE = 0): it takes a word's N symbols on N consecutive edges, so a word
// starts (one-clock dsin) only when all of it waits in the input FIFO, 2^IN_AW >= N entries.
// Discrete block: symbols go on as they come, dsin = a symbol is waiting, taken with rdyin.
// uses: rs_axis_fifo.v rs_axis_beats.v rs_axis_tlast_check.v
module rs_axis_decoder #(
  parameter M = 8,
  parameter N = 204,
  parameter NUMERR_W = 5,
  parameter DISCRETE = 0,
  parameter IN_AW = 8,
  parameter OUT_AW = 10
) (
  input wire clk,
  input wire reset,               // synchronous; resets the block too
  // AXI4-Stream slave: a word's symbols, highest power first; tuser = bypass, read with a
  // word's first symbol
  input wire [M-1:0] s_tdata,
  input wire s_tvalid,
  output wire s_tready,
  input wire s_tlast,
  input wire s_tuser,
  // AXI4-Stream master
  output wire [M-1:0] m_tdata,
  output wire m_tvalid,
  input wire m_tready,
  output wire m_tlast,
  output wire [NUMERR_W:0] m_tuser,  // {decfail, numerr}
  output wire event_tlast_missing,
  output wire event_tlast_unexpected,
  // the block's ports (dsout is tied to 1 outside)
  output wire dsin,
  output wire bypass,
  output wire [M-1:0] din,
  input wire rdyin,
  input wire outvalid,
  input wire [M-1:0] dout,
  input wire decfail,
  input wire [NUMERR_W-1:0] numerr
);
  generate
    if (N < 2 || IN_AW < 1 || OUT_AW < 1 || (1 << OUT_AW) < N ||
        (DISCRETE == 0 && (1 << IN_AW) < N)) begin : g_bad
      rs_axis_decoder_needs_fifos_that_hold_a_word u_bad();
    end
  endgenerate

  localparam integer N_I = N;
  localparam [OUT_AW:0] WORD = N_I[OUT_AW:0];
  localparam [OUT_AW:0] DEPTH = {1'b1, {OUT_AW{1'b0}}};

  rs_axis_tlast_check #(.LEN(N)) u_tlast (
    .clk(clk), .reset(reset), .beat(s_tvalid && s_tready), .tlast(s_tlast),
    .missing(event_tlast_missing), .unexpected(event_tlast_unexpected));

  // ---- input FIFO to the block ----
  wire head_valid, head_take;
  wire [M:0] head;
  /* verilator lint_off UNUSEDSIGNAL */
  wire [IN_AW:0] level;           // a discrete block needs no whole word waiting
  /* verilator lint_on UNUSEDSIGNAL */
  rs_axis_fifo #(.W(M + 1), .AW(IN_AW)) u_in (
    .clk(clk), .reset(reset),
    .in_valid(s_tvalid), .in_ready(s_tready), .in_data({s_tuser, s_tdata}),
    .out_valid(head_valid), .out_ready(head_take), .out_data(head), .level(level));

  reg [OUT_AW:0] credit_q;        // output FIFO entries no word has claimed
  wire room = credit_q >= WORD;
  wire first_taken;               // a word's first symbol enters the block on this edge
  wire word_last;                 // the next symbol the block takes ends a word
  wire m_beat = m_tvalid && m_tready;

  rs_axis_beats #(.LEN(N)) u_fed (.clk(clk), .reset(reset), .beat(head_take), .last(word_last));

  generate
    if (DISCRETE != 0) begin : g_discrete
      reg midword_q;
      always @(posedge clk)
        if (reset) midword_q <= 1'b0;
        else if (head_take) midword_q <= !word_last;
      assign dsin = head_valid && (midword_q || room);
      assign head_take = dsin && rdyin;
      assign first_taken = head_take && !midword_q;
    end else begin : g_streaming
      // The block takes the N - 1 symbols after a start on the following edges, whatever
      // dsin does; the whole word waits in the FIFO, so the head is valid on each of them.
      reg feeding_q;
      wire [31:0] level_w = {{(31 - IN_AW){1'b0}}, level};
      wire start = !feeding_q && head_valid && level_w >= N_I && rdyin && room;
      always @(posedge clk)
        if (reset) feeding_q <= 1'b0;
        else if (head_take) feeding_q <= !word_last;
      assign dsin = start;
      assign head_take = start || feeding_q;
      assign first_taken = start;
    end
  endgenerate

  assign din = head[M-1:0];
  assign bypass = head[M];

  always @(posedge clk)
    if (reset) credit_q <= DEPTH;
    else credit_q <= credit_q - (first_taken ? WORD : {(OUT_AW + 1){1'b0}})
                              + {{OUT_AW{1'b0}}, m_beat};

  // ---- output FIFO from the block ----
  /* verilator lint_off UNUSEDSIGNAL */
  wire out_room;                  // always 1: the credit keeps the FIFO from filling
  wire [OUT_AW:0] out_level;
  /* verilator lint_on UNUSEDSIGNAL */
  rs_axis_fifo #(.W(M + NUMERR_W + 1), .AW(OUT_AW)) u_out (
    .clk(clk), .reset(reset),
    .in_valid(outvalid), .in_ready(out_room), .in_data({decfail, numerr, dout}),
    .out_valid(m_tvalid), .out_ready(m_tready), .out_data({m_tuser, m_tdata}),
    .level(out_level));

  rs_axis_beats #(.LEN(N)) u_out_count (
    .clk(clk), .reset(reset), .beat(m_beat), .last(m_tlast));

`ifdef FORMAL
  // Given a block that shows N symbols for each word it takes, and none before.
  reg formal_reset_q = 1'b0;
  always @(posedge clk) if (reset) formal_reset_q <= 1'b1;
  always @(posedge clk)
    if (formal_reset_q && !reset) begin
      assert (!outvalid || out_room);
      assert ({1'b0, out_level} + {1'b0, credit_q} <= {1'b0, DEPTH});
    end
`endif
endmodule
`default_nettype wire
