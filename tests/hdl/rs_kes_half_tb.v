// rs_kes_half against its own arithmetic: random error patterns (0 .. t+3 errors, some beyond
// r), syndromes computed here; lambda compared with a Berlekamp-Massey with division (0 when
// no codeword lies within t), its roots with the error positions, omega with S*Lambda mod x^t,
// and the latency with the formula.
module kh_case #(parameter M = 8, R = 16, IRRPOL = 285, MULS = 3, G0 = 0, N = 255, WORDS = 20,
                 SEED = 1) (input clk);
  localparam T = R / 2, Q = (1 << M) - 1;
  localparam CYC = MULS > 1 ? (R + (T + 1) / 2) * (T + 1) + 1 : (3 * R + T) * (T + 1) + 1;
  reg reset = 1, start = 0;
  reg [R*M-1:0] syn = 0;
  wire done;
  wire [(T+1)*M-1:0] lam;
  wire [T*M-1:0] om;
  rs_kes_half #(.M(M), .R(R), .IRRPOL(IRRPOL), .MULS(MULS)) dut (clk, reset, start, syn, done, lam, om);
  integer lg[0:Q], ex[0:2*Q], pos[0:255], val[0:255], S[0:R], C[0:R], B[0:R], Tm[0:R];
  integer finished = 0, w, k, i, j, e, d, bb, L, c, cyc, v, ok, seed = SEED;
  reg [(T+1)*M-1:0] lam_at_done;
  function integer mul(input integer a, input integer b);
    mul = (a == 0 || b == 0) ? 0 : ex[lg[a]+lg[b]];
  endfunction
  function integer co(input integer x);  // coefficient x of the solver's lambda
    co = lam[x*M+:M];
  endfunction
  task check(input integer cond, input [8*20-1:0] what);
    begin
      rs_kes_half_tb.checks = rs_kes_half_tb.checks + 1;
      if (!cond) begin
        rs_kes_half_tb.failed = rs_kes_half_tb.failed + 1;
        $display("FAIL %0s: m %0d r %0d muls %0d word %0d, %0d errors", what, M, R, MULS, w, e);
      end
    end
  endtask
  initial begin
    ex[0] = 1;
    for (i = 1; i <= 2 * Q; i = i + 1) ex[i] = (ex[i-1] << 1) > Q ? (ex[i-1] << 1) ^ IRRPOL : ex[i-1] << 1;
    for (i = 0; i < Q; i = i + 1) lg[ex[i]] = i;
    @(negedge clk) reset = 0;
    start = 1;  // a run cut short by reset never signals done
    @(negedge clk) start = 0;
    repeat (5) @(negedge clk);
    reset = 1;
    @(negedge clk) reset = 0;
    for (cyc = 0; cyc < CYC + 2; cyc = cyc + 1) @(negedge clk) if (done) check(0, "done after reset");
    for (w = 0; w < WORDS; w = w + 1) begin
      e = (w % 9 == 8) ? R + 1 + w % 4 : w % (T + 4);
      for (k = 0; k < e; k = k + 1) begin
        pos[k] = {$random(seed)} % N;
        for (j = 0; j < k; j = j + 1) if (pos[j] == pos[k]) begin pos[k] = {$random(seed)} % N; j = -1; end
        val[k] = 1 + {$random(seed)} % Q;
      end
      for (j = 0; j < R; j = j + 1) begin
        S[j] = 0;
        for (k = 0; k < e; k = k + 1) S[j] = S[j] ^ mul(val[k], ex[(G0+j)*pos[k]%Q]);
        if (w % 9 == 7)  // one syndrome: S_1 gives deg Lambda < L = 2, S_(R-1) gives L = R
          S[j] = (j == ((w / 9) % 2 ? 1 : R - 1)) ? 1 + w % Q : 0;
        syn[j*M+:M] = S[j];
      end
      for (i = 0; i <= R; i = i + 1) begin C[i] = i == 0; B[i] = i == 0; end
      L = 0; c = 1; bb = 1;
      for (j = 0; j < R; j = j + 1) begin  // C(x) <- C(x) - d/b x^c B(x)
        d = S[j];
        for (i = 1; i <= L; i = i + 1) d = d ^ mul(C[i], S[j-i]);
        for (i = 0; i <= R; i = i + 1) Tm[i] = C[i];
        if (d != 0) for (i = c; i <= R; i = i + 1) C[i] = C[i] ^ mul(mul(d, ex[Q-lg[bb]]), B[i-c]);
        if (d != 0 && 2 * L <= j) begin
          L = j + 1 - L; bb = d; c = 1;
          for (i = 0; i <= R; i = i + 1) B[i] = Tm[i];
        end else c = c + 1;
      end
      start = 1;
      @(negedge clk) start = 0;
      for (cyc = 1; !done && cyc <= CYC; cyc = cyc + 1) @(negedge clk);
      check(cyc == CYC && done, "cycles to done");
      e = L > T || C[L] == 0 ? -1 : e;  // no codeword within t: lambda = 0 (and so omega)
      ok = e < 0 || co(0) != 0;  // otherwise the same locator up to the factor co(0)
      for (i = 0; i <= T; i = i + 1) ok = ok && co(i) == (e < 0 ? 0 : mul(co(0), C[i]));
      check(ok, "lambda");
      ok = 1;
      for (i = 0; i < T; i = i + 1) begin
        v = 0;
        for (j = 0; j <= i; j = j + 1) v = v ^ mul(co(j), S[i-j]);
        ok = ok && om[i*M+:M] == v;
      end
      check(ok, "omega");
      if (e >= 0 && e <= T) begin  // roots exactly at the inverse locators, deg Lambda = e
        ok = co(e) != 0;
        for (i = e + 1; i <= T; i = i + 1) ok = ok && co(i) == 0;
        for (k = 0; k < N; k = k + 1) begin
          v = 0;
          d = 0;
          for (j = 0; j <= T; j = j + 1) v = v ^ mul(co(j), ex[(Q-k)*j%Q]);
          for (j = 0; j < e; j = j + 1) d = d || pos[j] == k;
          ok = ok && (v == 0) == d;
        end
        check(ok, "roots");
      end
      lam_at_done = lam;
      repeat (w % 3) @(negedge clk) if (done || lam != lam_at_done) check(0, "held until start");
    end
    finished = 1;
  end
