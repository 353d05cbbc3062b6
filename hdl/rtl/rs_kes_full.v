// Key-equation solver, full speed: the reformulated inversionless Berlekamp-Massey array of
// R + R/2 + 1 processing elements, one iteration a clock (R iterations), followed by a second
// stage that forms Omega(x) = S(x) Lambda(x) mod x^R in R/2 clocks while the array already
// works on the next word. Latency start -> done: R + R/2 + 2 clocks; a new start is taken
// every R + 1 clocks or more.
//
// The array leaves only the high half of S(x) Lambda(x) in its low elements, which would need
// another error-value formula; the low half that the common interface promises is cheap to
// form from Lambda and the first R/2 syndromes: W <- x W + S_j Lambda(x) mod x^(R/2), j down.
//
// Lambda is returned as 0 when the register length of the iteration exceeds R/2, or when the
// locator's degree falls short of that length: no codeword lies within R/2 symbols then, and a
// zero locator makes every position a root, so the decoder reports the failure.
// uses:
module rs_kes_full #(parameter M = 8, parameter R = 16, parameter IRRPOL = 285) (
  input clk, input reset,
  input start,
  input [R*M-1:0] syn,
  output done,
  output [(R/2+1)*M-1:0] lambda,
  output [(R/2)*M-1:0] omega
);
`include "rs_gf_functions.vh"

  localparam T = R / 2;
  localparam P = R + T;                      // index of the locator's top element
  localparam CW = $clog2(R + 1) + 1;         // iteration counter
  localparam KW = $clog2(R + 1) + 2;         // signed k = r - 2L, -R .. R

  // ---- the array ----
  reg [M-1:0] delta[0:P];
  reg [M-1:0] theta[0:P];
  reg [M-1:0] gamma;
  reg signed [KW-1:0] k;
  reg [CW-1:0] cnt;
  reg busy;

  wire [M-1:0] d0 = delta[0];
  wire sel = (d0 != {M{1'b0}}) && !k[KW-1];
  localparam integer RL = R - 1;
  wire last_it = busy && (cnt == RL[CW-1:0]);

  integer i;
  genvar g;
  generate
    for (g = 0; g <= P; g = g + 1) begin : g_pe
      localparam [M-1:0] INIT = (g == P) ? 1 : 0;
      wire [M-1:0] up;                       // delta[g+1], 0 past the top
      if (g < P) begin : g_up
        assign up = delta[g+1];
      end else begin : g_top
        assign up = {M{1'b0}};
      end
      always @(posedge clk)
        if (start) begin
          delta[g] <= (g < R) ? syn[(g < R ? g : 0)*M +: M] : INIT;
          theta[g] <= (g < R) ? syn[(g < R ? g : 0)*M +: M] : INIT;
        end else if (busy) begin
          delta[g] <= gf_mul(gamma, up) ^ gf_mul(d0, theta[g]);
          if (sel) theta[g] <= up;
        end
    end
  endgenerate

  always @(posedge clk)
    if (start) begin
      gamma <= {{(M-1){1'b0}}, 1'b1};
      k <= {KW{1'b0}};
    end else if (busy) begin
      if (sel) begin
        gamma <= d0;
        k <= -k - 1'b1;
      end else
        k <= k + 1'b1;
    end

  always @(posedge clk)
    if (reset) begin
      busy <= 1'b0;
      cnt <= {CW{1'b0}};
    end else if (start) begin
      busy <= 1'b1;
      cnt <= {CW{1'b0}};
    end else if (busy) begin
      busy <= !last_it;
      cnt <= cnt + 1'b1;
    end

  // ---- locator check and Omega ----
  // After the last iteration: length L = (R - k) / 2 must be at most T (k >= R - 2T) and the
  // coefficient of x^L must be non-zero.
  reg fin;                                   // the array has finished (one clock)
  always @(posedge clk)
    if (reset) fin <= 1'b0;
    else fin <= last_it && !start;

  localparam integer RI = R;
  wire signed [KW:0] len2 = $signed(RI[KW:0]) - $signed({k[KW-1], k});  // 2L, even
  wire unused_len0 = len2[0];
  wire [KW-1:0] len = len2[KW:1];
  reg [M-1:0] lam_top;
  always @* begin
    lam_top = {M{1'b0}};
    for (i = 0; i <= T; i = i + 1)
      if (len == i[KW-1:0]) lam_top = delta[T+i];
  end
  wire len_ok = !k[KW-1] && (R % 2 == 0 || k != 0);   // k >= R - 2T
  wire lam_ok = len_ok && (lam_top != {M{1'b0}});

  reg [M-1:0] lam[0:T];
  reg [M-1:0] om[0:T-1];
  reg [M-1:0] sk[0:T-1];                     // S_0 .. S_(T-1) of the word in the array
  reg [M-1:0] ss[0:T-1];                     // the same, shifted out highest first
  localparam OW = $clog2(T + 1);
  localparam integer OL = T - 1;
  wire [OW-1:0] OLAST = OL[OW-1:0];
  reg [OW-1:0] ocnt;
  reg obusy, odone;

  always @(posedge clk)
    if (start)
      for (i = 0; i < T; i = i + 1) sk[i] <= syn[i*M +: M];

  always @(posedge clk) begin
    if (fin) begin
      for (i = 0; i <= T; i = i + 1) lam[i] <= lam_ok ? delta[T+i] : {M{1'b0}};
      for (i = 0; i < T; i = i + 1) begin
        om[i] <= {M{1'b0}};
        ss[i] <= sk[i];
      end
    end else if (obusy) begin
      om[0] <= gf_mul(ss[T-1], lam[0]);
      ss[0] <= {M{1'b0}};
      for (i = 1; i < T; i = i + 1) begin
        om[i] <= om[i-1] ^ gf_mul(ss[T-1], lam[i]);
        ss[i] <= ss[i-1];
      end
    end
  end

  always @(posedge clk)
    if (reset) begin
      obusy <= 1'b0;
      odone <= 1'b0;
      ocnt <= 0;
    end else begin
      odone <= obusy && (ocnt == OLAST);
      if (fin) begin
        obusy <= 1'b1;
        ocnt <= 0;
      end else if (obusy) begin
        obusy <= (ocnt != OLAST);
        ocnt <= ocnt + 1'b1;
      end
    end

  assign done = odone;
  generate
    for (g = 0; g <= T; g = g + 1) begin : g_lam
      assign lambda[g*M +: M] = lam[g];
    end
    for (g = 0; g < T; g = g + 1) begin : g_om
      assign omega[g*M +: M] = om[g];
    end
  endgenerate
endmodule
