// Chien search and Forney's error values in one pass over the N positions, in output order
// (x^(N-1) first), one position a clock, with a three-stage pipeline behind the search.
// Every position where Lambda(X^-1) = 0 is a root; the error value there is
// e = (X^-1)^GENSTART * Omega(X^-1) / Lambda_odd(X^-1), the factor read from EVNUM_ROM
// (skipped for GENSTART 0) and the division done through INV_ROM.
//
// The registers start at position N-1 (term i loaded as c_i * alpha^(-(N-1)i)) and step by
// alpha^i. The roots are counted while searching; only the first L roots (L = deg Lambda) are
// passed on, since a word with more cannot be corrected, so at most R/2 values per word leave.
// uses:
module rs_chien_forney #(
  parameter M = 8, parameter N = 204, parameter R = 16,
  parameter IRRPOL = 285, parameter GENSTART = 0,
  parameter [(1<<M)*M-1:0] INV_ROM = 0,
  parameter [(1<<M)*M-1:0] EVNUM_ROM = 0,
  parameter IW = 8,                          // position index width, N <= 2^IW
  parameter LW = 5                           // width of the error count
) (
  input clk, input reset,
  input load,                                // lambda, omega valid: start a word
  input [(R/2+1)*M-1:0] lambda,
  input [(R/2)*M-1:0] omega,
  output last,                               // the search is at the word's last position
  output reg fin,                            // one clock after last: the word's verdict
  output reg fin_ok,                         //   roots found = deg Lambda
  output reg [LW-1:0] fin_num,               //   deg Lambda
  output push,                               // an error value for position push_idx
  output [IW-1:0] push_idx,                  //   (0 = the word's first symbol)
  output [M-1:0] push_err,
  output push_tag                            //   word parity, flips every word
);
`include "rs_gf_functions.vh"

  localparam T = R / 2;
  localparam Q = (1 << M) - 1;
  localparam SH = (Q - (N - 1) % Q) % Q;     // alpha^SH = alpha^-(N-1)
  localparam CW = LW;                        // holds T + 1
  localparam integer CM = T + 1;
  localparam integer NL = N - 1;

  reg act, tag;

  // ---- search registers ----
  wire [M-1:0] lam_t[0:T];
  wire [M-1:0] om_t[0:T-1];
  genvar g;
  generate
    for (g = 0; g <= T; g = g + 1) begin : g_lam
      localparam [M-1:0] C0 = gf_alpha_pow((SH * g) % Q);
      localparam [M-1:0] STEP = gf_alpha_pow(g);
      reg [M-1:0] r;
      if (C0 == STEP) begin : g_shared       // n = 2^m - 1: the load shares the step
        always @(posedge clk)
          if (load || act) r <= gf_mul(load ? lambda[g*M +: M] : r, STEP);
      end else begin : g_own
        always @(posedge clk)
          if (load) r <= gf_mul(lambda[g*M +: M], C0);
          else if (act) r <= gf_mul(r, STEP);
      end
      assign lam_t[g] = r;
    end
    for (g = 0; g < T; g = g + 1) begin : g_om
      localparam [M-1:0] C0 = gf_alpha_pow((SH * g) % Q);
      localparam [M-1:0] STEP = gf_alpha_pow(g);
      reg [M-1:0] r;
      if (C0 == STEP) begin : g_shared       // n = 2^m - 1: the load shares the step
        always @(posedge clk)
          if (load || act) r <= gf_mul(load ? omega[g*M +: M] : r, STEP);
      end else begin : g_own
        always @(posedge clk)
          if (load) r <= gf_mul(omega[g*M +: M], C0);
          else if (act) r <= gf_mul(r, STEP);
      end
      assign om_t[g] = r;
    end
  endgenerate

  reg [M-1:0] lev, lod, oms;
  integer i;
  always @* begin
    lev = {M{1'b0}};
    lod = {M{1'b0}};
    oms = {M{1'b0}};
    for (i = 0; i <= T; i = i + 1)
      if (i % 2 == 0) lev = lev ^ lam_t[i];
      else lod = lod ^ lam_t[i];
    for (i = 0; i < T; i = i + 1) oms = oms ^ om_t[i];
  end

  // deg Lambda at load
  reg [LW-1:0] deg_in;
  always @* begin
    deg_in = {LW{1'b0}};
    for (i = 1; i <= T; i = i + 1)
      if (lambda[i*M +: M] != {M{1'b0}}) deg_in = i[LW-1:0];
  end

  reg [IW-1:0] pos;
  reg [LW-1:0] deg;
  reg [CW-1:0] cnt;                          // roots so far, saturating at T + 1
  wire root = act && (lev == lod);
  assign last = act && (pos == NL[IW-1:0]);
  wire take = root && (cnt < deg);

  always @(posedge clk)
    if (reset) begin
      act <= 1'b0;
      tag <= 1'b0;
      fin <= 1'b0;
      pos <= {IW{1'b0}};
      cnt <= {CW{1'b0}};
    end else begin
      fin <= last;
      fin_ok <= (cnt + {{(CW-1){1'b0}}, root}) == deg;
      fin_num <= deg;
      if (last) tag <= !tag;
      if (load) begin
        act <= 1'b1;
        pos <= {IW{1'b0}};
        cnt <= {CW{1'b0}};
        deg <= deg_in;
      end else if (act) begin
        act <= !last;
        pos <= pos + 1'b1;
        if (root && cnt != CM[CW-1:0]) cnt <= cnt + 1'b1;
      end
    end

  // ---- Forney pipeline ----
  reg vb, vc, tagb, tagc;
  reg [IW-1:0] idxb, idxc;
  reg [M-1:0] lodb, omb, xib, p1c, evc;
  reg [M-1:0] xi;                            // X^-1 of the position in the search

  always @(posedge clk)
    if (load) xi <= gf_alpha_pow(SH);
    else if (act) xi <= gf_mul(xi, 2);

  always @(posedge clk)
    if (reset) begin
      vb <= 1'b0;
      vc <= 1'b0;
    end else begin
      vb <= take;
      vc <= vb;
    end

  always @(posedge clk) begin
    idxb <= pos;
    tagb <= tag;
    lodb <= lod;
    omb <= oms;
    xib <= xi;
    idxc <= idxb;
    tagc <= tagb;
    p1c <= gf_mul(omb, INV_ROM[lodb*M +: M]);
    evc <= EVNUM_ROM[xib*M +: M];
  end

  assign push = vc;
  assign push_idx = idxc;
  assign push_tag = tagc;
  generate
    if (GENSTART == 0) begin : g_nofactor
      wire [M-1:0] unused_evc = evc;
      assign push_err = p1c;
    end else begin : g_factor
      assign push_err = gf_mul(p1c, evc);
    end
  endgenerate
endmodule
