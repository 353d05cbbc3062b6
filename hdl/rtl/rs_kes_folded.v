`default_nettype none
// uses: rs_gf_multiplier.v
// Key-equation solver folded onto MULS general GF(2^M) multipliers: the inversionless
// Berlekamp-Massey algorithm, then Omega(x) = S(x) Lambda(x) mod x^t by Horner's rule.
//
// t = floor(R/2). MULS = 3 Q gives Q lanes of three multipliers, each lane one coefficient a
// clock; MULS = 1 time-shares one multiplier, three clocks a coefficient in the iterations.
// The polynomials live in rotating registers of NB Q coefficients (NB beats a pass, the first
// Q the ones in work); a pass of NB beats brings every register back in order, so no register
// needs a read multiplexer. A discrepancy term is multiplied a clock after its Lambda' is
// formed, from registers (Lambda' at the register's top, its syndrome read into sp_q), so that
// no path holds two multipliers in a row; a pass therefore ends with one closing clock, in
// which its last terms land. The clock count is kes_folded_clocks of rs_decoder_timing.vh.
//
// Iteration r = 0 .. R-1 (one pass), with C(x) = x B(x), gamma the last non-zero discrepancy
// and L the register length (Lambda = 1, C = x, gamma = 1, delta = S_0, L = 0 at start):
//   Lambda' = gamma Lambda + delta C
//   C'      = x Lambda, gamma' = delta, L' = r + 1 - L   when delta != 0 and 2L <= r
//   C'      = x C                                        otherwise
//   delta'  = sum_i Lambda'_i S_(r+1-i)     (accumulated while Lambda' is formed)
// Lambda is the textbook Berlekamp-Massey locator times the product of the gammas. The
// coefficients above NB Q - 1 are dropped; those kept are exact, and whenever the final L is
// at most t the locator has no coefficient above t. No codeword lies within t symbols when
// L > t or deg Lambda < L (Lambda_L = 0): then lambda and omega are 0, so that every position
// is a root and the decoder fails the word. The odd R case runs all R iterations, so the extra
// syndrome is checked as well.
//
// Omega by Horner's rule over the syndromes, T <- x^G T + (S_(j+G-1) x^(G-1) + .. + S_j) Lambda
// (mod x^t), one pass per group of G syndromes (G = 2 in lanes, 1 with one multiplier), the
// highest group first, in the register of C: what C leaves there ends up multiplied by
// x^(G * passes), a multiple of x^t, so it needs no clearing. The group's syndromes are read in
// the last beat and the closing clock of the pass before, when the port is free.
module rs_kes_folded #(
  parameter M = 8, parameter R = 16, parameter IRRPOL = 285,
  parameter MULS = 3  // 1, or 3 per lane
) (
  input wire clk,
  input wire reset,
  input wire start,
  input wire [R*M-1:0] syn,
  output wire done,
  output wire [(R/2+1)*M-1:0] lambda,
  output wire [(R/2)*M-1:0] omega
);
`include "rs_decoder_timing.vh"

  localparam integer T = R / 2;
  localparam [0:0] SHARED = (MULS == 1) ? 1'b1 : 1'b0;
  localparam integer Q = kes_lanes(MULS);
  localparam integer NB = kes_beats(R, MULS);
  localparam integer NL = NB * Q;  // coefficients held of each polynomial
  localparam integer NOM = kes_omega_passes(R, MULS);

  // An impossible size stops elaboration: a module that does not exist.
  generate
    if (R < 2 || M < 2 || (MULS != 1 && (MULS % 3 != 0 || MULS < 3 || Q > T + 1))) begin : g_bad
      rs_kes_folded_needs_MULS_1_or_3_per_lane_up_to_3t_plus_3_and_R_at_least_2 u_bad ();
    end
  endgenerate

  localparam PW = $clog2(R + 1);
  localparam SW = (R > 1) ? $clog2(R) : 1;  // syndrome index; reads past S_(R-1) meet only 0
  localparam BW = (NB > 1) ? $clog2(NB) : 1;
  localparam CW = $clog2(NL + 1) + 1;  // coefficient index, with room for 2L
  localparam KW = $clog2(R + 1) + 1;
  localparam [1:0] IDLE = 2'd0, ITER = 2'd1, OMEGA = 2'd2;
  localparam integer FFIRST = SHARED ? T - 1 : 2 * NOM - 1;
  localparam integer PLAST_ITER = R - 1;
  localparam integer PLAST_OMEGA = NOM - 1;
  localparam integer BLAST = NB - 1;
  localparam [M-1:0] ONE = {{(M - 1) {1'b0}}, 1'b1};
  localparam [M-1:0] ZERO = {M{1'b0}};

  reg [R*M-1:0] s_q;
  reg [NL*M-1:0] lam_q;  // Lambda; in the Omega passes it only rotates
  reg [NL*M-1:0] c_q;  // C(x); in the Omega passes T(x), which becomes Omega
  reg [M-1:0] gam_q;  // gamma; in the Omega passes the syndrome of x^0
  reg [M-1:0] del_q;  // delta; in the Omega passes (lanes) the syndrome of x^1
  reg [M-1:0] dacc_q;  // the next delta, accumulated over the pass
  reg [M-1:0] xprev_q;  // the coefficient before the beat's first: of C' in the iterations
  reg [M-1:0] pt1_q;  // T_(k-1) and T_(k-2) before the beat's first k (Omega, lanes)
  reg [M-1:0] pt2_q;
  reg [M-1:0] fetch_q;  // the syndrome of x^1, fetched a clock ahead (lanes)
  reg [Q*M-1:0] sp_q;  // the syndromes of the beat before, one a lane
  reg dv_q;  // the beat before was an iteration beat: its products are due
  reg [M-1:0] acc_q;  // partial Lambda' coefficient (one multiplier)
  reg [1:0] phase_q;
  reg [PW-1:0] pc_q;  // pass
  reg [BW-1:0] b_q;  // beat
  reg [CW-1:0] i_q;  // first coefficient of the beat, b Q
  reg close_q;  // the clock that closes a pass
  reg [1:0] sub_q;  // product within a coefficient step (one multiplier)
  reg [KW-1:0] k_q;  // r - 2L, two's complement: a length change needs k >= 0
  reg [SW-1:0] fa_q;  // next syndrome to fetch for the Omega passes
  reg short_q;  // deg Lambda < L
  reg sel_q;  // the pass changes the length: delta != 0 and 2L <= r
  reg [KW-1:0] two_l_q;  // 2L after the pass
  reg sv_q;  // the beat before was one of the last iteration: check its coefficients
  reg [CW-1:0] iprev_q;  // that beat's first coefficient
  reg done_q;

  wire iter = phase_q == ITER;
  wire om = phase_q == OMEGA;
  wire busy = (iter | om) & ~close_q;
  wire step = busy & (~SHARED | om | (sub_q == 2'd2));
  wire last_b = b_q == BLAST[BW-1:0];
  wire last_iter = iter & (pc_q == PLAST_ITER[PW-1:0]);
  wire last_omega = om & (pc_q == PLAST_OMEGA[PW-1:0]);
  wire sel = iter & sel_q;
  wire [KW-1:0] k_new = sel ? ~k_q : k_q + {{(KW - 1) {1'b0}}, 1'b1};
  wire [KW-1:0] two_l = R[KW-1:0] - k_new;  // 2L after the pass; registered, as it is constant
  wire fail = k_q[KW-1] | short_q;  // in the Omega passes: L > t or deg Lambda < L
  // The Omega scalars are fetched in the last pass of the iterations and in the Omega passes:
  // the syndrome of x^1 (lanes) in the last beat, that of x^0 in the closing clock.
  wire fetching = last_iter | om;
  wire fetch1 = fetching & ~SHARED & step & last_b;
  wire fetch0 = fetching & close_q;

  // Heads of the rotating registers, the coefficients k = b Q + j in work.
  wire [Q*M-1:0] lam_h = lam_q[0+:Q*M];
  wire [Q*M-1:0] c_h = c_q[0+:Q*M];
  // x_h: the coefficient C' takes from (Lambda or C); in the Omega passes (lanes) Lambda, the
  // factor of the x^1 syndrome, and (one multiplier) T, the term shifted up.
  wire xl = iter ? sel : ~SHARED;
  wire [Q*M-1:0] x_h = xl ? lam_h : c_h;
  /* verilator lint_off UNUSEDSIGNAL */  // the last lanes' heads are read by no lane
  wire [(Q+1)*M-1:0] x_run = {x_h, xprev_q};  // x_run[j] = X_(k-1) for lane j
  wire [(Q+2)*M-1:0] t_run = {c_h, pt1_q, pt2_q};  // t_run[j] = T_(k-2) for lane j
  /* verilator lint_on UNUSEDSIGNAL */


  wire [Q*M-1:0] lam_w;  // what the beat writes to the Lambda register
  wire [Q*M-1:0] c_w;  // and to that of C
  wire [Q*M-1:0] lam_new;  // Lambda'_k in the iterations
  wire [M-1:0] dsum;  // the discrepancy terms due this clock
  wire [M-1:0] mp;  // the one multiplier's product
  genvar j;
  generate
    if (SHARED) begin : g_one
      wire first = om | (sub_q == 2'd0);
      wire [M-1:0] ma = first ? gam_q : (sub_q == 2'd1) ? del_q : acc_q;
      wire [M-1:0] mb = first ? lam_h : (sub_q == 2'd1) ? c_h : sp_q;
      wire [M-1:0] p;
      rs_gf_multiplier #(.M(M), .IRRPOL(IRRPOL)) u_mul (.a(ma), .b(mb), .y(p));
      assign mp = p;
      assign lam_new = acc_q;
      assign dsum = (sub_q == 2'd2) ? p : ZERO;
      assign lam_w = iter ? acc_q : fail ? ZERO : lam_h;
      assign c_w = iter ? xprev_q : fail ? ZERO : xprev_q ^ p;
      wire unused_one = ^{t_run, dv_q, fetch_q, lam_new};
    end else begin : g_lanes
      wire [Q*M-1:0] dterm;
      assign mp = ZERO;
      for (j = 0; j < Q; j = j + 1) begin : g_lane
        wire [M-1:0] p1;
        wire [M-1:0] p2;
        wire [M-1:0] b2 = iter ? c_h[j*M+:M] : x_run[j*M+:M];
        rs_gf_multiplier #(.M(M), .IRRPOL(IRRPOL)) u_gam (.a(gam_q), .b(lam_h[j*M+:M]), .y(p1));
        rs_gf_multiplier #(.M(M), .IRRPOL(IRRPOL)) u_del (.a(del_q), .b(b2), .y(p2));
        assign lam_new[j*M+:M] = p1 ^ p2;
        // The discrepancy term of the beat before: its Lambda' sits at the register's top (the sum
        // counts only after an iteration beat).
        rs_gf_multiplier #(.M(M), .IRRPOL(IRRPOL)) u_syn (
            .a(lam_q[(NL-Q+j)*M+:M]), .b(sp_q[j*M+:M]), .y(dterm[j*M+:M]));
        assign lam_w[j*M+:M] = iter ? lam_new[j*M+:M] : fail ? ZERO : lam_h[j*M+:M];
        assign c_w[j*M+:M] = iter ? x_run[j*M+:M] : fail ? ZERO : t_run[j*M+:M] ^ lam_new[j*M+:M];
      end
      reg [M-1:0] sum;
      integer jj;
      always @* begin
        sum = ZERO;
        for (jj = 0; jj < Q; jj = jj + 1) sum = sum ^ dterm[jj*M+:M];
      end
      assign dsum = sum;
    end
  endgenerate

  // One syndrome port a lane: S_(r+1-k), registered for the next clock's product; lane 0's
  // fetches the Omega scalars. Each port's address is a register set a clock ahead, so that a
  // read is the port's multiplexer alone.
  wire [SW-1:0] one_s = {{(SW - 1) {1'b0}}, 1'b1};
  wire next_last = (NB > 1) ? (b_q == BLAST[BW-1:0] - 1'b1) : 1'b0;  // the next beat is last
  wire next_fetching = om | last_iter | (iter & (pc_q == PLAST_ITER[PW-1:0] - 1'b1));
  wire [SW-1:0] fa_next = fa_q - ((fetch1 | fetch0) ? one_s : {SW{1'b0}});
  wire [SW-1:0] pc_s = pc_q[SW-1:0];
  wire [Q*M-1:0] port;
  generate
    for (j = 0; j < Q; j = j + 1) begin : g_port
      localparam [SW-1:0] OFF = j;
      localparam [SW-1:0] STEP = Q[SW-1:0];  // mod 2^SW, as the addresses
      reg [SW-1:0] ra_q;
      always @(posedge clk)
        if (start) ra_q <= one_s - OFF;
        else if (step & ~last_b) ra_q <= (j == 0 && fetching && next_last) ? fa_q : ra_q - STEP;
        else if (step & last_b) ra_q <= (j == 0) ? fa_next : ra_q;
        else if (close_q)
          ra_q <= (j == 0 && NB == 1 && next_fetching) ? fa_next : pc_s + one_s + one_s - OFF;
      assign port[j*M+:M] = s_q[ra_q*M+:M];
    end
  endgenerate
  wire [M-1:0] fetched = port[0+:M];

  // A beat rotates the registers by Q coefficients, the beat's results entering at the top.
  wire [NL*M-1:0] lam_next;
  wire [NL*M-1:0] c_next;
  generate
    if (NB > 1) begin : g_rotate
      assign lam_next = {lam_w, lam_q[NL*M-1:Q*M]};
      assign c_next = {c_w, c_q[NL*M-1:Q*M]};
    end else begin : g_replace
      assign lam_next = lam_w;
      assign c_next = c_w;
    end
  endgenerate

  // After a beat of the last iteration: the coefficient of x^L was one of the beat's, and it
  // is 0 (read back from the register's top, so that the check follows no multiplier).
  wire [Q-1:0] short_at;
  generate
    for (j = 0; j < Q; j = j + 1) begin : g_short
      localparam [CW-1:0] OFF = j;
      wire [CW+KW:0] k2 = {{KW{1'b0}}, iprev_q + OFF, 1'b0};
      assign short_at[j] = k2 == {{(CW + 1) {1'b0}}, two_l_q} && lam_q[(NL-Q+j)*M+:M] == ZERO;
    end
  endgenerate
  wire short_hit = sv_q & (|short_at);
  wire [M-1:0] del_new = dacc_q ^ dsum;  // the next pass's delta, in the closing clock

  always @(posedge clk) begin
    done_q <= 1'b0;
    if (reset) begin
      phase_q <= IDLE;
      dv_q <= 1'b0;
    end else if (start) begin
      s_q <= syn;
      lam_q <= {{((NL - 1) * M) {1'b0}}, ONE};
      c_q <= {{((NL - 2) * M) {1'b0}}, ONE, ZERO};
      gam_q <= ONE;
      del_q <= syn[M-1:0];
      xprev_q <= ZERO;
      pt1_q <= ZERO;
      pt2_q <= ZERO;
      dacc_q <= ZERO;
      dv_q <= 1'b0;
      k_q <= {KW{1'b0}};
      pc_q <= {PW{1'b0}};
      b_q <= {BW{1'b0}};
      i_q <= {CW{1'b0}};
      close_q <= 1'b0;
      sub_q <= 2'd0;
      fa_q <= FFIRST[SW-1:0];
      short_q <= 1'b0;
      sel_q <= syn[M-1:0] != ZERO;
      sv_q <= 1'b0;
      phase_q <= ITER;
    end else begin
      dv_q <= ~SHARED & iter & step;
      sv_q <= last_iter & step;
      two_l_q <= two_l;
      if (short_hit) short_q <= 1'b1;
      if (SHARED && iter && busy) begin
        sub_q <= (sub_q == 2'd2) ? 2'd0 : sub_q + 2'd1;
        if (sub_q == 2'd0) acc_q <= mp;
        if (sub_q == 2'd1) begin
          acc_q <= acc_q ^ mp;
          sp_q <= port;
        end
      end
      if (step) begin
        lam_q <= lam_next;
        c_q <= c_next;
        // the top coefficients leave: nothing wraps round to x^0
        xprev_q <= last_b ? ZERO : x_h[(Q-1)*M+:M];
        pt1_q <= last_b ? ZERO : c_h[(Q-1)*M+:M];
        pt2_q <= last_b ? ZERO : (Q > 1) ? c_h[((Q>1)?Q-2:0)*M+:M] : pt1_q;
        b_q <= last_b ? {BW{1'b0}} : b_q + {{(BW - 1) {1'b0}}, 1'b1};
        i_q <= last_b ? {CW{1'b0}} : i_q + Q[CW-1:0];
        close_q <= last_b;
        if (!SHARED) sp_q <= port;
        iprev_q <= i_q;
      end
      if (close_q) dacc_q <= ZERO;
      else if (iter && (SHARED || dv_q)) dacc_q <= dacc_q ^ dsum;
      if (fetch1) fetch_q <= fetched;
      fa_q <= fa_next;
      if (close_q) begin  // the pass closes
        close_q <= 1'b0;
        pc_q <= pc_q + {{(PW - 1) {1'b0}}, 1'b1};
        if (iter) begin
          del_q <= del_new;
          sel_q <= (del_new != ZERO) & ~k_new[KW-1];
          k_q <= k_new;
          if (sel) gam_q <= del_q;
          if (last_iter) begin
            phase_q <= OMEGA;
            pc_q <= {PW{1'b0}};
          end
        end
        if (last_omega) begin
          phase_q <= IDLE;
          done_q <= 1'b1;
        end
        if (fetch0) begin  // the scalars of the next Omega pass
          gam_q <= fetched;
          if (!SHARED) del_q <= fetch_q;
        end
      end
    end
  end

  assign done = done_q;
  assign lambda = lam_q[0+:(T+1)*M];
  assign omega = c_q[0+:T*M];

endmodule
`default_nettype wire
