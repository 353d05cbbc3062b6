// rs_kes_folded against arithmetic of its own: random error patterns (0 .. t+3 errors, more than
// r, a lone syndrome), lambda against a Berlekamp-Massey with division (0 when no codeword lies
// within t), its roots, omega = S lambda mod x^t, the latency formula, reset, held outputs.
// The clock count is kes_folded_clocks, worked by hand for a few sizes in rs_kes_folded_tb.
module kh_case #(parameter M = 8, R = 16, IRRPOL = 285, MULS = 3, G0 = 0, N = 255, WORDS = 20) (input clk);
`include "rs_decoder_timing.vh"
  localparam T = R / 2, Q = (1 << M) - 1;
  localparam CYC = kes_folded_clocks(R, MULS);
  reg reset = 1, start = 0;
  reg [R*M-1:0] syn = 0;
  wire done;
  wire [(T+1)*M-1:0] lam;
  wire [T*M-1:0] om;
  rs_kes_folded #(.M(M), .R(R), .IRRPOL(IRRPOL), .MULS(MULS)) dut (clk, reset, start, syn, done, lam, om);
  integer lg[0:Q], ex[0:2*Q], pos[0:255], S[0:R], C[0:R], B[0:R], Tm[0:R];
  integer finished = 0, w, k, i, j, e, d, bb, L, c, cyc, v, ok, seed = M * R;
  reg [(T+1)*M-1:0] lam_at_done;
  function integer mul(input integer a, input integer b);
    mul = (a == 0 || b == 0) ? 0 : ex[lg[a]+lg[b]];
  endfunction
  task check(input integer good, input [8*16-1:0] what);
    begin
      rs_kes_folded_tb.checks = rs_kes_folded_tb.checks + 1;
      rs_kes_folded_tb.failed = rs_kes_folded_tb.failed + (good ? 0 : 1);
      if (!good) $display("FAIL %0s: m %0d r %0d muls %0d word %0d", what, M, R, MULS, w);
    end
  endtask
  initial begin
    ex[0] = 1;
    for (i = 1; i <= 2 * Q; i = i + 1) ex[i] = (ex[i-1] << 1) > Q ? (ex[i-1] << 1) ^ IRRPOL : ex[i-1] << 1;
    for (i = 0; i < Q; i = i + 1) lg[ex[i]] = i;
    @(negedge clk) {reset, start} = 2'b01;  // a run cut short by reset never signals done
    repeat (5) @(negedge clk) {reset, start} = 2'b10;
    ok = 0;
    for (cyc = 0; cyc < CYC + 2; cyc = cyc + 1) @(negedge clk) begin reset = 0; ok = ok || done; end
    check(!ok, "reset");
    for (w = 0; w < WORDS; w = w + 1) begin
      e = (w % 9 == 8) ? R + 1 + w % 4 : w % (T + 4);
      for (k = 0; k < e; k = k + 1) begin  // distinct positions
        pos[k] = {$random(seed)} % N;
        for (j = 0; j < k; j = j + 1) if (pos[j] == pos[k]) begin pos[k] = {$random(seed)} % N; j = -1; end
      end
      for (j = 0; j < R; j = j + 1) begin  // S_1 alone: deg Lambda < L = 2; S_(R-1) alone: L = R
        S[j] = 0;
        for (k = 0; k < e; k = k + 1) S[j] = S[j] ^ mul(1 + (pos[k] + w) % Q, ex[(G0+j)*pos[k]%Q]);
        if (w % 9 == 7) S[j] = (j == ((w / 9) % 2 ? 1 : R - 1)) ? 1 + w % Q : 0;
        syn[j*M+:M] = S[j];
      end
      for (i = 0; i <= R; i = i + 1) begin C[i] = i == 0; B[i] = i == 0; end
      L = 0; c = 1; bb = 1;
      for (j = 0; j < R; j = j + 1) begin  // C <- C - d/b x^c B
        d = S[j];
        for (i = 1; i <= L; i = i + 1) d = d ^ mul(C[i], S[j-i]);
        for (i = 0; i <= R; i = i + 1) Tm[i] = C[i];
        if (d != 0) for (i = c; i <= R; i = i + 1) C[i] = C[i] ^ mul(mul(d, ex[Q-lg[bb]]), B[i-c]);
        if (d != 0 && 2 * L <= j) begin L = j + 1 - L; bb = d; c = 0; end
        if (c == 0) for (i = 0; i <= R; i = i + 1) B[i] = Tm[i];
        c = c + 1;
      end
      start = 1;  // in the clock of done when w % 3 = 0
      @(negedge clk) start = 0;
      for (cyc = 1; !done && cyc <= CYC; cyc = cyc + 1) @(negedge clk);
      check(cyc == CYC && done, "cycles to done");
      if (L > T || C[L] == 0) e = -1;  // no codeword within t: all zero
      ok = e < 0 || lam[M-1:0] != 0;
      for (i = 0; i <= T; i = i + 1)
        ok = ok && lam[i*M+:M] == (e < 0 ? 0 : mul(lam[M-1:0], C[i]));
      check(ok, "lambda");
      ok = 1;
      for (i = 0; i < T; i = i + 1) begin
        v = 0;
        for (j = 0; j <= i; j = j + 1) v = v ^ mul(lam[j*M+:M], S[i-j]);
        ok = ok && om[i*M+:M] == v;
      end
      check(ok, "omega");
      ok = e < 0 || e > T || lam[e*M+:M] != 0;  // deg Lambda = e, roots at the inverse locators
      for (k = 0; e >= 0 && e <= T && k < N; k = k + 1) begin
        v = 0; d = 0;
        for (j = 0; j <= T; j = j + 1) v = v ^ mul(lam[j*M+:M], ex[(Q-k)*j%Q]);
        for (j = 0; j < e; j = j + 1) d = d || pos[j] == k;
        ok = ok && (v == 0) == d;
      end
      check(ok, "roots");
      lam_at_done = lam;
      repeat (w % 3) @(negedge clk) if (done || lam != lam_at_done) check(0, "held until start");
    end
    finished = 1;
  end
endmodule

module rs_kes_folded_tb;
`include "rs_decoder_timing.vh"
  integer checks = 0, failed = 0;
  reg clk = 0;
  always #5 clk = ~clk;
  // One multiplier; one lane; two, three and four lanes (the last beat of a pass part empty);
  // as many lanes as coefficients (one beat a pass); odd R; even and odd t.
  task check_count(input integer got, input integer want);
    begin
      checks = checks + 1;
      if (got != want) begin
        failed = failed + 1;
        $display("FAIL clock count %0d, by hand %0d", got, want);
      end
    end
  endtask
  kh_case #(.M(4), .R(4), .IRRPOL(19), .MULS(1), .G0(0), .N(15), .WORDS(40)) c0 (clk);
  kh_case #(.M(8), .R(16), .IRRPOL(285), .MULS(3), .G0(0), .N(204), .WORDS(60)) c1 (clk);
  kh_case #(.M(8), .R(16), .IRRPOL(301), .MULS(1), .G0(1), .N(255), .WORDS(20)) c2 (clk);
  kh_case #(.M(8), .R(50), .IRRPOL(285), .MULS(9), .G0(5), .N(255), .WORDS(12)) c3 (clk);
  kh_case #(.M(5), .R(7), .IRRPOL(37), .MULS(1), .G0(3), .N(31), .WORDS(40)) c4 (clk);
  kh_case #(.M(6), .R(9), .IRRPOL(67), .MULS(6), .G0(2), .N(63), .WORDS(40)) c5 (clk);
  kh_case #(.M(7), .R(33), .IRRPOL(137), .MULS(12), .G0(117), .N(127), .WORDS(20)) c6 (clk);
  kh_case #(.M(8), .R(32), .IRRPOL(285), .MULS(12), .G0(0), .N(255), .WORDS(20)) c7 (clk);
  kh_case #(.M(4), .R(4), .IRRPOL(19), .MULS(9), .G0(0), .N(15), .WORDS(40)) c8 (clk);
  kh_case #(.M(5), .R(6), .IRRPOL(37), .MULS(3), .G0(1), .N(31), .WORDS(30)) c9 (clk);
  initial begin
    // The clock counts by hand: R (beats + 1) + Omega passes (beats + 1) + 1, three clocks a
    // beat with one multiplier.
    check_count(kes_folded_clocks(16, 3), 16 * 10 + 4 * 10 + 1);
    check_count(kes_folded_clocks(16, 1), 16 * 28 + 8 * 10 + 1);
    check_count(kes_folded_clocks(32, 12), 32 * 6 + 8 * 6 + 1);
    check_count(kes_folded_clocks(4, 9), 4 * 2 + 1 * 2 + 1);
    check_count(kes_folded_clocks(50, 9), 50 * 10 + 13 * 10 + 1);
    wait (c0.finished && c1.finished && c2.finished && c3.finished && c4.finished && c5.finished && c6.finished
          && c7.finished && c8.finished && c9.finished);
    $display("%0d checks, %0d failed", checks, failed);
    if (failed != 0) $fatal(1);
    $finish;
  end
endmodule
