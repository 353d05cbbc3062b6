#include "rswizard/process_settings.h"

namespace rswizard {

rsblock::RsSettings& Settings() {
  static rsblock::RsSettings settings;
  return settings;
}

}  // namespace rswizard
