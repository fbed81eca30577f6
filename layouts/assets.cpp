#include "layouts/assets.h"

#include <QResource>

extern "C" const unsigned char zalmira_assets[];

void RegisterAssets() {
  static const bool registered = QResource::registerResource(zalmira_assets);
  (void)registered;
}
