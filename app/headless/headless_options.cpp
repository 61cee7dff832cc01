#include "app/headless/headless_options.hpp"

#include "platform/desktop/controls.hpp"

#include <array>
#include <string_view>

namespace vigil::app {
namespace {

constexpr std::array<std::string_view, 3> kUnits = {"seconds", "minutes", "hours"};

bool IsPositiveNumber(std::string_view text) {
  // The whole text must be the number, unlike the interval field, which reads
  // the number at its front: a command line is checked before anything runs.
  size_t digits = 0;
  bool point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits > 0 && desktop::DecimalValueOf(text) > 0;
}

// The check box an on/off option sets, and its name without "--".
struct Switch {
  std::string_view name;
  desktop::StoredCheckBox StoredWindow::*box;
};

constexpr std::array<Switch, 7> kSwitches = {{
    {"count", &StoredWindow::checkItemCount},
    {"moddate", &StoredWindow::checkModificationDate},
    {"beep", &StoredWindow::beep},
    {"reveal", &StoredWindow::revealTarget},
    {"stop", &StoredWindow::stopChecking},
    {"start-when-opened", &StoredWindow::startWhenOpened},
    {"email", &StoredWindow::sendEMail},
}};

}  // namespace

std::string HeadlessUsage() {
  return "usage: vigil --headless [SETTINGS] [DOCUMENT.vigil...]\n"
         "       vigil --show DOCUMENT.vigil\n"
         "       vigil --save DOCUMENT.vigil [SETTINGS]\n"
         "--headless watches the folder of each document (or the one --folder names)\n"
         "without a display, printing the status line and every change it sees; stop it\n"
         "with Ctrl-C. Settings given with documents apply to them for this run only.\n"
         "--show prints a document's fifteen settings as JSON. --save creates the\n"
         "document, or updates the one that exists, from the settings.\n"
         "Settings:\n"
         "  --folder PATH        the folder to watch\n"
         "  --interval N         time between checks, in units (at least 1)\n"
         "  --unit UNIT          seconds, minutes or hours\n"
         "  --count, --moddate   report changes in the item count, the modification date\n"
         "  --beep               beep on a change\n"
         "  --email ADDRESS      send an e-mail message to ADDRESS on a change\n"
         "  --message TEXT       the text of that message\n"
         "  --reveal             show the folder in the file manager on a change\n"
         "  --stop               stop watching after a change\n"
         "  --open PATH          open the file on a change (at most twice)\n"
         "  --start-when-opened  start watching when the document is opened\n"
         "Each on/off setting has a --no- form (--no-count, --no-email, --no-open...).\n"
         "A new document checks every minute for both kinds of change.\n";
}

std::optional<HeadlessCommand> ParseHeadlessArguments(HeadlessCommand::Mode mode,
                                                      const std::vector<std::string> &arguments,
                                                      std::string *error) {
  HeadlessCommand command;
  command.mode = mode;
  int openedFiles = 0;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string &argument = arguments[i];
    auto value = [&](std::string *out) {
      if (i + 1 >= arguments.size()) {
        *error = "option " + argument + " needs a value";
        return false;
      }
      *out = arguments[++i];
      return true;
    };
    auto edit = [&](WindowEdit change) { command.edits.push_back(std::move(change)); };
    std::string text;

    if (!argument.starts_with("--")) {
      command.documents.push_back(argument);
      continue;
    }
    const std::string_view name = std::string_view(argument).substr(2);
    const bool negated = name.starts_with("no-");
    const std::string_view switchName = negated ? name.substr(3) : name;
    const Switch *found = nullptr;
    for (const Switch &candidate : kSwitches) {
      if (candidate.name == switchName) found = &candidate;
    }
    if (found != nullptr && (negated || switchName != "email")) {
      const auto box = found->box;
      edit([box, negated](StoredWindow &window) { (window.*box).setState(negated ? 0 : 1); });
    } else if (argument == "--email") {
      if (!value(&text)) return std::nullopt;
      edit([text](StoredWindow &window) {
        window.eMailAddress.setStringValue(text);
        window.sendEMail.setState(1);
      });
    } else if (argument == "--folder") {
      if (!value(&text)) return std::nullopt;
      command.folderGiven = true;
      edit([text](StoredWindow &window) { window.folderPath.setStringValue(text); });
    } else if (argument == "--interval") {
      if (!value(&text)) return std::nullopt;
      if (!IsPositiveNumber(text)) {
        *error = "--interval takes a positive number, not \"" + text + "\"";
        return std::nullopt;
      }
      edit([text](StoredWindow &window) { window.interval.setStringValue(text); });
    } else if (argument == "--unit") {
      if (!value(&text)) return std::nullopt;
      int unit = -1;
      for (size_t u = 0; u < kUnits.size(); ++u) {
        if (text == kUnits[u]) unit = static_cast<int>(u);
      }
      if (unit < 0) {
        *error = "--unit takes seconds, minutes or hours, not \"" + text + "\"";
        return std::nullopt;
      }
      edit([unit](StoredWindow &window) { window.intervalUnits.selectItemAtIndex(unit); });
    } else if (argument == "--message") {
      if (!value(&text)) return std::nullopt;
      edit([text](StoredWindow &window) { window.eMailMessage.setStringValue(text); });
    } else if (argument == "--open") {
      if (!value(&text)) return std::nullopt;
      if (++openedFiles > 2) {
        *error = "--open can be given at most twice";
        return std::nullopt;
      }
      const bool first = openedFiles == 1;
      edit([text, first](StoredWindow &window) {
        (first ? window.openFilePath1 : window.openFilePath2).setStringValue(text);
        window.openFiles.setState(1);
      });
    } else if (argument == "--no-open") {
      edit([](StoredWindow &window) { window.openFiles.setState(0); });
    } else {
      *error = "unknown option \"" + argument + "\"";
      return std::nullopt;
    }
  }

  switch (mode) {
    case HeadlessCommand::Mode::kRun:
      if (command.documents.empty() && !command.folderGiven) {
        *error = "nothing to watch: give --folder PATH or settings documents";
        return std::nullopt;
      }
      break;
    case HeadlessCommand::Mode::kShow:
      if (command.documents.size() != 1 || !command.edits.empty()) {
        *error = "--show takes one document and no settings";
        return std::nullopt;
      }
      break;
    case HeadlessCommand::Mode::kSave:
      if (command.documents.size() != 1) {
        *error = "--save takes one document";
        return std::nullopt;
      }
      break;
  }
  return command;
}

}  // namespace vigil::app
