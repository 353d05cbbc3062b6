// The wizard's one settings record, which the pages, the symbol layout and the emission all
// read and write.
#pragma once

#include "rsblock/rs_settings.h"

namespace rswizard {

// The process-wide record, holding the construction values until settings are loaded.
rsblock::RsSettings& Settings();

}  // namespace rswizard
