#include "rsmath/memory_table_names.h"

namespace rsmath {

std::string InverseTableName(int m, int irrpol) {
  return "inv_" + std::to_string(m) + "_" + std::to_string(irrpol) + ".hex";
}

std::string EvnumTableName(int m, int irrpol, int genstart) {
  return "evnum_" + std::to_string(m) + "_" + std::to_string(irrpol) + "_" +
         std::to_string(genstart) + ".hex";
}

}  // namespace rsmath
