#include "description/wizard_description.h"

namespace description {

void WizardDescription::ClearStores() {
  constants.Clear();
  parameters.Clear();
  privates.Clear();
  connections.Clear();
  usedPorts.Clear();
}

bool WizardDescription::AddUsedPort(std::string_view name, int width, PortDirection direction,
                                    int lsb, std::string_view defaultValue) {
  if (!usedPorts.AddPort(name, width, defaultValue, direction, lsb)) return false;
  std::string link = "@";
  link += name;
  if (direction == kInput) return connections.AddConnection(link, name, width, lsb);
  return connections.AddConnection(name, link, width, lsb);
}

}  // namespace description
