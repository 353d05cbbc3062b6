// uses: rs_kes_half_mul.v
// Key-equation solver of the "Half - Smaller" decoder: the inversionless Berlekamp-Massey
// algorithm folded onto MULS general GF(2^M) multipliers, then Omega(x) = S(x) Lambda(x) mod x^t.
//
// t = floor(R/2). The polynomials live in rotating registers of t+1 coefficients (the head is
// the coefficient in work, a full pass of t+1 steps brings every register back in order), so
// no register needs a read multiplexer; the syndromes are held as loaded and read through one
// port.
//
// Iteration r = 0 .. R-1 (one pass), with C(x) = x B(x), gamma the last non-zero discrepancy
// and L the register length (Lambda = 1, C = x, gamma = 1, delta = S_0, L = 0 at start):
//   Lambda' = gamma Lambda + delta C
//   C'      = x Lambda, gamma' = delta, L' = r + 1 - L   when delta != 0 and 2L <= r
//   C'      = x C                                        otherwise
//   delta'  = sum_i Lambda'_i S_(r+1-i)     (accumulated while Lambda' is formed)
// Lambda is the textbook Berlekamp-Massey locator times the product of the gammas. Whenever the
// final L is at most t the coefficients above t are zero throughout, so t+1 coefficients are
// exact. No codeword lies within t symbols when L > t or deg Lambda < L (Lambda_L = 0): then
// lambda and omega are 0, so that every position is a root and the decoder fails the word.
// The odd R case runs all R iterations, so the extra syndrome is checked as well.
//
// Omega by Horner's rule over the syndromes, T <- x^G T + (S_(j+G-1) x^(G-1) + .. + S_j) Lambda
// (mod x^t), one pass per group of G syndromes, the highest group first, in the register of C:
// what C leaves there ends up multiplied by x^(G * passes), a multiple of x^t, so it needs no
// clearing.
//
// MULS = 3: one coefficient a clock (G = 2); MULS = 1: one multiplier time-shared, three clocks
// a coefficient in the iterations, one in the Omega passes (G = 1). Cycles from the clock in
// which start is 1 to the clock in which done is 1 (exact, independent of the data):
//   MULS = 3: (R + ceil(t/2)) (t + 1) + 1          R = 16: 181
//   MULS = 1: (3 R + t) (t + 1) + 1                R = 4: 43, R = 32: 1905, R = 50: 4551
// Three multipliers are chosen for R = 16 only, where the DVB code (204,188) needs codewords
// back to back; every other R meets its codeword spacing with one.
module rs_kes_half #(
  parameter M = 8, parameter R = 16, parameter IRRPOL = 285,
  parameter MULS = (R == 16) ? 3 : 1  // 1 or 3
) (
  input clk,
  input reset,
  input start,
  input [R*M-1:0] syn,
  output done,
  output [(R/2+1)*M-1:0] lambda,
  output [(R/2)*M-1:0] omega
);

  localparam integer T = R / 2;
  localparam FAST = (MULS > 1) ? 1 : 0;
  localparam integer NOM = FAST ? (T + 1) / 2 : T;  // Omega passes
  localparam PW = $clog2(R + 1);
  localparam SW = $clog2(R);  // syndrome index; reads past S_(R-1) only meet zero factors
  localparam IW = $clog2(T + 1);
  localparam KW = $clog2(R + 1) + 1;
  localparam [1:0] IDLE = 2'd0, ITER = 2'd1, OMEGA = 2'd2;
  localparam integer FFIRST = FAST ? 2 * NOM - 1 : T - 1;
  localparam integer IFETCH = FAST ? T - 1 : T;
  localparam integer PLAST_ITER = R - 1;
  localparam integer PLAST_OMEGA = NOM - 1;
  localparam [M-1:0] ONE = {{(M - 1) {1'b0}}, 1'b1};

  reg [R*M-1:0] s_q;
  reg [(T+1)*M-1:0] lam_q;  // Lambda; in the Omega passes it only rotates
  reg [(T+1)*M-1:0] c_q;  // C(x); in the Omega passes T(x), which becomes Omega
  reg [M-1:0] gam_q;  // gamma; in the Omega passes the syndrome of x^0
  reg [M-1:0] del_q;  // delta; in the Omega passes (MULS = 3) the syndrome of x^1
  reg [M-1:0] dacc_q;  // the next delta, accumulated over the pass
  reg [M-1:0] hold_q;  // the head of the step before: the next C coefficient, or T_(k-1)
  reg [M-1:0] dly_q;  // T_(k-2) (MULS = 3)
  reg [M-1:0] shad_q;  // syndrome fetched one step ahead of its pass (MULS = 3)
  reg [M-1:0] acc_q;  // partial Lambda' coefficient (MULS = 1)
  reg [1:0] phase_q;
  reg [PW-1:0] pc_q;  // pass
  reg [IW-1:0] i_q;  // coefficient in work
  reg [1:0] sub_q;  // product within a coefficient step (MULS = 1)
  reg [KW-1:0] k_q;  // r - 2L, two's complement: a length change needs k >= 0
  reg [SW-1:0] fa_q;  // next syndrome to fetch for the Omega passes
  reg short_q;  // deg Lambda < L
  reg done_q;

  wire iter = phase_q == ITER;
  wire om = phase_q == OMEGA;
  wire [M-1:0] lam_h = lam_q[0+:M];
  wire [M-1:0] c_h = c_q[0+:M];
  wire step = FAST ? (iter | om) : (om | (iter & (sub_q == 2'd2)));
  wire last_i = i_q == T[IW-1:0];
  wire pass_end = step & last_i;
  wire last_iter = iter & (pc_q == PLAST_ITER[PW-1:0]);
  wire sel = iter & (del_q != {M{1'b0}}) & ~k_q[KW-1];
  wire [KW-1:0] k_new = sel ? ~k_q : k_q + {{(KW - 1) {1'b0}}, 1'b1};
  wire [KW-1:0] two_l = R[KW-1:0] - k_new;  // 2L after the last iteration
  wire fail = k_q[KW-1] | short_q;  // in the Omega passes: L > t or deg Lambda < L

  // One syndrome port: S_(r+1-i) in the iterations, the Omega scalars at the ends of passes.
  wire fetch = (om | last_iter) & (i_q == IFETCH[IW-1:0] || (FAST && last_i));
  wire [SW-1:0] a_iter = pc_q[SW-1:0] + {{(SW - 1) {1'b0}}, 1'b1} - {{(SW - IW) {1'b0}}, i_q};
  wire [SW-1:0] addr = fetch ? fa_q : a_iter;
  wire [M-1:0] port = s_q[addr*M+:M];

  wire [M-1:0] lam_new;  // Lambda'_i
  wire [M-1:0] dpart;  // term of the next delta
  wire [M-1:0] t_new;  // T'_k
  generate
    if (FAST) begin : g_three
      wire [M-1:0] lam_t = lam_q[T*M+:M];  // Lambda_(k-1): the coefficient just rotated
      wire [M-1:0] p1;
      wire [M-1:0] p2;
      rs_kes_half_mul #(.M(M), .IRRPOL(IRRPOL)) u_gam (.a(gam_q), .b(lam_h), .y(p1));
      rs_kes_half_mul #(.M(M), .IRRPOL(IRRPOL)) u_del (
          .a(del_q), .b(iter ? c_h : (i_q == {IW{1'b0}}) ? {M{1'b0}} : lam_t), .y(p2));
      assign lam_new = p1 ^ p2;
      rs_kes_half_mul #(.M(M), .IRRPOL(IRRPOL)) u_syn (.a(lam_new), .b(port), .y(dpart));
      assign t_new = dly_q ^ lam_new;
    end else begin : g_one
      wire first = om | (sub_q == 2'd0);
      wire [M-1:0] ma = first ? gam_q : (sub_q == 2'd1) ? del_q : acc_q;
      wire [M-1:0] mb = first ? lam_h : (sub_q == 2'd1) ? c_h : port;
      wire [M-1:0] p;
      rs_kes_half_mul #(.M(M), .IRRPOL(IRRPOL)) u_mul (.a(ma), .b(mb), .y(p));
      assign lam_new = acc_q;
      assign dpart = p;
      assign t_new = hold_q ^ p;
      wire unused_dly = ^dly_q;
    end
  endgenerate

  always @(posedge clk) begin
    done_q <= 1'b0;
    if (reset) begin
      phase_q <= IDLE;
    end else if (start) begin
      s_q <= syn;
      lam_q <= {{(T * M) {1'b0}}, ONE};
      c_q <= {{((T - 1) * M) {1'b0}}, ONE, {M{1'b0}}};
      gam_q <= ONE;
      del_q <= syn[M-1:0];
      hold_q <= {M{1'b0}};
      dly_q <= {M{1'b0}};
      dacc_q <= {M{1'b0}};
      k_q <= {KW{1'b0}};
      pc_q <= {PW{1'b0}};
      i_q <= {IW{1'b0}};
      sub_q <= 2'd0;
      fa_q <= FFIRST[SW-1:0];
      short_q <= 1'b0;
      phase_q <= ITER;
    end else if (iter | om) begin
      if (!FAST && iter) begin
        sub_q <= (sub_q == 2'd2) ? 2'd0 : sub_q + 2'd1;
        if (sub_q == 2'd0) acc_q <= dpart;
        if (sub_q == 2'd1) acc_q <= acc_q ^ dpart;
      end
      if (step) begin
        // a failed word leaves zeros behind in the Omega passes
        lam_q <= {iter ? lam_new : fail ? {M{1'b0}} : lam_h, lam_q[(T+1)*M-1:M]};
        c_q <= {iter ? hold_q : fail ? {M{1'b0}} : t_new, c_q[(T+1)*M-1:M]};
        hold_q <= last_i ? {M{1'b0}} : sel ? lam_h : c_h;
        dly_q <= last_i ? {M{1'b0}} : hold_q;
        i_q <= last_i ? {IW{1'b0}} : i_q + {{(IW - 1) {1'b0}}, 1'b1};
        if (iter) dacc_q <= last_i ? {M{1'b0}} : dacc_q ^ dpart;
        if (fetch) fa_q <= fa_q - {{(SW - 1) {1'b0}}, 1'b1};
        if (FAST && fetch && !last_i) shad_q <= port;
        if (last_iter && {{(KW - IW - 1) {1'b0}}, i_q, 1'b0} == two_l && lam_new == {M{1'b0}})
          short_q <= 1'b1;
      end
      if (pass_end) begin
        pc_q <= pc_q + {{(PW - 1) {1'b0}}, 1'b1};
        if (iter) begin
          del_q <= dacc_q ^ dpart;
          k_q <= k_new;
          if (sel) gam_q <= del_q;
          if (last_iter) begin
            phase_q <= OMEGA;
            pc_q <= {PW{1'b0}};
          end
        end else if (pc_q == PLAST_OMEGA[PW-1:0]) begin
          phase_q <= IDLE;
          done_q <= 1'b1;
        end
        if (om | last_iter) begin  // the scalars of the next Omega pass
          gam_q <= port;
          if (FAST) del_q <= shad_q;
        end
      end
    end
  end

  assign done = done_q;
  assign lambda = lam_q;
  assign omega = c_q[T*M-1:0];

endmodule
