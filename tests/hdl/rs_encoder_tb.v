// rs_encoder by its properties, for several codes: message symbols come out one clock later,
// every codeword has the zeros alpha^GS .. alpha^(GS+R-1), a disabled edge changes nothing,
// start and reset begin a codeword afresh. Random enable gaps, starts and resets, back to back.
module rs_encoder_code #(parameter M = 4, N = 15, R = 4, IRRPOL = 19, GS = 0, SEED = 1);
  // Product without a shared routine: the plain polynomial product, then reduced from the top.
  function [M-1:0] mul(input [M-1:0] a, input [M-1:0] b);
    reg [2*M-1:0] p;
    integer i;
    begin
      p = 0;
      for (i = 0; i < M; i = i + 1) if (a[i]) p = p ^ (b << i);
      for (i = 2 * M - 2; i >= M; i = i - 1) if (p[i]) p = p ^ (IRRPOL << (i - M));
      mul = p[M-1:0];
    end
  endfunction
  function [M-1:0] apow(input integer e);
    integer i;
    begin
      apow = 1;
      for (i = 0; i < e; i = i + 1) apow = mul(apow, 2);
    end
  endfunction
  // g(x) = prod (x + alpha^(GS+i)), as the encoder takes it: entry i-1 = coefficient of x^(R-i).
  function [R*M-1:0] make_gg(input integer unused);
    reg [(R+1)*M-1:0] c;  // c[j] = coefficient of x^j
    reg [M-1:0] root;
    integer i, j;
    begin
      c = 1;
      root = apow(GS);
      for (i = 0; i < R; i = i + 1) begin
        for (j = R; j > 0; j = j - 1) c[j*M +: M] = c[(j-1)*M +: M] ^ mul(c[j*M +: M], root);
        c[0 +: M] = mul(c[0 +: M], root);
        root = mul(root, 2);
      end
      for (i = 1; i <= R; i = i + 1) make_gg[(i-1)*M +: M] = c[(R-i)*M +: M];
    end
  endfunction
  localparam [R*M-1:0] GG = make_gg(0);
  localparam K = N - R;
  localparam CYCLES = 9 * N + 40;

  reg clk = 0, reset = 0, start = 0, enable = 0;
  reg [M-1:0] din = 0, last;
  wire [M-1:0] dout;
  reg [M-1:0] word[0:N-1];  // word[p]: the p-th output symbol of the codeword
  integer pos = 0, cyc, i, t, seed = SEED, words = 0;
  reg [M-1:0] s, a;
  reg done = 0;

  rs_encoder #(.M(M), .N(N), .R(R), .IRRPOL(IRRPOL), .GG(GG)) dut (
    .clk(clk), .reset(reset), .start(start), .enable(enable), .din(din), .dout(dout));

  task check(input ok, input [8*40-1:0] what);
    begin
      rs_encoder_tb.checks = rs_encoder_tb.checks + 1;
      if (!ok) begin
        rs_encoder_tb.failed = rs_encoder_tb.failed + 1;
        $display("FAIL m=%0d n=%0d r=%0d gs=%0d cycle %0d pos %0d: %0s (dout %0d)",
                 M, N, R, GS, cyc, pos, what, dout);
      end
    end
  endtask

  initial begin
    #1 check(dout === 0, "dout 0 before the first edge");
    for (cyc = 0; cyc < CYCLES; cyc = cyc + 1) begin
      // Two codewords back to back, then gaps, starts and resets at random, and a start with
      // and one without enable and a reset, each in mid-codeword.
      t = {$random(seed)} % (8 * N);
      reset = cyc < 2 || t == 0 || cyc == 4 * N + K / 2;
      start = t == 1 || t == 3 || cyc == 2 * N + K / 2 + 2 || cyc == 2 * N + K / 2 + 3;
      enable = cyc < 2 * N + 2 || t % 3 != 0 || cyc == 2 * N + K / 2 + 2;
      if (cyc == 2 * N + K / 2 + 3) enable = 0;
      din = $random(seed);
      last = dout;
      #5 clk = 1;
      #1;
      if (reset) begin
        check(dout === 0, "reset clears dout");
        pos = 0;
      end else if (!enable) begin
        check(dout === last, "disabled edge holds dout");
        if (start) pos = 0;
      end else begin
        if (start) pos = 0;
        if (pos < K) check(dout === din, "message symbol passes through");
        word[pos] = dout;
        pos = pos + 1;
        if (pos == N) begin
          for (i = 0; i < R; i = i + 1) begin
            s = 0;  // Horner, highest power (first symbol) first
            a = apow(GS + i);
            for (t = 0; t < N; t = t + 1) s = mul(s, a) ^ word[t];
            check(s === 0, "codeword zero at alpha^(GS+i)");
          end
          pos = 0;
          words = words + 1;
        end
      end
      #4 clk = 0;
    end
    if (words < 3) check(0, "too few whole codewords");
    done = 1;
  end
endmodule

module rs_encoder_tb;
  integer checks = 0, failed = 0;
  rs_encoder_code #(.M(4), .N(15), .R(4), .IRRPOL(19), .GS(0), .SEED(1)) c0 ();
  rs_encoder_code #(.M(4), .N(5), .R(4), .IRRPOL(25), .GS(11), .SEED(2)) c1 ();  // k = 1
  rs_encoder_code #(.M(5), .N(31), .R(6), .IRRPOL(37), .GS(3), .SEED(3)) c2 ();
  rs_encoder_code #(.M(6), .N(40), .R(8), .IRRPOL(91), .GS(2), .SEED(4)) c3 ();
  rs_encoder_code #(.M(7), .N(100), .R(10), .IRRPOL(137), .GS(117), .SEED(5)) c4 ();
  rs_encoder_code #(.M(8), .N(204), .R(16), .IRRPOL(285), .GS(0), .SEED(6)) c5 ();
  rs_encoder_code #(.M(8), .N(255), .R(50), .IRRPOL(301), .GS(1), .SEED(7)) c6 ();
  initial begin
    wait (c0.done && c1.done && c2.done && c3.done && c4.done && c5.done && c6.done);
    $display("%0d checks, %0d failed", checks, failed);
    if (failed != 0) $fatal(1);
    $finish;
  end
endmodule
