#include "app/headless/headless_runner.hpp"

#include "app/document_settings.hpp"
#include "app/headless/status_printer.hpp"
#include "app/my_document.hpp"
#include "app/stored_window.hpp"
#include "platform/desktop/configured_mail_delivery.hpp"
#include "platform/desktop/desktop_services.hpp"
#include "platform/desktop/preferences.hpp"
#include "platform/desktop/real_run_loop.hpp"
#include "platform/desktop/typedstream_reader.hpp"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

namespace vigil::app {
namespace {

// Without a display: no panels, the terminal's bell, alerts on standard error.
class HeadlessServices : public desktop::DesktopServices {
 public:
  desktop::RunLoop &runLoop() override { return loop; }
  std::unique_ptr<desktop::OpenPanel> openPanel() override { return nullptr; }
  desktop::Sound &sound() override { return bell; }
  desktop::AlertPresenter &alerts() override { return alertsOnStandardError; }
  desktop::Workspace &workspace() override { return defaultApplications; }
  desktop::MailDelivery &mail() override { return configuredMail; }

  desktop::RealRunLoop loop;
  desktop::TerminalBell bell;
  desktop::StreamAlertPresenter alertsOnStandardError;
  desktop::FreedesktopWorkspace defaultApplications;
  desktop::ConfiguredMailDelivery configuredMail{desktop::Preferences::DefaultPath()};
};

// A document with its window of stored controls, its file's settings put back
// and the command's settings applied on top.
struct HeadlessDocument {
  explicit HeadlessDocument(HeadlessServices &services) : document(services) {
    document.connectOutlets(window.outlets());
  }
  StoredWindow window;
  MyDocument document;
};

// Reads a settings document; answers an error naming it when it cannot be read
// or is not one.
std::optional<std::string> LoadSettings(const std::string &path, std::vector<std::uint8_t> *data) {
  if (auto error = desktop::ReadWholeFile(path, data, 16 * 1024 * 1024)) return error;
  if (!Unarchive(*data)) return "\"" + path + "\" is not a settings document";
  return std::nullopt;
}

std::optional<std::string> Prepare(HeadlessDocument &prepared, const std::string &path,
                                   const HeadlessCommand &command) {
  if (!path.empty()) {
    std::vector<std::uint8_t> data;
    if (auto error = LoadSettings(path, &data)) return error;
    prepared.document.restoreUIStateForDocument(data);
  }
  for (const WindowEdit &edit : command.edits) edit(prepared.window);
  return std::nullopt;
}

int Fail(const std::string &message) {
  std::fprintf(stderr, "vigil: %s\n", message.c_str());
  return 1;
}

int Show(const HeadlessCommand &command) {
  HeadlessServices services;
  HeadlessDocument shown(services);
  if (auto error = Prepare(shown, command.documents.front(), command)) return Fail(*error);
  std::fputs(SettingsAsJson(SettingsFromControls(shown.window.outlets())).c_str(), stdout);
  return 0;
}

int Save(const HeadlessCommand &command) {
  const std::string &path = command.documents.front();
  HeadlessServices services;
  HeadlessDocument saved(services);
  std::error_code ignored;
  const bool exists = std::filesystem::exists(path, ignored);
  if (auto error = Prepare(saved, exists ? path : std::string(), command)) return Fail(*error);
  if (auto error = saved.document.saveDocumentAs(path)) return Fail(*error);
  std::printf("%s \"%s\"\n", exists ? "Updated" : "Created", path.c_str());
  return 0;
}

// One running watch: a document and the printer of what it shows.
struct Watch {
  Watch(HeadlessServices &services, bool terminal, std::string prefix)
      : prepared(services), printer(stdout, terminal, std::move(prefix)) {
    prepared.window.status.onUpdate([this](const std::string &text, bool passing) {
      printer.status(text, passing);
      if (!passing && stateShown) stateShown();
    });
    prepared.document.onChangeDetected([this](const ChangeReport &report) { printer.change(report); });
  }
  HeadlessDocument prepared;
  StatusPrinter printer;
  std::function<void()> stateShown;  // after each display state the status line shows
};

int Run(const HeadlessCommand &command) {
  HeadlessServices services;
  const bool terminal = isatty(STDOUT_FILENO) != 0;
  std::vector<std::string> sources = command.documents;
  if (sources.empty()) sources.push_back(std::string());  // the settings alone

  // Every document is read and checked before any watch starts.
  std::vector<std::unique_ptr<Watch>> watches;
  for (const std::string &source : sources) {
    const std::string prefix = sources.size() > 1 ? std::filesystem::path(source).stem().string() + ": " : "";
    auto watch = std::make_unique<Watch>(services, terminal, prefix);
    if (auto error = Prepare(watch->prepared, source, command)) return Fail(*error);
    watches.push_back(std::move(watch));
  }
  for (auto &watch : watches) {
    MyDocument &document = watch->prepared.document;
    document.windowControllerDidLoadNib(&watch->prepared.window);  // may start it
    if (!document.isRunning()) document.buttonStartStop(nullptr);
    if (!document.isRunning()) {
      return Fail("cannot watch \"" + watch->prepared.window.folderPath.stringValue() +
                  "\": " + watch->prepared.window.status.stringValue());
    }
  }

  auto finish = [&] {
    for (auto &watch : watches) watch->printer.finish();
    services.loop.stop();
  };
  auto stopAll = [&] {
    for (auto &watch : watches) {
      if (watch->prepared.document.isRunning()) watch->prepared.document.buttonStartStop(nullptr);
    }
    finish();
  };
  // A watch that stops itself (its stop reaction) ends the program once no
  // other watch runs: the status line shows it first, then the stop completes.
  for (auto &watch : watches) {
    watch->stateShown = [&] {
      services.loop.performAfterDelay(0, [&] {
        for (auto &other : watches) {
          if (other->prepared.document.isRunning()) return;
        }
        finish();
      });
    };
  }
  services.loop.onSignal(SIGINT, stopAll);
  services.loop.onSignal(SIGTERM, stopAll);
  services.loop.run();
  return 0;
}

}  // namespace

int RunHeadless(HeadlessCommand::Mode mode, const std::vector<std::string> &arguments) {
  std::string error;
  const auto command = ParseHeadlessArguments(mode, arguments, &error);
  if (!command) {
    std::fprintf(stderr, "vigil: %s\n\n%s", error.c_str(), HeadlessUsage().c_str());
    return 2;
  }
  switch (mode) {
    case HeadlessCommand::Mode::kShow: return Show(*command);
    case HeadlessCommand::Mode::kSave: return Save(*command);
    case HeadlessCommand::Mode::kRun: break;
  }
  return Run(*command);
}

}  // namespace vigil::app
