#include "rsblock/module_names.h"

namespace rsblock {

const char* ModuleNameFor(const RsSettings& settings) {
  if (settings.Enc_Dec != 0) return kEncoderModule;
  return settings.Disc_Stream == 1 ? kDiscreteDecoderModule : kStreamingDecoderModule;
}

}  // namespace rsblock
