// Chien/Forney stage against a behavioural model: each word's locator and evaluator are built
// from chosen errors (positions and values), scaled by a random constant as a solver may leave
// them, and loaded back to back or spaced. The output pass must read index i of the word
// exactly search_latency(N) + i clocks after its load (rs_decoder_timing.vh), with every position's error value (0 where none) a
// clock later, and the verdict (roots found = deg Lambda, Lambda != 0) over the whole pass.
// Covered: errors at the first and the last symbol, adjacent errors, none, t of them, a locator
// with a root beyond a shortened word (fails), Lambda = 0 (fails), a constant Lambda (no errors).
module rs_chien_forney_check #(
  parameter M = 4, N = 15, R = 6, IRRPOL = 19, GENSTART = 0,
  parameter NW = 10,                 // words
  parameter SPACED = 0,              // 0: loads every N clocks; 1: up to 7 clocks more at random
  parameter SEED = 1
) (
  output reg finished, output integer checks, output integer fails
);
  localparam T = R / 2;
  localparam Q = (1 << M) - 1;
  localparam IW = $clog2(N);
  localparam LW = $clog2(T + 1) + 1;
`include "rs_decoder_timing.vh"
  localparam LAT = search_latency(N);  // load to the pass's first read

  function [M-1:0] mul;
    input [M-1:0] a, b;
    integer i;
    reg [2*M-1:0] p;
    begin
      p = 0;
      for (i = 0; i < M; i = i + 1) if (b[i]) p = p ^ (a << i);
      for (i = 2 * M - 2; i >= M; i = i - 1) if (p[i]) p = p ^ (IRRPOL << (i - M));
      mul = p[M-1:0];
    end
  endfunction
  function [M-1:0] apow;
    input integer e;
    integer i;
    begin
      apow = 1;
      for (i = 0; i < e % Q; i = i + 1) apow = mul(apow, 2);
    end
  endfunction
  function [(1<<M)*M-1:0] inv_table;
    input integer dummy;
    integer i, j;
    begin
      inv_table = 0;
      for (i = 1; i <= Q; i = i + 1)
        for (j = 1; j <= Q; j = j + 1) if (mul(i, j) == 1) inv_table[i*M +: M] = j;
    end
  endfunction

  reg clk = 0, reset = 1, load = 0;
  reg [(T+1)*M-1:0] lambda = 0;
  reg [T*M-1:0] omega = 0;
  wire orun, olast, ok;
  wire [IW-1:0] oidx;
  wire [M-1:0] oerr;
  wire [LW-1:0] num;
  rs_chien_forney #(.M(M), .N(N), .R(R), .IRRPOL(IRRPOL), .GENSTART(GENSTART),
                    .INV_ROM(inv_table(0)), .IW(IW), .LW(LW)) dut (
    .clk(clk), .reset(reset), .load(load), .lambda(lambda), .omega(omega),
    .orun(orun), .olast(olast), .oidx(oidx), .oerr(oerr), .ok_q(ok), .num_q(num));
  always #5 clk = !clk;

  // Per word: the loads, the expected value at each output index, the verdict.
  reg [(T+1)*M-1:0] wl[0:NW-1];
  reg [T*M-1:0] wo[0:NW-1];
  reg [M-1:0] want[0:NW*N-1];
  reg wok[0:NW-1];
  integer wdeg[0:NW-1];
  integer loadat[0:NW-1];

  integer seed, w, i, j, k, e, pos;
  integer epos[0:R];
  reg [M-1:0] eval[0:R];
  reg [M-1:0] lam[0:R];
  reg [M-1:0] syn[0:R-1];
  reg [M-1:0] x, c, acc;
  reg dup;

  task fail;
    input [8*40-1:0] what;
    begin
      fails = fails + 1;
      if (fails < 20) $display("FAIL %m %0s: word %0d", what, w);
    end
  endtask

  initial begin
    seed = SEED;
    for (w = 0; w < NW; w = w + 1) begin
      // the word's errors: w = 0 the first and the last symbol, 1 three adjacent ones, 2 none,
      // 3 t of them, 4 a root beyond the word (shortened codes), 5 Lambda = 0, then random
      e = (w == 0) ? 2 : (w == 1) ? 3 : (w == 2) ? 0 : (w == 3) ? T : {$random(seed)} % (T + 1);
      if (e > T) e = T;
      for (k = 0; k < e; k = k + 1) begin
        dup = 1;
        while (dup) begin
          pos = (w == 0) ? ((k == 0) ? 0 : N - 1) : (w == 1) ? N / 2 + k : {$random(seed)} % N;
          dup = 0;
          for (j = 0; j < k; j = j + 1) if (epos[j] == pos) dup = 1;
        end
        epos[k] = pos;
        eval[k] = 0;
        while (eval[k] == 0) eval[k] = $random(seed);
      end
      if (w == 4 && N < Q && e < T) begin
        epos[e] = N + {$random(seed)} % (Q - N);    // a locator root no position has
        eval[e] = 1;
        e = e + 1;
      end
      for (i = 0; i < N; i = i + 1) want[w*N+i] = 0;
      for (k = 0; k < e; k = k + 1) if (epos[k] < N) want[w*N+N-1-epos[k]] = eval[k];
      // Lambda = prod (1 + X_k x), S_j = sum Y_k X_k^(GENSTART+j), Omega = S Lambda mod x^R
      for (i = 0; i <= R; i = i + 1) lam[i] = 0;
      lam[0] = 1;
      for (k = 0; k < e; k = k + 1) begin
        x = apow(epos[k]);
        for (i = T; i > 0; i = i - 1) lam[i] = lam[i] ^ mul(lam[i-1], x);
      end
      for (j = 0; j < R; j = j + 1) begin
        syn[j] = 0;
        for (k = 0; k < e; k = k + 1) syn[j] = syn[j] ^ mul(eval[k], apow(epos[k] * (GENSTART + j)));
      end
      c = 0;
      while (c == 0) c = $random(seed);               // the solver's common factor
      wl[w] = 0;
      wo[w] = 0;
      for (i = 0; i <= T; i = i + 1) wl[w][i*M +: M] = (w == 5) ? 0 : mul(lam[i], c);
      for (i = 0; i < T; i = i + 1) begin
        acc = 0;
        for (j = 0; j <= i; j = j + 1) acc = acc ^ mul(syn[j], lam[i-j]);
        wo[w][i*M +: M] = (w == 5) ? 0 : mul(acc, c);
      end
      wdeg[w] = (w == 5) ? 0 : e;
      wok[w] = (w != 5) && !(w == 4 && N < Q && e > 0 && epos[e-1] >= N);
      if (!wok[w])
        for (i = 0; i < N; i = i + 1) want[w*N+i] = 0;   // not compared: the word fails
    end
  end

  // ---- driver: loads on the falling edge; lambda and omega are X but with load ----
  integer cyc = 0, next = 4, lw = 0;
  always @(negedge clk) begin
    if (cyc >= 2) reset <= 0;
    if (cyc == next && lw < NW) begin
      load <= 1;
      lambda <= wl[lw];
      omega <= wo[lw];
      loadat[lw] = cyc + 1;                           // the edge that takes the load
      lw = lw + 1;
      next = next + N + (SPACED ? {$random(seed)} % 8 : 0);
    end else begin
      load <= 0;
      lambda <= {(T+1)*M{1'bx}};
      omega <= {T*M{1'bx}};
    end
  end

  // ---- monitor: registered outputs, read before the edge updates them ----
  integer v, now_w, now_i, prev_w = -1, prev_i = 0, done = 0;
  always @(posedge clk) begin
    cyc = cyc + 1;
    now_w = -1;
    now_i = 0;
    for (v = 0; v < lw; v = v + 1)
      if (cyc - loadat[v] - LAT >= 0 && cyc - loadat[v] - LAT < N) begin
        now_w = v;
        now_i = cyc - loadat[v] - LAT;
      end
    if (cyc > 3) begin
      checks = checks + 1;
      if (now_w < 0) begin
        if (orun !== 1'b0) fail("read outside a pass");
      end else if (orun !== 1'b1 || oidx !== now_i[IW-1:0] || olast !== (now_i == N - 1))
        fail("read timing");
    end
    // the value read in the clock before, and the verdict held over the pass
    if (prev_w >= 0) begin
      w = prev_w;
      checks = checks + 1;
      if (ok !== wok[prev_w] || (wok[prev_w] && num !== wdeg[prev_w])) fail("verdict");
      else if (wok[prev_w] && oerr !== want[prev_w*N+prev_i]) fail("error value");
      if (prev_w == NW - 1 && prev_i == N - 1) done = 1;
    end
    prev_w = now_w;
    prev_i = now_i;
  end

  initial begin
    checks = 0;
    fails = 0;
    finished = 0;
    wait (done);
    repeat (3) @(posedge clk);
    finished = 1;
  end
endmodule

module rs_chien_forney_tb;
  wire [2:0] fin;
  wire [31:0] c0, f0, c1, f1, c2, f2;
  // shortened, first root 0: the DVB code, back to back
  rs_chien_forney_check #(.M(8), .N(204), .R(16), .IRRPOL(285), .GENSTART(0), .NW(12),
                          .SPACED(0), .SEED(1)) u0 (.finished(fin[0]), .checks(c0), .fails(f0));
  // full length, a first root the evaluator's steps must fold in, spaced
  rs_chien_forney_check #(.M(4), .N(15), .R(6), .IRRPOL(19), .GENSTART(3), .NW(16),
                          .SPACED(1), .SEED(2)) u1 (.finished(fin[1]), .checks(c1), .fails(f1));
  // shortened, a large first root, the fewest positions the stage takes
  rs_chien_forney_check #(.M(5), .N(7), .R(4), .IRRPOL(37), .GENSTART(29), .NW(16),
                          .SPACED(0), .SEED(3)) u2 (.finished(fin[2]), .checks(c2), .fails(f2));
  initial begin
    wait (&fin);
    $display("%0d checks, %0d failed", c0 + c1 + c2, f0 + f1 + f2);
    if (f0 + f1 + f2 != 0) $fatal(1, "rs_chien_forney_tb: failures");
    $finish;
  end
  initial begin
    #2000000;
    $display("0 checks, 1 failed");
    $fatal(1, "rs_chien_forney_tb: timed out");
  end
endmodule
