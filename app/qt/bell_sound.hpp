// The alert sound of the desktop: the freedesktop sound theme's "bell", played
// by canberra-gtk-play where both are installed, else the display's bell.
#pragma once

#include "platform/desktop/sound.hpp"

#include <QString>

namespace vigil::qt {

class BellSound : public desktop::Sound {
 public:
  void beep() override;

  // The player and the theme's bell sound, or empty strings where either is missing.
  static QString Player();
  static QString ThemeBell();
};

}  // namespace vigil::qt
