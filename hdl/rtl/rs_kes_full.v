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
`default_nettype none
module rs_kes_full #(parameter M = 8, parameter R = 16, parameter IRRPOL = 285) (
  input wire clk, input wire reset,
  input wire start,
  input wire [R*M-1:0] syn,
  output wire done,
  output wire [(R/2+1)*M-1:0] lambda,
  output wire [(R/2)*M-1:0] omega
);
`include "rs_gf_functions.vh"

  // Impossible parameters stop elaboration in every tool: the module instantiated does not
  // exist, and its name says what is wrong.
  generate
    if (M < 2 || (IRRPOL >> M) != 1) begin : check_field
      rs_kes_full_needs_M_at_least_2_and_IRRPOL_of_degree_M impossible ();
    end
    if (R < 2) begin : check_r
      rs_kes_full_needs_R_at_least_2 impossible ();
    end
  endgenerate

  localparam T = R / 2;
  localparam P = R + T;                      // index of the locator's top element
  localparam CW = $clog2(R + 1) + 1;         // iteration counter
  localparam KW = $clog2(R + 1) + 2;         // signed k = r - 2L, -R .. R

  // ---- the array ----
  reg [M-1:0] delta_q[0:P];
  reg [M-1:0] theta_q[0:P];
  reg [M-1:0] gamma_q;
  reg signed [KW-1:0] k_q;
  reg [CW-1:0] cnt_q;
  reg busy_q;

  wire [M-1:0] d0 = delta_q[0];
  wire sel = (d0 != {M{1'b0}}) && !k_q[KW-1];
  localparam integer RL = R - 1;
  wire last_it = busy_q && (cnt_q == RL[CW-1:0]);

  integer i;
  genvar g;
  generate
    for (g = 0; g <= P; g = g + 1) begin : g_pe
      localparam [M-1:0] INIT = (g == P) ? 1 : 0;
      wire [M-1:0] up;                       // delta_q[g+1], 0 past the top
      if (g < P) begin : g_up
        assign up = delta_q[g+1];
      end else begin : g_top
        assign up = {M{1'b0}};
      end
      always @(posedge clk)
        if (start) begin
          delta_q[g] <= (g < R) ? syn[(g < R ? g : 0)*M +: M] : INIT;
          theta_q[g] <= (g < R) ? syn[(g < R ? g : 0)*M +: M] : INIT;
        end else if (busy_q) begin
          delta_q[g] <= gf_mul(gamma_q, up) ^ gf_mul(d0, theta_q[g]);
          if (sel) theta_q[g] <= up;
        end
    end
  endgenerate

  always @(posedge clk)
    if (start) begin
      gamma_q <= {{(M-1){1'b0}}, 1'b1};
      k_q <= {KW{1'b0}};
    end else if (busy_q) begin
      if (sel) begin
        gamma_q <= d0;
        k_q <= -k_q - 1'b1;
      end else
        k_q <= k_q + 1'b1;
    end

  always @(posedge clk)
    if (reset) begin
      busy_q <= 1'b0;
      cnt_q <= {CW{1'b0}};
    end else if (start) begin
      busy_q <= 1'b1;
      cnt_q <= {CW{1'b0}};
    end else if (busy_q) begin
      busy_q <= !last_it;
      cnt_q <= cnt_q + 1'b1;
    end

  // ---- locator check and Omega ----
  // After the last iteration: length L = (R - k) / 2 must be at most T (k >= R - 2T) and the
  // coefficient of x^L must be non-zero.
  reg fin_q;                                   // the array has finished (one clock)
  always @(posedge clk)
    if (reset) fin_q <= 1'b0;
    else fin_q <= last_it && !start;

  localparam integer RI = R;
  wire signed [KW:0] len2 = $signed(RI[KW:0]) - $signed({k_q[KW-1], k_q});  // 2L, even
  wire unused_len0 = len2[0];
  wire [KW-1:0] len = len2[KW:1];
  reg [M-1:0] lam_top;
  always @* begin
    lam_top = {M{1'b0}};
    for (i = 0; i <= T; i = i + 1)
      if (len == i[KW-1:0]) lam_top = delta_q[T+i];
  end
  wire len_ok = !k_q[KW-1] && (R % 2 == 0 || k_q != 0);   // k_q >= R - 2T
  wire lam_ok = len_ok && (lam_top != {M{1'b0}});

  reg [M-1:0] lam_q[0:T];
  reg [M-1:0] om_q[0:T-1];
  reg [M-1:0] sk_q[0:T-1];                     // S_0 .. S_(T-1) of the word in the array
  reg [M-1:0] ss_q[0:T-1];                     // the same, shifted out highest first
  localparam OW = $clog2(T + 1);
  localparam integer OL = T - 1;
  wire [OW-1:0] OLAST = OL[OW-1:0];
  reg [OW-1:0] ocnt_q;
  reg obusy_q, odone_q;

  always @(posedge clk)
    if (start)
      for (i = 0; i < T; i = i + 1) sk_q[i] <= syn[i*M +: M];

  always @(posedge clk) begin
    if (fin_q) begin
      for (i = 0; i <= T; i = i + 1) lam_q[i] <= lam_ok ? delta_q[T+i] : {M{1'b0}};
      for (i = 0; i < T; i = i + 1) begin
        om_q[i] <= {M{1'b0}};
        ss_q[i] <= sk_q[i];
      end
    end else if (obusy_q) begin
      om_q[0] <= gf_mul(ss_q[T-1], lam_q[0]);
      ss_q[0] <= {M{1'b0}};
      for (i = 1; i < T; i = i + 1) begin
        om_q[i] <= om_q[i-1] ^ gf_mul(ss_q[T-1], lam_q[i]);
        ss_q[i] <= ss_q[i-1];
      end
    end
  end

  always @(posedge clk)
    if (reset) begin
      obusy_q <= 1'b0;
      odone_q <= 1'b0;
      ocnt_q <= 0;
    end else begin
      odone_q <= obusy_q && (ocnt_q == OLAST);
      if (fin_q) begin
        obusy_q <= 1'b1;
        ocnt_q <= 0;
      end else if (obusy_q) begin
        obusy_q <= (ocnt_q != OLAST);
        ocnt_q <= ocnt_q + 1'b1;
      end
    end

  assign done = odone_q;
  generate
    for (g = 0; g <= T; g = g + 1) begin : g_lam
      assign lambda[g*M +: M] = lam_q[g];
    end
    for (g = 0; g < T; g = g + 1) begin : g_om
      assign omega[g*M +: M] = om_q[g];
    end
  endgenerate
endmodule
`default_nettype wire
