// Platform services for the document's tests: virtual time, a chooser that
// answers as the test tells it, and a record of everything else asked of them.
#pragma once

#include "platform/desktop/desktop_services.hpp"
#include "platform/desktop/virtual_run_loop.hpp"

#include <functional>
#include <memory>
#include <set>
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

// One message handed to the mail service.
struct SentMessage {
  std::string body, subject, to;
};

class TestServices : public desktop::DesktopServices,
                     desktop::Sound,
                     desktop::AlertPresenter,
                     desktop::Workspace,
                     desktop::MailDelivery {
 public:
  desktop::Sound &sound() override { return *this; }
  desktop::AlertPresenter &alerts() override { return *this; }
  desktop::Workspace &workspace() override { return *this; }
  desktop::MailDelivery &mail() override { return *this; }
  desktop::RunLoop &runLoop() override { return loop; }
  std::unique_ptr<OpenPanel> openPanel() override {
    auto panel = std::make_unique<ScriptedPanel>();
    lastPanel = panel.get();
    return panel;
  }
  void beep() override { events.push_back("beep"); }
  void runAlertPanel(const std::string &title, const std::string &message,
                     const std::string &button) override {
    events.push_back("alert: " + title + " / " + message + " / " + button);
  }
  bool openFile(const std::string &path) override {
    events.push_back("open " + path);
    return openablePaths.count(path) != 0;
  }
  bool deliverMessage(const std::string &body, const std::string &subject,
                      const std::string &to) override {
    events.push_back("mail to " + to);
    messages.push_back({body, subject, to});
    return mailAccepted;
  }

  desktop::VirtualRunLoop loop;
  ScriptedPanel *lastPanel = nullptr;
  std::vector<std::string> events;  // beeps, alerts, files opened and mail, in order
  std::vector<SentMessage> messages;
  std::set<std::string> openablePaths;
  bool mailAccepted = true;
};

}  // namespace vigil::app
