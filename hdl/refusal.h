// Why the generator writes nothing: one line for the user, naming what is wrong and, where it
// helps, what would be right.
#pragma once

#include <stdexcept>
#include <string>

namespace hdl {

class Refusal : public std::runtime_error {
 public:
  explicit Refusal(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace hdl
