#include "rswizard/rs_settings.h"

namespace rswizard {

RsSettings& Settings() {
  static RsSettings settings;
  return settings;
}

}  // namespace rswizard
