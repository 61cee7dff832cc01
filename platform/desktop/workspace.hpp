// Opening files with their default applications.
#pragma once

#include <string>

namespace vigil::desktop {

class Workspace {
 public:
  virtual ~Workspace() = default;
  // True when a handler for the file was found and started; never waits for it.
  virtual bool openFile(const std::string &path) = 0;
};

// The desktop's default applications (freedesktop.org MIME database, mimeapps.list
// and desktop entries), as xdg-open chooses them. The handler is started
// detached, so a program that keeps running never holds us up.
class FreedesktopWorkspace : public Workspace {
 public:
  bool openFile(const std::string &path) override;
};

}  // namespace vigil::desktop
