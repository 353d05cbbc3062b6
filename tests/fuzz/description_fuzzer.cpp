// libFuzzer entry point for the description reader: any bytes are read, written and read
// again, and the invariants of tests/fuzz/description_invariants.h must hold.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/fuzz/description_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One description for the whole run, as in the program; it is cleared before each input.
  static description::WizardDescription* const d = new description::WizardDescription();
  const std::string problem = descriptiontest::CheckReadInvariants(
      *d, std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "description invariant broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
