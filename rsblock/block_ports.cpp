#include "rsblock/block_ports.h"

#include "rsmath/rs_vector_writer.h"

namespace rsblock {

bool HasPort(const RsPort& port, const RsSettings& settings) {
  const bool encoder = settings.Enc_Dec == 1;
  return port.use == PortUse::Both || (port.use == PortUse::Encoder) == encoder;
}

int PortBits(const RsPort& port, const RsSettings& settings) {
  switch (port.width) {
    case PortWidth::Symbol:
      return settings.m;
    case PortWidth::ErrorCount:
      return rsmath::numerrWidth(settings.check);
    case PortWidth::Wire:
      break;
  }
  return 0;
}

}  // namespace rsblock
