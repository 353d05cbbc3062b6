// rs_encoder by its properties, for several codes: message symbols come out one clock later,
// every codeword has the zeros alpha^GS .. alpha^(GS+R-1), a disabled edge changes nothing,
// start and reset begin a codeword afresh. Random enable gaps, starts and resets, back to back.
`default_nettype none

module rs_encoder_code #(parameter M = 4, N = 15, R = 4, IRRPOL = 19, GS = 0, SEED = 1);
`include "rs_gf_functions.vh"
  // g(x) = prod (x + alpha^(GS+i)); entry j-1 is the coefficient of x^(R-j), that of x^R is 1.
  function [R*M-1:0] make_gg(input integer unused);
    integer i, j;
    begin
      make_gg = 0;
      for (i = 0; i < R; i = i + 1)
        for (j = R; j >= 1; j = j - 1)
          make_gg[(j-1)*M +: M] = make_gg[(j-1)*M +: M]
                                  ^ gf_mul(j > 1 ? make_gg[(j-2)*M +: M] : 1, gf_alpha_pow(GS + i));
    end
  endfunction
  localparam [R*M-1:0] GG = make_gg(0);
  localparam K = N - R, A = 2 * N + K / 2;  // A: a start with, then one without enable

  reg clk = 0, reset = 0, start = 0, enable = 0;
  reg [M-1:0] din = 0, last, s, a, word[0:N-1];  // word[p]: output symbol p of the codeword
  wire [M-1:0] dout;
  integer pos = 0, cyc, i, t, seed = SEED, words = 0;

  rs_encoder #(.M(M), .N(N), .R(R), .IRRPOL(IRRPOL), .GG(GG)) dut (
    .clk(clk), .reset(reset), .start(start), .enable(enable), .din(din), .dout(dout));

  task check(input ok, input [8*32-1:0] what);
    begin
      rs_encoder_tb.checks = rs_encoder_tb.checks + 1;
      rs_encoder_tb.failed = rs_encoder_tb.failed + !ok;
      if (!ok) $display("FAIL m=%0d n=%0d r=%0d gs=%0d cycle %0d pos %0d: %0s (dout %0d)",
                        M, N, R, GS, cyc, pos, what, dout);
    end
  endtask

  initial begin
    #1 check(dout === 0, "dout 0 before the first edge");
    // Two codewords back to back, then random gaps, starts and resets, with a start with and
    // one without enable and a reset, each in mid-codeword.
    for (cyc = 0; cyc < 9 * N + 40; cyc = cyc + 1) begin
      t = {$random(seed)} % (8 * N);
      reset = cyc < 2 || t == 0 || cyc == 4 * N + K / 2;
      start = t == 1 || t == 3 || cyc == A || cyc == A + 1;
      enable = (cyc < 2 * N + 2 || t % 3 != 0 || cyc == A) && cyc != A + 1;
      din = $random(seed);
      last = dout;
      #5 clk = 1;
      #1 if (reset || start) pos = 0;
      if (reset) check(dout === 0, "reset clears dout");
      else if (!enable) check(dout === last, "disabled edge holds dout");
      else begin
        if (pos < K) check(dout === din, "message symbol passes through");
        word[pos] = dout;
        pos = pos + 1;
        for (i = 0; i < R && pos == N; i = i + 1) begin
          a = gf_alpha_pow(GS + i);  // Horner, the first symbol the highest power
          s = 0;
          for (t = 0; t < N; t = t + 1) s = gf_mul(s, a) ^ word[t];
          check(s === 0, "codeword zero at alpha^(GS+i)");
        end
        if (pos == N) words = words + 1;
        if (pos == N) pos = 0;
      end
      #4 clk = 0;
    end
    if (words < 3) check(0, "too few whole codewords");
    rs_encoder_tb.finished = rs_encoder_tb.finished + 1;
  end
endmodule

module rs_encoder_tb;
  integer checks = 0, failed = 0, finished = 0;
  rs_encoder_code #(.M(4), .N(15), .R(4), .IRRPOL(19), .GS(0), .SEED(1)) c0 ();
  rs_encoder_code #(.M(4), .N(5), .R(4), .IRRPOL(25), .GS(11), .SEED(2)) c1 ();  // k = 1
  rs_encoder_code #(.M(5), .N(31), .R(6), .IRRPOL(37), .GS(3), .SEED(3)) c2 ();
  rs_encoder_code #(.M(6), .N(40), .R(8), .IRRPOL(91), .GS(2), .SEED(4)) c3 ();
  rs_encoder_code #(.M(7), .N(100), .R(10), .IRRPOL(137), .GS(117), .SEED(5)) c4 ();
  rs_encoder_code #(.M(8), .N(204), .R(16), .IRRPOL(285), .GS(0), .SEED(6)) c5 ();
  rs_encoder_code #(.M(8), .N(255), .R(50), .IRRPOL(301), .GS(1), .SEED(7)) c6 ();
  initial begin
    wait (finished == 7);
    $display("%0d checks, %0d failed", checks, failed);
    if (failed != 0) $fatal(1);
    $finish;
  end
endmodule

`default_nettype wire
