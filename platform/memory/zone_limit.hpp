// Scoped limit on a zone, for tests that need memory to run out at a chosen point.
#pragma once

#include "platform/memory/zones.h"

namespace vigil::platform {

class ScopedZoneLimit {
 public:
  // The zone can give `headroom` more bytes than it holds now, and no more.
  ScopedZoneLimit(THz zone, Size headroom) : zone_(zone), saved_(ZoneGetLimit(zone)) {
    ZoneSetLimit(zone, ZoneBytesInUse(zone) + headroom);
  }
  ~ScopedZoneLimit() { ZoneSetLimit(zone_, saved_); }
  ScopedZoneLimit(const ScopedZoneLimit &) = delete;
  ScopedZoneLimit &operator=(const ScopedZoneLimit &) = delete;

 private:
  THz zone_;
  Size saved_;
};

}  // namespace vigil::platform
