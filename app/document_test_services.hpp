// Platform services for the document's tests: virtual time, a chooser that
// answers as the test tells it, and a record of everything else asked of them.
#pragma once

#include "platform/desktop/desktop_services.hpp"
#include "platform/desktop/virtual_run_loop.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vigil::app {

using desktop::OpenPanel;

// A chooser that answers as its test tells it to, when its test tells it to.
class ScriptedPanel : public OpenPanel {
 public:
  void setAllowsMultipleSelection(bool allow) override { multiple = allow; }
  void setTreatsFilePackagesAsDirectories(bool treat) override { packages = treat; }
  void setCanChooseDirectories(bool can) override { directories = can; }
  void setCanChooseFiles(bool can) override { files = can; }
  void setTitle(const std::string &text) override { title = text; }
  void beginSheet(const std::string &directory, const std::string &, const std::vector<std::string> &,
                  desktop::Window *window, std::function<void(OpenPanel &, int)> didEnd) override {
    openedIn = directory;
    sheetWindow = window;
    end = std::move(didEnd);
  }
  std::vector<std::string> filenames() const override { return chosen; }

  bool multiple = true, packages = true, directories = false, files = true;
  std::string title, openedIn;
  desktop::Window *sheetWindow = nullptr;
  std::function<void(OpenPanel &, int)> end;
  std::vector<std::string> chosen;
};

class TestServices : public desktop::DesktopServices {
 public:
  desktop::RunLoop &runLoop() override { return loop; }
  std::unique_ptr<OpenPanel> openPanel() override {
    auto panel = std::make_unique<ScriptedPanel>();
    lastPanel = panel.get();
    return panel;
  }
  desktop::VirtualRunLoop loop;
  ScriptedPanel *lastPanel = nullptr;
};

}  // namespace vigil::app
