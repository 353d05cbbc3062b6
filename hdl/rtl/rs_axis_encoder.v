`default_nettype none
// AXI4-Stream sides for the encoder block: packets of N - R message symbols in, highest power
// first, the N-symbol codeword out with tlast on its last symbol. The block moves only on
// edges with enable = 1, one symbol each: it takes a message symbol, or makes a check symbol
// without input, and shows its output symbol after the edge. Each such symbol is put into the
// output FIFO on the next edge, and the block moves only while the FIFO has room for it
// besides every symbol still on its way: a credit of 2^OUT_AW entries, one taken per enabled
// edge and given back per beat taken on m_axis. Four entries keep the block at one symbol a
// clock: a symbol holds its entry from its enabled edge to its m_axis beat three edges later.
// uses: rs_axis_fifo.v rs_axis_beats.v rs_axis_tlast_check.v
module rs_axis_encoder #(
  parameter M = 8,
  parameter N = 204,
  parameter R = 16,
  parameter OUT_AW = 2
) (
  input wire clk,
  input wire reset,               // synchronous; resets the block too
  input wire [M-1:0] s_tdata,
  input wire s_tvalid,
  output wire s_tready,
  input wire s_tlast,
  output wire [M-1:0] m_tdata,
  output wire m_tvalid,
  input wire m_tready,
  output wire m_tlast,
  output wire event_tlast_missing,
  output wire event_tlast_unexpected,
  // the block's ports (start is tied to 0 outside: codewords follow one another by count)
  output wire enable,
  output wire [M-1:0] din,
  input wire [M-1:0] dout
);
  generate
    if (R < 1 || N <= R || OUT_AW < 1) begin : g_bad
      rs_axis_encoder_needs_0_lt_R_lt_N u_bad();
    end
  endgenerate

  localparam [OUT_AW:0] DEPTH = {1'b1, {OUT_AW{1'b0}}};

  rs_axis_tlast_check #(.LEN(N - R)) u_tlast (
    .clk(clk), .reset(reset), .beat(s_tvalid && s_tready), .tlast(s_tlast),
    .missing(event_tlast_missing), .unexpected(event_tlast_unexpected));

  // The block's position in its codeword: message symbols until the last of them.
  reg message_q;
  wire message_last, word_last;
  rs_axis_beats #(.LEN(N - R)) u_message (
    .clk(clk), .reset(reset), .beat(enable && message_q), .last(message_last));
  rs_axis_beats #(.LEN(N)) u_word (
    .clk(clk), .reset(reset), .beat(enable), .last(word_last));

  reg [OUT_AW:0] credit_q;
  reg shown_q;                    // the block shows a symbol made on the last edge
  wire m_beat = m_tvalid && m_tready;
  wire room = credit_q != {(OUT_AW + 1){1'b0}};

  assign enable = room && (!message_q || s_tvalid);
  assign s_tready = room && message_q;
  assign din = s_tdata;

  always @(posedge clk)
    if (reset) begin
      message_q <= 1'b1;
      shown_q <= 1'b0;
      credit_q <= DEPTH;
    end else begin
      if (enable && (message_q ? message_last : word_last)) message_q <= !message_q;
      shown_q <= enable;
      credit_q <= credit_q - {{OUT_AW{1'b0}}, enable} + {{OUT_AW{1'b0}}, m_beat};
    end

  /* verilator lint_off UNUSEDSIGNAL */
  wire out_room;                  // always 1: the credit keeps the FIFO from filling
  wire [OUT_AW:0] out_level;
  /* verilator lint_on UNUSEDSIGNAL */
  rs_axis_fifo #(.W(M), .AW(OUT_AW)) u_out (
    .clk(clk), .reset(reset),
    .in_valid(shown_q), .in_ready(out_room), .in_data(dout),
    .out_valid(m_tvalid), .out_ready(m_tready), .out_data(m_tdata), .level(out_level));

  rs_axis_beats #(.LEN(N)) u_out_count (
    .clk(clk), .reset(reset), .beat(m_beat), .last(m_tlast));

`ifdef FORMAL
  reg formal_reset_q = 1'b0;
  always @(posedge clk) if (reset) formal_reset_q <= 1'b1;
  always @(posedge clk)
    if (formal_reset_q && !reset) begin
      // Every entry is free, owed by the symbol the block shows, or in the FIFO.
      assert ({1'b0, credit_q} + {1'b0, out_level} + {{(OUT_AW + 1){1'b0}}, shown_q}
              == {1'b0, DEPTH});
      assert (!shown_q || out_room);
    end
`endif
endmodule
`default_nettype wire
