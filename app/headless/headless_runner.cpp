#include "app/headless/headless_runner.hpp"

#include "app/headless/headless_options.hpp"
#include "app/stored_window.hpp"
#include "app/headless/status_printer.hpp"
#include "app/my_document.hpp"
#include "platform/desktop/desktop_services.hpp"
#include "platform/desktop/real_run_loop.hpp"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

namespace vigil::app {
namespace {

class HeadlessServices : public desktop::DesktopServices {
 public:
  desktop::RunLoop &runLoop() override { return loop; }
  std::unique_ptr<desktop::OpenPanel> openPanel() override { return nullptr; }

  desktop::RealRunLoop loop;
};

// One watch: its document, its window of stored controls and its printer.
struct HeadlessDocument {
  HeadlessDocument(HeadlessServices &services, const WatchOptions &options, bool terminal,
                   std::string prefix)
      : printer(stdout, terminal, std::move(prefix)), document(services) {
    window.folderPath.setStringValue(options.folder);
    window.interval.setStringValue(options.interval);
    window.intervalUnits.selectItemAtIndex(options.unit);
    window.checkItemCount.setState(options.count ? 1 : 0);
    window.checkModificationDate.setState(options.modificationDate ? 1 : 0);
    window.status.onUpdate(
        [this](const std::string &text, bool passing) { printer.status(text, passing); });
    document.onChangeDetected([this](const ChangeReport &report) { printer.change(report); });
    document.connectOutlets(window.outlets());
    document.windowControllerDidLoadNib(&window);
  }

  StoredWindow window;
  StatusPrinter printer;
  MyDocument document;
};

}  // namespace

int RunHeadless(const std::vector<std::string> &arguments) {
  std::string error;
  const auto command = ParseHeadlessArguments(arguments, &error);
  if (!command) {
    std::fprintf(stderr, "vigil: %s\n\n%s", error.c_str(), HeadlessUsage().c_str());
    return 2;
  }

  HeadlessServices services;
  const bool terminal = isatty(STDOUT_FILENO) != 0;
  std::vector<std::unique_ptr<HeadlessDocument>> documents;
  for (const WatchOptions &options : command->watches) {
    const std::string prefix = command->watches.size() > 1 ? options.folder + ": " : "";
    auto watch = std::make_unique<HeadlessDocument>(services, options, terminal, prefix);
    watch->document.buttonStartStop(nullptr);
    if (!watch->document.isRunning()) {
      std::fprintf(stderr, "vigil: cannot watch \"%s\": %s\n", options.folder.c_str(),
                   watch->window.status.stringValue().c_str());
      return 1;
    }
    documents.push_back(std::move(watch));
  }

  auto stopAll = [&] {
    for (auto &watch : documents) {
      if (watch->document.isRunning()) watch->document.buttonStartStop(nullptr);
      watch->printer.finish();
    }
    services.loop.stop();
  };
  services.loop.onSignal(SIGINT, stopAll);
  services.loop.onSignal(SIGTERM, stopAll);
  services.loop.run();
  return 0;
}

}  // namespace vigil::app
