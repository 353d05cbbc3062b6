#include "host/process_state.h"

namespace host {

ProcessState& State() {
  static ProcessState state;
  return state;
}

void ResetProcessState() {
  State() = ProcessState{};
}

}  // namespace host
