`default_nettype none
// Chien search and Forney's error values, one position a clock, then the word's error values in
// output order.
//
// The search runs upward from position 0 (x^0, the word's last symbol), so its registers take
// the solver's coefficients as they are: locator term i starts at lambda_i and steps by
// alpha^-i, its sum at position p is Lambda(X^-1) for X = alpha^p. Evaluator term i steps by
// alpha^-(i+GENSTART), so its sum is X^-GENSTART Omega(X^-1), the numerator of Forney's
// e = X^-GENSTART Omega(X^-1) / Lambda_odd(X^-1) with no power table and no second product.
// Every position's value (0 where it is no root) goes into a page of the error memory at the
// position's output index, so the output pass reads the page in the word's order whatever
// order the search ran in. Two pages: a word's search fills one while the word before leaves from the
// other, words as close as N clocks.
//
// Clocks counted from the one where load is 1 (0): the search registers hold position p in
// clock 1 + p, its root and inverse are registered in 2 + p and 3 + p, its value is written at
// the end of 3 + p. The output pass reads index i in clock N + 3 + i (orun), its value in oerr
// one clock later; ok and num, the word's verdict, hold from clock N + 4 to the next word's.
// A word's values are found after the search of its last position, so the pass cannot start
// sooner: N + 3 clocks from the solver's done to the pass's first read (rs_decoder's CF_LAT).
// uses: rs_ram.v
module rs_chien_forney #(
  parameter M = 8, parameter N = 204, parameter R = 16,
  parameter IRRPOL = 285, parameter GENSTART = 0,
  parameter [(1<<M)*M-1:0] INV_ROM = 0,      // [a*M +: M] = 1/a
  parameter IW = 8,                          // output index width, N <= 2^IW
  parameter LW = 5                           // width of the error count, holds R/2
) (
  input wire clk, input wire reset,
  input wire load,                           // lambda and omega valid: start a word
  input wire [(R/2+1)*M-1:0] lambda,
  input wire [(R/2)*M-1:0] omega,
  output wire orun,                          // the pass reads index oidx this clock
  output wire olast,                         //   index N - 1, the pass's last read
  output wire [IW-1:0] oidx,
  output wire [M-1:0] oerr,                  // the value read in the clock before
  output reg ok_q,                           // the word leaving: Lambda != 0, roots = deg
  output reg [LW-1:0] num_q                  //   deg Lambda
);
`include "rs_gf_functions.vh"

  localparam T = R / 2;
  localparam Q = (1 << M) - 1;
  localparam integer NL = N - 1;

  // The search needs three positions to tell its last one from the pipeline's count (below).
  generate
    if (N < 3 || N > Q || R < 2 || (1 << IW) < N || (1 << LW) <= T) begin : g_bad
      rs_chien_forney_parameters_out_of_range u_stop();
    end
  endgenerate

  // ---- search registers (clock 1 + p holds position p) ----
  reg act_q;
  wire [M-1:0] lam_t[0:T];
  wire [M-1:0] om_t[0:T-1];
  genvar g;
  generate
    // The steps as named constants: a simulator that compiles the design (Verilator) would
    // otherwise run the power's loop for every register on every clock.
    for (g = 0; g <= T; g = g + 1) begin : g_lam
      localparam [M-1:0] STEP = gf_alpha_pow((Q - g % Q) % Q);
      reg [M-1:0] r_q;
      always @(posedge clk)
        if (load) r_q <= lambda[g*M +: M];
        else if (act_q) r_q <= gf_mul(r_q, STEP);
      assign lam_t[g] = r_q;
    end
    for (g = 0; g < T; g = g + 1) begin : g_om
      localparam [M-1:0] STEP = gf_alpha_pow((Q - (g + GENSTART) % Q) % Q);
      reg [M-1:0] r_q;
      always @(posedge clk)
        if (load) r_q <= omega[g*M +: M];
        else if (act_q) r_q <= gf_mul(r_q, STEP);
      assign om_t[g] = r_q;
    end
  endgenerate

  reg [M-1:0] lsum, lodd, osum;
  integer i;
  always @* begin
    lsum = {M{1'b0}};
    lodd = {M{1'b0}};
    osum = {M{1'b0}};
    for (i = 0; i <= T; i = i + 1) begin
      lsum = lsum ^ lam_t[i];
      if (i % 2 == 1) lodd = lodd ^ lam_t[i];
    end
    for (i = 0; i < T; i = i + 1) osum = osum ^ om_t[i];
  end

  // ---- deg Lambda and whether Lambda = 0, at load ----
  reg [LW-1:0] deg_in;
  always @* begin
    deg_in = {LW{1'b0}};
    for (i = 1; i <= T; i = i + 1)
      if (lambda[i*M +: M] != {M{1'b0}}) deg_in = i[LW-1:0];
  end
  wire nz_in = (deg_in != {LW{1'b0}}) || (lambda[0 +: M] != {M{1'b0}});

  // ---- Forney pipeline: root and 1 / Lambda_odd (2 + p), operands in fabric (3 + p) ----
  // The inverses, read on a clock edge: beyond 64 words (one LUT a bit) a block RAM, in place
  // of a few dozen LUTs.
  wire [M-1:0] inv1;
  integer k;
  generate
    if (M > 6) begin : g_block
      (* rom_style = "block" *) reg [M-1:0] rom[0:Q];
      reg [M-1:0] inv1_q;
      initial for (k = 0; k <= Q; k = k + 1) rom[k] = INV_ROM[k*M +: M];
      always @(posedge clk) inv1_q <= rom[lodd];
      assign inv1 = inv1_q;
    end else begin : g_lut
      reg [M-1:0] rom[0:Q];
      reg [M-1:0] inv1_q;
      initial for (k = 0; k <= Q; k = k + 1) rom[k] = INV_ROM[k*M +: M];
      always @(posedge clk) inv1_q <= rom[lodd];
      assign inv1 = inv1_q;
    end
  endgenerate

  reg v1_q, v2_q, root1_q, root2_q, ld1_q, ld2_q;
  reg [M-1:0] inv2_q, om1_q, om2_q;
  always @(posedge clk) begin
    inv2_q <= inv1;
    om1_q <= osum;
    om2_q <= root1_q ? om1_q : {M{1'b0}};       // 0 where no root: the product is the value
    root1_q <= lsum == {M{1'b0}};
    root2_q <= root1_q;
  end

  // The write address counts the output index down at the pipeline's end; the search's last
  // position (index 0) is in the registers when the pipeline's end is at index 2.
  reg [IW-1:0] wa_q;
  reg wpage_q;
  wire last2 = v2_q && (wa_q == {IW{1'b0}});
  wire last0 = act_q && v2_q && (wa_q == 2);

  // deg Lambda follows the word down the pipeline: the next word may load before its end.
  // Lambda of degree L != 0 has at most L roots, so the count stays within LW bits; Lambda = 0
  // (the solver's mark of a word beyond t) has a root everywhere and fails on nz alone.
  reg [LW-1:0] deg0_q, deg2_q, cnt_q;
  reg nz0_q, nz2_q;
  wire [LW-1:0] cnt_d = cnt_q + {{(LW-1){1'b0}}, root2_q};

  always @(posedge clk)
    if (reset) begin
      act_q <= 1'b0;
      v1_q <= 1'b0;
      v2_q <= 1'b0;
      ld1_q <= 1'b0;
      ld2_q <= 1'b0;
      wa_q <= NL[IW-1:0];
      wpage_q <= 1'b0;
      cnt_q <= {LW{1'b0}};
    end else begin
      act_q <= load || (act_q && !last0);
      v1_q <= act_q;
      v2_q <= v1_q;
      ld1_q <= load;
      ld2_q <= ld1_q;
      if (v2_q) begin
        wa_q <= last2 ? NL[IW-1:0] : wa_q - 1'b1;
        cnt_q <= last2 ? {LW{1'b0}} : cnt_d;
      end
      if (last2) wpage_q <= !wpage_q;
    end

  always @(posedge clk) begin
    if (load) begin
      deg0_q <= deg_in;
      nz0_q <= nz_in;
    end
    if (ld2_q) begin
      deg2_q <= deg0_q;
      nz2_q <= nz0_q;
    end
  end

  wire [M-1:0] err = gf_mul(om2_q, inv2_q);

  // ---- output pass ----
  reg orun_q, ofirst_q, vok_q;
  reg [IW-1:0] oa_q;
  reg [LW-1:0] vnum_q;
  assign olast = orun_q && (oa_q == NL[IW-1:0]);

  always @(posedge clk)
    if (reset) begin
      orun_q <= 1'b0;
      ofirst_q <= 1'b0;
      oa_q <= {IW{1'b0}};
    end else begin
      ofirst_q <= last2;
      orun_q <= last2 || (orun_q && !olast);
      if (orun_q) oa_q <= olast ? {IW{1'b0}} : oa_q + 1'b1;
    end

  always @(posedge clk) begin
    if (last2) begin
      vok_q <= nz2_q && (cnt_d == deg2_q);
      vnum_q <= deg2_q;
    end
    if (ofirst_q) begin
      ok_q <= vok_q;
      num_q <= vnum_q;
    end
  end

  // The page being read is the one the search filled before its last flip.
  rs_ram #(.W(M), .AW(IW + 1), .SYNC_READ(1)) u_page (
    .clk(clk), .we(v2_q), .waddr({wpage_q, wa_q}), .wdata(err),
    .re(orun_q), .raddr({!wpage_q, oa_q}), .rdata(oerr));

  assign orun = orun_q;
  assign oidx = oa_q;
endmodule
`default_nettype wire
