// The names the wizard gives the decoder's memory tables, without their directory.
#pragma once

#include <string>

namespace hdl {

std::string InverseTableName(int m, int irrpol);              // inv_M_P.hex
std::string EvnumTableName(int m, int irrpol, int genstart);  // evnum_M_P_G.hex

}  // namespace hdl
