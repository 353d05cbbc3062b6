// Reed-Solomon decoder core: syndromes while a word comes in, the key equation, one Chien and
// Forney pass that counts the roots and pages every position's error value, then the word
// leaves with its verdict. The verdict (numerr, decfail) needs every root, so the output pass
// follows the search; the received word waits in a memory, the error values in the search's.
// uses: rs_syndrome.v rs_kes_full.v rs_kes_half.v rs_chien_forney.v rs_ram.v
module rs_decoder #(
  parameter M = 8, parameter N = 204, parameter R = 16,
  parameter IRRPOL = 285, parameter GENSTART = 0,
  parameter DISCRETE = 0,
  parameter FULL = 1,
  parameter NUMERR_W = 5,
  parameter [(1<<M)*M-1:0] INV_ROM = 0
) (
  input clk, input reset, input dsin, input dsout, input bypass,
  input [M-1:0] din, output [M-1:0] dout,
  output rdyin, output outvalid, output decfail, output [NUMERR_W-1:0] numerr
);
  localparam T = R / 2;
  localparam IW = $clog2(N);
  localparam LW = $clog2(T + 1) + 1;
  // Key-equation solver timing: clocks from start to done, and the closest starts it takes.
  // The half solver's clocks with one and with three multipliers, as rs_kes_half.v counts
  // them. Streaming, three serve r = 16 (the DVB code back to back), one the others. A
  // discrete word must leave within the allowance the wizard's discrete vector file gives,
  // 1.2 (5N + 11R + 4) clocks: the fewest multipliers that make it, and the full solver where
  // even three do not (small N with large R).
  localparam HALF1 = (3 * R + T) * (T + 1) + 1;
  localparam HALF3 = (R + (T + 1) / 2) * (T + 1) + 1;
  // Clocks from the solver's done to the output pass's first read (rs_chien_forney.v); a word's
  // last symbol leaves 2N + 2 + CF_LAT + KES_LAT clocks after its first came in.
  localparam CF_LAT = N + 3;
  localparam ALLOW10 = 12 * (5 * N + 11 * R + 4);
  localparam FITS1 = 10 * (2 * N + 2 + CF_LAT + HALF1) < ALLOW10;
  localparam FITS3 = 10 * (2 * N + 2 + CF_LAT + HALF3) < ALLOW10;
  localparam HALF_MULS = (DISCRETE != 0) ? (FITS1 ? 1 : 3) : ((R == 16) ? 3 : 1);
  localparam USE_FULL = (FULL != 0) || (DISCRETE != 0 && !FITS1 && !FITS3);
  localparam HALF_CLOCKS = (HALF_MULS == 3) ? HALF3 : HALF1;
  localparam KES_LAT = USE_FULL ? R + T + 2 : HALF_CLOCKS;
  localparam KES_GAP = USE_FULL ? R + 1 : HALF_CLOCKS;
  localparam SPACE = (KES_GAP > N) ? KES_GAP : N;        // closest word starts
  localparam GUARD = (DISCRETE != 0) ? ((SPACE - N > 1) ? SPACE - N : 1) : SPACE - N;
  localparam GW = $clog2(GUARD + 2);
  // The received-word memory: a word's symbols at {its slot, symbol index}, so the input's and
  // the output pass's symbol counts address it. A symbol waits N + KES_LAT + CF_LAT clocks;
  // the words starting within that wait need a slot each, and one more is being written.
  localparam SW = $clog2((N + KES_LAT + CF_LAT) / SPACE + 1);
  localparam AW = SW + IW;
  localparam integer NL = N - 1;

  // ---- input: word framing, syndromes, received-word memory ----
  reg dsin_q, rx_q, rdy_q, bp_q, kstart;
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
      kstart <= 1'b0;
      icnt_q <= {IW{1'b0}};
      guard_q <= {GW{1'b0}};
      wslot_q <= {SW{1'b0}};
    end else begin
      rx_q <= rx_d;
      guard_q <= guard_d;
      rdy_q <= ((DISCRETE != 0) || !rx_d) && (guard_d == 0);
      kstart <= lastsym;
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
    if (USE_FULL) begin : g_full
      rs_kes_full #(.M(M), .R(R), .IRRPOL(IRRPOL)) u_kes (
        .clk(clk), .reset(reset), .start(kstart), .syn(syn),
        .done(kdone), .lambda(lambda), .omega(omega));
    end else begin : g_half
      rs_kes_half #(.M(M), .R(R), .IRRPOL(IRRPOL), .MULS(HALF_MULS)) u_kes (
        .clk(clk), .reset(reset), .start(kstart), .syn(syn),
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
endmodule
