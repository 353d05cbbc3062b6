// The module names a description gives the block: the generator knows the kind of block by
// them.
#pragma once

#include "rsblock/rs_settings.h"

namespace rsblock {

inline constexpr const char* kEncoderModule = "RS_Enc";
inline constexpr const char* kDiscreteDecoderModule = "rsdsca";
inline constexpr const char* kStreamingDecoderModule = "rsstrb";

// The module name of the block the settings describe.
const char* ModuleNameFor(const RsSettings& settings);

}  // namespace rsblock
