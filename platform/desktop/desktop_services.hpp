// The platform services a document uses beyond its own window: the run loop,
// the panels, the sound, mail and opening files. The desktop front end, the
// program without a display and tests each supply their own.
#pragma once

#include "platform/desktop/alert_presenter.hpp"
#include "platform/desktop/mail_delivery.hpp"
#include "platform/desktop/open_panel.hpp"
#include "platform/desktop/run_loop.hpp"
#include "platform/desktop/sound.hpp"
#include "platform/desktop/workspace.hpp"

#include <memory>

namespace vigil::desktop {

class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  virtual RunLoop &runLoop() = 0;
  // A new open panel; none where there is no display to show one.
  virtual std::unique_ptr<OpenPanel> openPanel() = 0;

  // The alert sound, modal alerts, opening files with their default
  // applications, and the mail service.
  virtual Sound &sound() = 0;
  virtual AlertPresenter &alerts() = 0;
  virtual Workspace &workspace() = 0;
  virtual MailDelivery &mail() = 0;
};

}  // namespace vigil::desktop
