// Decoder core against its own properties: random codewords from a behavioural encoder, 0 .. t
// errors come back corrected (numerr = errors), more come back flagged and unchanged or as a
// codeword within t; bypass words unchanged. The port timing is checked on every edge: each
// word leaves a fixed number of edges after its last symbol went in, on n consecutive edges,
// numerr and decfail constant; dsout = 0 clears an edge's output; a reset drops words in flight.
module rs_decoder_check #(
  parameter M = 4, N = 15, R = 4, IRRPOL = 19, GENSTART = 0,
  parameter DISCRETE = 0, SOLVER = 0, MULS = 3, NUMERR_W = 3,
  parameter NCW = 12,                // words sent
  parameter GAP = 0,                 // streaming: idle edges between words at least ...
  parameter RGAP = 0,                //   ... plus up to RGAP more at random
  parameter LONG = 0,                // streaming: dsin held high over the whole word
  parameter DSOUT = 0,               // dsout low at random
  parameter RST_CW = -1,             // reset in the middle of this word
  parameter SEED = 1,
  parameter EXP_LAT = 0             // edges from the last symbol in to the first out, 0: learn
) (
  output reg finished, output integer checks, output integer fails, output integer lat
);

  localparam T = R / 2;
  localparam Q = (1 << M) - 1;

  // ---- behavioural field, independent of the design's functions ----
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
  // The inverse table by walking the powers: x = alpha^i, its inverse alpha^-i.
  function [(1<<M)*M-1:0] inv_table;
    input integer dummy;
    integer i;
    reg [M-1:0] x, y, ainv;
    begin
      inv_table = 0;
      ainv = apow(Q - 1);
      x = 1;
      y = 1;
      for (i = 0; i < Q; i = i + 1) begin
        inv_table[x*M +: M] = y;
        x = mul(x, 2);
        y = mul(y, ainv);
      end
    end
  endfunction
  localparam [(1<<M)*M-1:0] INV = inv_table(0);

  reg clk = 0, reset = 1, dsin = 0, dsout = 1, bypass = 0;
  reg [M-1:0] din = 0;
  wire [M-1:0] dout;
  wire rdyin, outvalid, decfail;
  wire [NUMERR_W-1:0] numerr;
  rs_decoder #(.M(M), .N(N), .R(R), .IRRPOL(IRRPOL), .GENSTART(GENSTART), .DISCRETE(DISCRETE),
               .SOLVER(SOLVER), .MULS(MULS), .NUMERR_W(NUMERR_W), .INV_ROM(INV)) dut (
    .clk(clk), .reset(reset), .dsin(dsin), .dsout(dsout), .bypass(bypass), .din(din),
    .dout(dout), .rdyin(rdyin), .outvalid(outvalid), .decfail(decfail), .numerr(numerr));
  always #5 clk = !clk;

  // ---- the words: sent codeword, received word, errors injected, bypass ----
  reg [M-1:0] sent[0:NCW*N-1];
  reg [M-1:0] recv[0:NCW*N-1];
  reg [M-1:0] got[0:NCW*N-1];
  reg seen[0:NCW*N-1];
  integer nerr[0:NCW-1];
  reg bp[0:NCW-1];
  reg dropped[0:NCW-1];
  integer lastedge[0:NCW-1];
  integer seed, c, i, j, e, p;
  reg [M-1:0] gen[0:R];
  reg [M-1:0] rem[0:R-1];
  reg [M-1:0] fb, v;

  task fail;
    input [8*48-1:0] what;
    input integer cw;
    begin
      fails = fails + 1;
      if (fails < 20) $display("FAIL %m %0s: word %0d at edge %0d", what, cw, cyc);
    end
  endtask

  initial begin
    seed = SEED;
    // g(x) = prod (x + alpha^(GENSTART+j)), gen[i] = coefficient of x^i
    for (i = 0; i <= R; i = i + 1) gen[i] = 0;
    gen[0] = 1;
    for (j = 0; j < R; j = j + 1) begin
      v = apow(GENSTART + j);
      for (i = R; i > 0; i = i - 1) gen[i] = gen[i-1] ^ mul(gen[i], v);
      gen[0] = mul(gen[0], v);
    end
    for (c = 0; c < NCW; c = c + 1) begin
      for (i = 0; i < R; i = i + 1) rem[i] = 0;
      // word index i = 0 is the first symbol on the wire, the coefficient of x^(N-1)
      for (i = 0; i < N - R; i = i + 1) begin
        sent[c*N+i] = $random(seed);
        fb = sent[c*N+i] ^ rem[R-1];
        for (j = R - 1; j > 0; j = j - 1) rem[j] = rem[j-1] ^ mul(fb, gen[j]);
        rem[0] = mul(fb, gen[0]);
      end
      for (i = 0; i < R; i = i + 1) sent[c*N+N-1-i] = rem[i];
      e = (NCW > 1) ? c * (T + 3) / (NCW - 1) : 0;     // 0 .. t + 3 over the words
      if (e > N) e = N;
      nerr[c] = e;
      bp[c] = (c % 7 == 5);
      dropped[c] = 0;
      lastedge[c] = -1;
      for (i = 0; i < N; i = i + 1) begin
        recv[c*N+i] = sent[c*N+i];
        seen[c*N+i] = 0;
      end
      while (e > 0) begin
        p = {$random(seed)} % N;
        if (recv[c*N+p] == sent[c*N+p]) begin
          v = $random(seed);
          if (v != 0) begin
            recv[c*N+p] = sent[c*N+p] ^ v;
            e = e - 1;
          end
        end
      end
    end
  end

  // ---- driver (inputs change on the falling edge) ----
  integer dc = 0, si = 0, wait_n = 3, cyc = 0;
  reg sending = 0, taken;
  always @(negedge clk) begin
    if (DSOUT) dsout <= ({$random(seed)} % 4 != 0);
    if (cyc >= 2) reset <= 0;
    if (RST_CW >= 0 && dc == RST_CW && si == N / 2 && sending && !dropped[dc]) begin
      reset <= 1;
      for (c = 0; c <= dc; c = c + 1) dropped[c] = 1;
      sending <= 0;
      si = 0;
      dc = dc + 1;
      wait_n = 2;
      dsin <= 0;
    end else if (cyc >= 2) begin
      if (DISCRETE) begin
        if (dc < NCW) begin
          dsin <= (RGAP == 0) || ({$random(seed)} % 4 != 0);
          din <= recv[dc*N+si];
          bypass <= (si == 0) ? bp[dc] : $random(seed);
        end else dsin <= 0;
      end else if (!sending) begin
        if (wait_n > 0) begin
          wait_n = wait_n - 1;
          dsin <= 0;
        end else if (dc < NCW) begin
          sending <= 1;
          si = 0;
          dsin <= 1;
          din <= recv[dc*N];
          bypass <= bp[dc];
        end
      end else begin
        // a rising dsin in the middle of a word must not restart it
        dsin <= LONG ? 1'b1 : (dc % 3 == 1 && si == 3);
        din <= recv[dc*N+si];
        bypass <= $random(seed);
      end
    end
  end

  // ---- monitor (registered outputs, read before the edge updates them) ----
  integer oc = 0, oi, ne0, df0, k, d;
  reg dsout_q = 1, have0;
  reg [M-1:0] s;
  always @(posedge clk) begin
    cyc = cyc + 1;
    // input side
    taken = 0;
    if (!reset && dc < NCW) begin
      if (DISCRETE) taken = dsin && rdyin;
      else if (sending) begin
        taken = 1;
        if (si == 0) begin
          checks = checks + 1;
          if (rdyin !== 1'b1) fail("start while rdyin low", dc);
        end
      end
    end
    if (taken) begin
      if (si == N - 1) begin
        lastedge[dc] = cyc;
        dc = dc + 1;
        si = 0;
        sending <= 0;
        wait_n = GAP + ((RGAP > 0) ? {$random(seed)} % (RGAP + 1) : 0);
        if (LONG && wait_n == 0) wait_n = 1;       // a held dsin needs a low edge to rise again
      end else si = si + 1;
    end
    // output side
    while (oc < NCW && dropped[oc]) oc = oc + 1;
    if (lat == 0 && outvalid === 1'b1 && oc < NCW && lastedge[oc] >= 0) lat = cyc - lastedge[oc];
    oi = (oc < NCW && lat > 0 && lastedge[oc] >= 0) ? cyc - lastedge[oc] - lat : -1;
    if (reset) have0 = 0;                          // this edge still shows the old output
    else if (oi >= 0 && oi < N) begin
      checks = checks + 1;
      if (!dsout_q) begin
        if (outvalid !== 0 || dout !== 0 || numerr !== 0 || decfail !== 0) fail("output with dsout low", oc);
      end else if (outvalid !== 1'b1) fail("outvalid missing", oc);
      else begin
        got[oc*N+oi] = dout;
        seen[oc*N+oi] = 1;
        if (!have0) begin
          have0 = 1;
          ne0 = numerr;
          df0 = decfail;
        end else if (numerr !== ne0 || decfail !== df0) fail("numerr/decfail not constant", oc);
      end
      if (oi == N - 1) begin
        check_word(oc);
        oc = oc + 1;
        have0 = 0;
      end
    end else begin
      checks = checks + 1;
      if (outvalid !== 1'b0 && !(cyc < 3)) fail("outvalid out of its window", oc);
    end
    dsout_q = dsout;
  end

  task check_word;
    input integer w;
    integer x, y, dist, vis, bad, synz;
    reg [M-1:0] acc, rt;
    begin
      checks = checks + 1;
      vis = 0;
      bad = 0;
      dist = 0;
      for (x = 0; x < N; x = x + 1)
        if (seen[w*N+x]) begin
          vis = vis + 1;
          if (got[w*N+x] != recv[w*N+x]) dist = dist + 1;
        end
      if (!have0) ;                                    // every symbol masked by dsout
      else if (bp[w]) begin
        for (x = 0; x < N; x = x + 1) if (seen[w*N+x] && got[w*N+x] != recv[w*N+x]) bad = 1;
        if (bad || ne0 != 0 || df0 != 0) fail("bypass word changed", w);
      end else if (nerr[w] <= T) begin
        for (x = 0; x < N; x = x + 1) if (seen[w*N+x] && got[w*N+x] != sent[w*N+x]) bad = 1;
        if (bad || ne0 != nerr[w] || df0 != 0) fail("correctable word wrong", w);
      end else if (df0) begin
        for (x = 0; x < N; x = x + 1) if (seen[w*N+x] && got[w*N+x] != recv[w*N+x]) bad = 1;
        if (bad || ne0 != 0) fail("failed word not unchanged", w);
      end else begin
        // decoded beyond t: a codeword within t of the received word, numerr symbols apart
        synz = 1;
        if (vis == N)
          for (y = 0; y < R; y = y + 1) begin
            acc = 0;
            rt = apow(GENSTART + y);
            for (x = 0; x < N; x = x + 1) acc = mul(acc, rt) ^ got[w*N+x];
            if (acc != 0) synz = 0;
          end
        if (!synz || (vis == N && dist != ne0) || dist > ne0 || ne0 > T) fail("miscorrection", w);
      end
    end
  endtask

  initial begin
    checks = 0;
    fails = 0;
    have0 = 0;
    lat = EXP_LAT;
    finished = 0;
    wait (oc >= NCW);
    repeat (5) @(posedge clk);
    finished = 1;
  end
endmodule

// The codes under test, all at once: every m, r = 4 and 50, k = 1, n = 255, first roots 0,
// 1 and large, discrete and streaming, back to back and spaced, bypass, dsout, reset. SWEEP = 1
// adds a longer batch.
module rs_decoder_tb #(parameter SWEEP = 0);
  localparam NC = 9, NS = 8;
  // M N R IRRPOL GENSTART DISCRETE NCW GAP RGAP LONG DSOUT RST_CW SEED
  localparam [NC*13*16-1:0] CI = {
    16'd4, 16'd15, 16'd4, 16'd19, 16'd0, 16'd0, 16'd16, 16'd0, 16'd0, 16'd0, 16'd0, 16'hffff, 16'd1,
    16'd4, 16'd15, 16'd6, 16'd25, 16'd9, 16'd1, 16'd14, 16'd0, 16'd1, 16'd0, 16'd0, 16'd6, 16'd2,
    16'd5, 16'd31, 16'd7, 16'd37, 16'd1, 16'd0, 16'd12, 16'd2, 16'd5, 16'd1, 16'd1, 16'hffff, 16'd3,
    16'd6, 16'd7, 16'd6, 16'd67, 16'd57, 16'd0, 16'd24, 16'd0, 16'd0, 16'd0, 16'd0, 16'd9, 16'd4,
    16'd7, 16'd51, 16'd50, 16'd137, 16'd3, 16'd1, 16'd6, 16'd0, 16'd1, 16'd0, 16'd1, 16'hffff, 16'd5,
    16'd8, 16'd204, 16'd16, 16'd285, 16'd0, 16'd0, 16'd7, 16'd0, 16'd0, 16'd0, 16'd0, 16'hffff, 16'd6,
    16'd8, 16'd255, 16'd50, 16'd391, 16'd200, 16'd0, 16'd4, 16'd0, 16'd0, 16'd0, 16'd0, 16'hffff, 16'd7,
    16'd8, 16'd255, 16'd4, 16'd285, 16'd1, 16'd1, 16'd6, 16'd0, 16'd0, 16'd0, 16'd1, 16'hffff, 16'd8,
    16'd8, 16'd51, 16'd50, 16'd299, 16'd100, 16'd0, 16'd6, 16'd1, 16'd0, 16'd1, 16'd0, 16'hffff, 16'd9};
  localparam [NS*13*16-1:0] LONGER = {
    16'd4, 16'd15, 16'd14, 16'd19, 16'd1, 16'd0, 16'd60, 16'd0, 16'd0, 16'd0, 16'd0, 16'hffff, 16'd11,
    16'd5, 16'd31, 16'd16, 16'd61, 16'd15, 16'd1, 16'd60, 16'd0, 16'd2, 16'd0, 16'd1, 16'hffff, 16'd12,
    16'd6, 16'd63, 16'd20, 16'd103, 16'd43, 16'd0, 16'd60, 16'd1, 16'd3, 16'd0, 16'd0, 16'hffff, 16'd13,
    16'd7, 16'd127, 16'd33, 16'd131, 16'd94, 16'd0, 16'd40, 16'd1, 16'd0, 16'd1, 16'd1, 16'hffff, 16'd14,
    16'd8, 16'd255, 16'd32, 16'd285, 16'd0, 16'd0, 16'd40, 16'd0, 16'd0, 16'd0, 16'd0, 16'hffff, 16'd15,
    16'd8, 16'd255, 16'd16, 16'd285, 16'd0, 16'd1, 16'd40, 16'd0, 16'd1, 16'd0, 16'd0, 16'd20, 16'd16,
    16'd8, 16'd204, 16'd16, 16'd285, 16'd0, 16'd0, 16'd80, 16'd0, 16'd0, 16'd0, 16'd1, 16'hffff, 16'd17,
    16'd8, 16'd255, 16'd49, 16'd487, 16'd206, 16'd1, 16'd30, 16'd0, 16'd0, 16'd0, 16'd0, 16'hffff, 16'd18};
  localparam NT = SWEEP ? NC + NS : NC;
  localparam [(NC+NS)*13*16-1:0] ALL = {CI, LONGER};

  wire [NT-1:0] fin;
  integer chk[0:NT-1];
  integer bad[0:NT-1];
  genvar g;
  generate
    for (g = 0; g < NT; g = g + 1) begin : g_t
      localparam B = (NC + NS - 1 - g) * 13 * 16;
      localparam integer PM = ALL[B+12*16 +: 16], PN = ALL[B+11*16 +: 16], PR = ALL[B+10*16 +: 16];
      localparam integer PP = ALL[B+9*16 +: 16], PG = ALL[B+8*16 +: 16], PD = ALL[B+7*16 +: 16];
      localparam integer PC = ALL[B+6*16 +: 16], PA = ALL[B+5*16 +: 16], PX = ALL[B+4*16 +: 16];
      localparam integer PL = ALL[B+3*16 +: 16], PO = ALL[B+2*16 +: 16];
      localparam integer PT = (ALL[B+1*16 +: 16] == 16'hffff) ? -1 : ALL[B+1*16 +: 16];
      localparam integer PS = ALL[B +: 16];
      localparam integer W = (PR < 8) ? 3 : (PR < 16) ? 4 : (PR < 32) ? 5 : 6;
      wire [31:0] c_chk, c_bad, c_lat;   // c_lat: the edges measured, for a look in a waveform
      rs_decoder_check #(.M(PM), .N(PN), .R(PR), .IRRPOL(PP), .GENSTART(PG), .DISCRETE(PD),
                         .SOLVER(0), .NUMERR_W(W), .NCW(PC), .GAP(PA), .RGAP(PX), .LONG(PL),
                         .DSOUT(PO), .RST_CW(PT), .SEED(PS),
                         .EXP_LAT(PN + PR + PR / 2 + 8)) u (
        .finished(fin[g]), .checks(c_chk), .fails(c_bad), .lat(c_lat));
      always @* begin
        chk[g] = c_chk;
        bad[g] = c_bad;
      end
    end
  endgenerate

  integer i, sc, sf;
  initial begin
    #1;
    wait (&fin);
    sc = 0;
    sf = 0;
    for (i = 0; i < NT; i = i + 1) begin
      sc = sc + chk[i];
      sf = sf + bad[i];
    end
    $display("%0d checks, %0d failed", sc, sf);
    if (sf != 0) $fatal(1, "rs_decoder_tb: failures");
    $finish;
  end
  initial begin
    #(SWEEP ? 400000000 : 40000000);
    $display("0 checks, 1 failed");
    $fatal(1, "rs_decoder_tb: timed out");
  end
endmodule
