// Reed-Solomon decoder core: syndromes while a word comes in, the key equation, one Chien and
// Forney pass that counts the roots and pages every position's error value, then the word
// leaves with its verdict. The verdict (numerr, decfail) needs every root, so the output pass
// follows the search; the received word waits in a memory, the error values in the search's.
// uses: rs_syndrome.v rs_kes_full.v rs_kes_folded.v rs_chien_forney.v rs_ram.v
`default_nettype none
module rs_decoder #(
  parameter M = 8, parameter N = 204, parameter R = 16,
  parameter IRRPOL = 285, parameter GENSTART = 0,
  parameter DISCRETE = 0,
  parameter SOLVER = 0,                    // 0: the 3t+1-element array; 1: folded onto MULS
  parameter MULS = 3,                      //   multipliers (1, or 3 per coefficient lane)
  parameter NUMERR_W = 5,
  parameter [(1<<M)*M-1:0] INV_ROM = 0
) (
  input wire clk, input wire reset, input wire dsin, input wire dsout, input wire bypass,
  input wire [M-1:0] din, output wire [M-1:0] dout,
  output wire rdyin, output wire outvalid, output wire decfail,
  output wire [NUMERR_W-1:0] numerr
);
`include "rs_decoder_timing.vh"

  // Impossible parameters stop elaboration in every tool: the module instantiated does not
  // exist, and its name says what is wrong.
  generate
    if (M < 2 || (IRRPOL >> M) != 1) begin : check_field
      rs_decoder_needs_M_at_least_2_and_IRRPOL_of_degree_M impossible ();
    end
    if (R < 2 || N <= R || N >= (1 << M)) begin : check_code
      rs_decoder_needs_2_le_R_lt_N_lt_2_pow_M impossible ();
    end
    if ((1 << NUMERR_W) <= R / 2) begin : check_numerr
      rs_decoder_needs_NUMERR_W_to_count_R_over_2 impossible ();
    end
  endgenerate
  localparam T = R / 2;
  localparam IW = $clog2(N);
  localparam LW = $clog2(T + 1) + 1;
  // The solver's clocks (start to done, and between two starts), the closest word starts, the
  // search's clocks and the memories, all from rs_decoder_timing.vh.
  localparam integer KES_LAT = kes_latency(SOLVER, R, MULS);
  localparam integer KES_GAP = kes_gap(SOLVER, R, MULS);
  localparam integer SPACE = word_spacing(N, KES_GAP);
  localparam integer GUARD = input_guard(DISCRETE, N, SPACE);
  localparam GW = $clog2(GUARD + 2);
  /* verilator lint_off UNUSEDPARAM */  // the testbenches read them: they are the structure's own
  localparam integer OUT_LAT = output_latency(N, KES_LAT);
  localparam integer ERR_WORDS = error_words(N);
  /* verilator lint_on UNUSEDPARAM */
  // The received-word memory: a word's symbols at {its slot, symbol index}, so the input's and
  // the output pass's symbol counts address it.
  localparam integer RX_WORDS = received_words(N, KES_LAT, SPACE);
  localparam AW = $clog2(RX_WORDS);
  localparam SW = AW - IW;
  localparam integer NL = N - 1;

  // ---- input: word framing, syndromes, received-word memory ----
  reg dsin_q, rx_q, rdy_q, bp_q, kstart_q;
  reg [IW-1:0] icnt_q;
  reg [GW-1:0] guard_q;
  reg [SW-1:0] wslot_q;

  wire take = (DISCRETE != 0) ? (dsin && rdy_q) : (rx_q || (dsin && !dsin_q && rdy_q));
  wire first = !rx_q;
  wire lastsym = take && (icnt_q == NL[IW-1:0]);
  wire bp_now = first ? bypass : bp_q;
  wire rx_d = take ? !lastsym : rx_q;
  wire [GW-1:0] guard_d = lastsym ? GUARD[GW-1:0] : ((guard_q != 0) ? guard_q - 1'b1 : guard_q);

  always @(posedge clk) dsin_q <= dsin;

  always @(posedge clk)
    if (reset) begin
      rx_q <= 1'b0;
      rdy_q <= 1'b1;
      kstart_q <= 1'b0;
      icnt_q <= {IW{1'b0}};
      guard_q <= {GW{1'b0}};
      wslot_q <= {SW{1'b0}};
    end else begin
      rx_q <= rx_d;
      guard_q <= guard_d;
      rdy_q <= ((DISCRETE != 0) || !rx_d) && (guard_d == 0);
      kstart_q <= lastsym;
      if (take) begin
        icnt_q <= lastsym ? {IW{1'b0}} : icnt_q + 1'b1;
        if (lastsym) wslot_q <= wslot_q + 1'b1;
      end
    end

  always @(posedge clk)
    if (take && first) bp_q <= bypass;

  wire [R*M-1:0] syn;
  rs_syndrome #(.M(M), .R(R), .IRRPOL(IRRPOL), .GENSTART(GENSTART)) u_syn (
    .clk(clk), .en(take), .first(first), .din(din), .syn(syn));

  reg [SW-1:0] rslot_q;
  wire rd;
  wire [IW-1:0] oidx;
  wire [M:0] word;
  rs_ram #(.W(M + 1), .AW(AW), .SYNC_READ(1)) u_buf (
    .clk(clk), .we(take), .waddr({wslot_q, icnt_q}), .wdata({bp_now, din}),
    .re(rd), .raddr({rslot_q, oidx}), .rdata(word));

  // ---- key equation ----
  wire kdone;
  wire [(T+1)*M-1:0] lambda;
  wire [T*M-1:0] omega;
  generate
    if (SOLVER == 0) begin : g_full
      rs_kes_full #(.M(M), .R(R), .IRRPOL(IRRPOL)) u_kes (
        .clk(clk), .reset(reset), .start(kstart_q), .syn(syn),
        .done(kdone), .lambda(lambda), .omega(omega));
    end else begin : g_half
      rs_kes_folded #(.M(M), .R(R), .IRRPOL(IRRPOL), .MULS(MULS)) u_kes (
        .clk(clk), .reset(reset), .start(kstart_q), .syn(syn),
        .done(kdone), .lambda(lambda), .omega(omega));
    end
  endgenerate

  // ---- search, error values, output pass ----
  wire orun, olast, ook;
  wire [LW-1:0] onum;
  wire [M-1:0] oerr;
  rs_chien_forney #(.M(M), .N(N), .R(R), .IRRPOL(IRRPOL), .GENSTART(GENSTART),
                    .INV_ROM(INV_ROM), .IW(IW), .LW(LW)) u_cf (
    .clk(clk), .reset(reset), .load(kdone), .lambda(lambda), .omega(omega),
    .orun(orun), .olast(olast), .oidx(oidx), .oerr(oerr), .ok_q(ook), .num_q(onum));

  // The pass reads the word and its error values in the same clocks; both arrive a clock later.
  reg oedge_q;
  reg [M-1:0] rs_q;
  reg ov_q, df_q;
  reg [NUMERR_W-1:0] ne_q;
  /* verilator lint_off UNUSEDSIGNAL */
  wire [31:0] num_w = {{(32-LW){1'b0}}, onum};   // numerr in its own width
  /* verilator lint_on UNUSEDSIGNAL */
  wire wbp = word[M];
  assign rd = orun;

  always @(posedge clk)
    if (reset) begin
      oedge_q <= 1'b0;
      rslot_q <= {SW{1'b0}};
    end else begin
      oedge_q <= orun;
      if (olast) rslot_q <= rslot_q + 1'b1;
    end

  // The outputs are registers; an edge with dsout = 0 loads them with 0 (so does an unknown
  // state before the first reset, in simulation).
  always @(posedge clk)
    if (dsout && oedge_q && !reset) begin
      ov_q <= 1'b1;
      rs_q <= word[M-1:0] ^ ((ook && !wbp) ? oerr : {M{1'b0}});
      ne_q <= (ook && !wbp) ? num_w[NUMERR_W-1:0] : {NUMERR_W{1'b0}};
      df_q <= !ook && !wbp;
    end else begin
      ov_q <= 1'b0;
      rs_q <= {M{1'b0}};
      ne_q <= {NUMERR_W{1'b0}};
      df_q <= 1'b0;
    end

  assign dout = rs_q;
  assign outvalid = ov_q;
  assign numerr = ne_q;
  assign decfail = df_q;
  assign rdyin = rdy_q;
`ifdef FORMAL
  // Proved by tools/formal.sh (tests/formal) for every input sequence after a first reset.
  // The trackers count in edges, as docs/hdl.md states the timing.
  reg f_past_valid_q = 1'b0;  // $past means something from the second edge on
  reg [KES_LAT-1:0] f_kes_q = 0;  // bit i: the solver was started i + 1 edges ago
  reg [OUT_LAT-1:0] f_last_q = 0;  // bit i: a word's last symbol was taken i + 1 edges ago
  reg [15:0] f_since_q = 0;  // edges since a word's first (discrete: last) symbol, up to SPACE
  reg [IW-1:0] f_ridx_q = 0;  // the position in its word of the symbol read last clock
  reg [IW-1:0] f_oidx_q = 0;  // the position in its word of the symbol on dout
  always @(posedge clk) begin
    f_past_valid_q <= 1'b1;
    f_kes_q <= reset ? {KES_LAT{1'b0}} : {f_kes_q, kstart_q};
    f_last_q <= reset ? {OUT_LAT{1'b0}} : {f_last_q[OUT_LAT-2:0], lastsym};
    if (reset) f_since_q <= SPACE;
    else if (DISCRETE != 0 ? lastsym : take && first) f_since_q <= (DISCRETE != 0) ? 0 : 1;
    else if (f_since_q < SPACE) f_since_q <= f_since_q + 1'b1;
    if (orun) f_ridx_q <= oidx;
    if (dsout && oedge_q && !reset) f_oidx_q <= f_ridx_q;
  end
  always @(*) if (!f_past_valid_q) assume (reset);  // the block is reset once at start

  always @(*)
    if (f_past_valid_q) begin
      // between words all four outputs are 0
      if (!outvalid) assert (dout == 0 && numerr == 0 && !decfail);
      if (outvalid) assert (!decfail || numerr == 0);  // a failed word reports no errors
      // the solver's done comes exactly KES_LAT edges after its start, and never without one
      assert (kdone == f_kes_q[KES_LAT-1]);
      // the solver is started no closer than KES_GAP edges after its last start
      if (kstart_q) assert (f_kes_q[KES_GAP-2:0] == 0);
      // streaming: rdyin is 0 from a word's first symbol for SPACE edges, words start no closer
      if (DISCRETE == 0) assert (rdyin == (f_since_q == SPACE));
      // discrete: rdyin is 0 for GUARD edges after a word's last symbol
      if (DISCRETE != 0) assert (rdyin == (f_since_q >= GUARD));
      // a word's first symbol is read on the OUT_LAT-th edge after the one taking its last
      if (outvalid && f_oidx_q == 0) assert (f_last_q[OUT_LAT-1]);
    end

  always @(posedge clk)
    if (f_past_valid_q) begin
      // reset empties the block: outputs 0, rdyin 1
      if ($past(reset)) assert (!outvalid && dout == 0 && numerr == 0 && !decfail && rdyin);
      // streaming: a word once begun is taken on consecutive edges
      if (DISCRETE == 0 && $past(take && !lastsym && !reset)) assert (take);
      // with dsout 1 a word leaves on n consecutive edges, in order
      if ($past(outvalid && f_oidx_q != NL[IW-1:0] && dsout && !reset))
        assert (outvalid && f_oidx_q == $past(f_oidx_q) + 1'b1);
      // numerr and decfail are constant over a word
      if ($past(outvalid) && outvalid && f_oidx_q != 0)
        assert ($stable(numerr) && $stable(decfail));
    end
`endif
endmodule
`default_nettype wire