endmodule

module rs_kes_half_tb;
  integer checks = 0, failed = 0;
  reg clk = 0;
  always #5 clk = ~clk;
  kh_case #(.M(4), .R(4), .IRRPOL(19), .MULS(1), .G0(0), .N(15), .WORDS(40), .SEED(1)) c0 (clk);
  kh_case #(.M(8), .R(16), .IRRPOL(285), .MULS(3), .G0(0), .N(204), .WORDS(60), .SEED(2)) c1 (clk);
  kh_case #(.M(8), .R(16), .IRRPOL(301), .MULS(1), .G0(1), .N(255), .WORDS(20), .SEED(3)) c2 (clk);
  kh_case #(.M(8), .R(50), .IRRPOL(285), .MULS(1), .G0(5), .N(255), .WORDS(12), .SEED(4)) c3 (clk);
  kh_case #(.M(5), .R(7), .IRRPOL(37), .MULS(1), .G0(3), .N(31), .WORDS(40), .SEED(5)) c4 (clk);
  kh_case #(.M(6), .R(9), .IRRPOL(67), .MULS(3), .G0(2), .N(63), .WORDS(40), .SEED(6)) c5 (clk);
  kh_case #(.M(7), .R(5), .IRRPOL(137), .MULS(3), .G0(117), .N(127), .WORDS(30), .SEED(7)) c6 (clk);
  kh_case #(.M(8), .R(33), .IRRPOL(361), .MULS(3), .G0(9), .N(255), .WORDS(20), .SEED(8)) c7 (clk);
  initial begin
    wait (c0.finished && c1.finished && c2.finished && c3.finished && c4.finished && c5.finished &&
          c6.finished && c7.finished);
    $display("%0d checks, %0d failed", checks, failed);
    if (failed != 0) $fatal(1);
    $finish;
  end
endmodule
