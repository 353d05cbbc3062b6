#include "hdl/table_file_names.h"

#include "platform/text_format.h"

namespace hdl {

std::string InverseTableName(int m, int irrpol) {
  return platform::Format("inv_%d_%d.hex", m, irrpol);
}

std::string EvnumTableName(int m, int irrpol, int genstart) {
  return platform::Format("evnum_%d_%d_%d.hex", m, irrpol, genstart);
}

}  // namespace hdl
