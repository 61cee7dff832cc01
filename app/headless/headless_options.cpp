#include "app/headless/headless_options.hpp"

#include "platform/desktop/controls.hpp"

#include <array>
#include <string_view>

namespace vigil::app {
namespace {

constexpr std::array<std::string_view, 3> kUnits = {"seconds", "minutes", "hours"};

bool IsPositiveNumber(std::string_view text) {
  if (text.empty()) return false;
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

}  // namespace

std::string HeadlessUsage() {
  return "usage: vigil --headless --folder PATH [--interval N] [--unit seconds|minutes|hours]\n"
         "                        [--count] [--moddate]\n"
         "Watches a folder and prints its status line and every change it sees.\n"
         "  --folder PATH   the folder to watch\n"
         "  --interval N    time between checks, in units (default 10; at least 1)\n"
         "  --unit UNIT     seconds (default), minutes or hours\n"
         "  --count         report changes in the number of items in the folder\n"
         "  --moddate       report changes in the folder's modification date\n"
         "With neither --count nor --moddate, both are reported.\n"
         "Stop with Ctrl-C.\n";
}

std::optional<HeadlessCommand> ParseHeadlessArguments(const std::vector<std::string> &arguments,
                                                      std::string *error) {
  WatchOptions watch;
  bool haveFolder = false;
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
    if (argument == "--folder") {
      if (!value(&watch.folder)) return std::nullopt;
      haveFolder = true;
    } else if (argument == "--interval") {
      if (!value(&watch.interval)) return std::nullopt;
      if (!IsPositiveNumber(watch.interval)) {
        *error = "--interval takes a positive number, not \"" + watch.interval + "\"";
        return std::nullopt;
      }
    } else if (argument == "--unit") {
      std::string unit;
      if (!value(&unit)) return std::nullopt;
      watch.unit = -1;
      for (size_t u = 0; u < kUnits.size(); ++u) {
        if (unit == kUnits[u]) watch.unit = static_cast<int>(u);
      }
      if (watch.unit < 0) {
        *error = "--unit takes seconds, minutes or hours, not \"" + unit + "\"";
        return std::nullopt;
      }
    } else if (argument == "--count") {
      watch.count = true;
    } else if (argument == "--moddate") {
      watch.modificationDate = true;
    } else {
      *error = "unknown option \"" + argument + "\"";
      return std::nullopt;
    }
  }
  if (!haveFolder) {
    *error = "no folder to watch: give --folder PATH";
    return std::nullopt;
  }
  if (!watch.count && !watch.modificationDate) watch.count = watch.modificationDate = true;
  return HeadlessCommand{{watch}};
}

}  // namespace vigil::app
