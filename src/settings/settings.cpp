#include "settings/settings.h"

Settings& ProcessSettings() {
  static Settings settings;
  return settings;
}
