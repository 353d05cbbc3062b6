// Systematic Reed-Solomon encoder: the K = N - R message symbols of a codeword pass through,
// highest power first, followed by the R check symbols, the remainder of message(x) x^R divided
// by g(x), highest power first. One symbol per enabled clock, each output one clock after its
// input; codewords follow one another without a gap.
//
// The division takes each message symbol one clock late: the edge that takes a symbol into the
// output register also registers what it feeds back, symbol plus top cell of the remainder.
// The top cell itself is never stored, since only that sum needs it. So every cell's next
// value depends on flip-flops alone, one LUT level for most bits; din reaches only the output
// register and the feedback register, and `start` simply clears the cells through the
// flip-flops' synchronous reset while its symbol waits in the feedback register. At the first
// check symbol the output register takes the top cell's next value, so the late division
// costs no clock.
`default_nettype none

module rs_encoder #(
  parameter M = 8,
  parameter N = 204,
  parameter R = 16,
  parameter IRRPOL = 285,
  // gg1 .. ggR of the description: entry i-1 = gg_i, the coefficient of x^(R-i) of g(x); gg0 = 1
  parameter [R*M-1:0] GG = 0
) (
  input wire clk,
  input wire reset,
  input wire start,
  input wire enable,
  input wire [M-1:0] din,
  output wire [M-1:0] dout
);

  // Impossible parameters stop elaboration in every tool: the module instantiated does not
  // exist, and its name says what is wrong.
  generate
    if (M < 2) begin : check_m
      rs_encoder_needs_M_at_least_2 impossible ();
    end
    if (R < 2) begin : check_r
      rs_encoder_needs_R_at_least_2 impossible ();
    end
    if (N <= R) begin : check_n
      rs_encoder_needs_N_above_R impossible ();
    end
    if (N >= (1 << M)) begin : check_field
      rs_encoder_needs_N_below_2_pow_M impossible ();
    end
    if ((IRRPOL >> M) != 1) begin : check_irrpol
      rs_encoder_needs_IRRPOL_of_degree_M impossible ();
    end
  endgenerate

`include "rs_gf_functions.vh"

  localparam CW = (N > 1) ? $clog2(N) : 1;
  localparam integer LAST_I = N - 1;
  localparam integer K_I = N - R;
  localparam [CW-1:0] LAST = LAST_I[CW-1:0];
  localparam [CW-1:0] K = K_I[CW-1:0];
  localparam [CW-1:0] ONE = {{(CW - 1) {1'b0}}, 1'b1};
  localparam LOW = (R - 1) * M;

  // Cells 0 .. R-2 of the remainder, cell j the coefficient of x^j.
  reg [LOW-1:0] rem_q = {LOW{1'b0}};
  // What the symbol in out_q feeds back: that symbol plus the top cell; 0 while out_q holds
  // no message symbol that the division has still to take.
  reg [M-1:0] feedback_q = {M{1'b0}};
  // Initial 0: the output reads 0 before the first clock edge.
  reg [M-1:0] out_q = {M{1'b0}};
  // Position in the codeword of the symbol that the next enabled edge takes.
  reg [CW-1:0] count_q = {CW{1'b0}};

  wire in_message = start || count_q < K;

  function integer ones;
    input [M-1:0] v;
    integer i;
    begin
      ones = 0;
      for (i = 0; i < M; i = i + 1) ones = ones + {31'd0, v[i]};
    end
  endfunction

  // One division step, cells 0 .. R-1 (rem_q's next value, the top cell's above it); with no
  // feedback the remainder just shifts out, upwards, so after the R check symbols the cells
  // are empty again for the next codeword.
  wire [R*M-1:0] rem_d;
  genvar j, b;
  generate
    for (j = 0; j < R; j = j + 1) begin : stage
      localparam [M-1:0] G = GG[(R-1-j)*M +: M];
      wire [M-1:0] below;
      wire [M-1:0] product;
      if (j == 0) begin : first
        assign below = {M{1'b0}};
      end else begin : other
        assign below = rem_q[(j-1)*M +: M];
      end
      for (b = 0; b < M; b = b + 1) begin : bits
        localparam [M-1:0] MASK = gf_mul_mask(G, b);
        // A bit that takes all but at most two feedback bits is the parity of all of them,
        // one term shared by every such bit, plus those few: fewer terms, and with the
        // cell's own bit it still fits a 6-input LUT.
        if (ones(MASK) >= M - 2 && 2 * ones(MASK) > M + 1) begin : wide
          assign product[b] = (^feedback_q) ^ (^(feedback_q & ~MASK));
        end else begin : narrow
          assign product[b] = ^(feedback_q & MASK);
        end
      end
      assign rem_d[j*M +: M] = below ^ product;
    end
  endgenerate
  wire [M-1:0] top_d = rem_d[LOW +: M];

  always @(posedge clk) begin
    if (reset || start) rem_q <= {LOW{1'b0}};
    else if (enable) rem_q <= rem_d[LOW-1:0];

    if (reset) begin
      out_q <= {M{1'b0}};
      feedback_q <= {M{1'b0}};
      count_q <= {CW{1'b0}};
    end else if (enable) begin
      out_q <= in_message ? din : top_d;
      // A codeword begun afresh has an empty remainder: its first symbol feeds back alone.
      feedback_q <= !in_message ? {M{1'b0}} : start ? din : din ^ top_d;
      count_q <= start ? ONE : (count_q == LAST) ? {CW{1'b0}} : count_q + ONE;
    end else if (start) begin
      // The codeword begins with the next enabled symbol; the symbol in out_q is abandoned.
      feedback_q <= {M{1'b0}};
      count_q <= {CW{1'b0}};
    end
  end

  assign dout = out_q;

`ifdef FORMAL
  // Proved by tools/formal.sh (tests/formal); each property holds on every clock edge.
  reg f_past_valid_q = 1'b0;  // $past means something from the second edge on
  always @(posedge clk) f_past_valid_q <= 1'b1;

  genvar f_cell;
  generate
    for (f_cell = 0; f_cell < R - 1; f_cell = f_cell + 1) begin : f_empty
      // The check symbols shift the remainder out: empty when a codeword begins, and cell j
      // empty once j + 1 zero-feedback shifts have passed it.
      always @(*)
        if (count_q == 0 || count_q > K + ONE + f_cell[CW-1:0])
          assert (rem_q[f_cell*M +: M] == {M{1'b0}});
    end
  endgenerate

  always @(*) begin
    assert (count_q <= LAST);  // a position inside the codeword
    if (count_q == 0 || count_q > K) assert (feedback_q == {M{1'b0}});  // nothing left to divide
  end

  always @(posedge clk)
    if (f_past_valid_q) begin
      if ($past(reset)) assert (dout == {M{1'b0}} && count_q == 0);  // reset clears the output
      if (!$past(reset) && !$past(enable)) assert ($stable(dout));  // a disabled edge holds dout
      // during the message the output is the input one clock later
      if (!$past(reset) && $past(enable) && $past(in_message)) assert (dout == $past(din));
      // start begins a codeword: its enabled edge takes symbol 0, else the next enabled one does
      if (!$past(reset) && $past(start)) assert (count_q == ($past(enable) ? ONE : {CW{1'b0}}));
      // every other enabled edge takes the next symbol, n of them to a codeword
      if (!$past(reset) && $past(enable) && !$past(start))
        assert (count_q == ($past(count_q) == LAST ? {CW{1'b0}} : $past(count_q) + ONE));
      // nothing moves without enable, reset or start
      if (!$past(reset) && !$past(enable) && !$past(start))
        assert ($stable(count_q) && $stable(rem_q) && $stable(feedback_q));
    end
`endif
endmodule

`default_nettype wire
