// The names of the decoder's two memory table files, without the directory: the generated
// files page shows them, the description names them for the block and the writers create them.
#pragma once

#include <string>

namespace rsmath {

// "inv_<m>_<irrpol>.hex".
std::string InverseTableName(int m, int irrpol);

// "evnum_<m>_<irrpol>_<genstart>.hex".
std::string EvnumTableName(int m, int irrpol, int genstart);

}  // namespace rsmath
