// The soak harness around a decoder block that Verilator compiled (top module rs, class Vrs).
#include <memory>

#include "Vrs.h"
#include "tests/soak/soak_main.h"
#include "verilated.h"

namespace {

class VerilatedDecoder : public soak::ClockedDecoder {
 public:
  explicit VerilatedDecoder(VerilatedContext& context) : top_(&context) {
    top_.sysclk = 0;
    top_.eval();
  }

  soak::PortOutputs Edge(const soak::PortInputs& in) override {
    top_.reset = in.reset;
    top_.dsin = in.dsin;
    top_.dsout = in.dsout;
    top_.bypass = in.bypass;
    top_.rsin = in.rsin;
    top_.sysclk = 1;
    top_.eval();
    const soak::PortOutputs out{top_.rsout, top_.rdyin != 0, top_.outvalid != 0, top_.decfail != 0,
                                top_.numerr};
    top_.sysclk = 0;
    top_.eval();
    return out;
  }

 private:
  Vrs top_;
};

}  // namespace

int main(int argc, char** argv) {
  VerilatedContext context;
  context.commandArgs(argc, argv);
  VerilatedDecoder decoder(context);
  return soak::SoakMain(argc, argv, decoder);
}
