#include "app/headless/status_printer.hpp"

#include <ctime>

namespace vigil::app {
namespace {

std::string TimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

}  // namespace

std::string DescribeChange(const ChangeReport &report) {
  std::string text = "Change in " + report.folderPath + ":";
  if (report.folderMissing) return text + " the folder is missing or no longer a folder.";
  if (report.itemCountChanged) text += " it now holds " + std::to_string(report.itemCount) + " items";
  if (report.itemCountChanged && report.modificationDateChanged) text += ";";
  if (report.modificationDateChanged) text += " its modification date changed";
  return text + ".";
}

StatusPrinter::StatusPrinter(std::FILE *out, bool terminal, std::string prefix)
    : out_(out), terminal_(terminal), prefix_(std::move(prefix)) {}

void StatusPrinter::line(const std::string &text) {
  if (lineOpen_) std::fputs("\r\033[K", out_);
  std::fprintf(out_, "%s  %s%s\n", TimeStamp().c_str(), prefix_.c_str(), text.c_str());
  lineOpen_ = false;
  std::fflush(out_);
}

void StatusPrinter::status(const std::string &text, bool passing) {
  if (!passing) {
    line(text);
  } else if (terminal_) {
    std::fprintf(out_, "\r\033[K%s  %s%s", TimeStamp().c_str(), prefix_.c_str(), text.c_str());
    lineOpen_ = true;
    std::fflush(out_);
  }
}

void StatusPrinter::change(const ChangeReport &report) { line(DescribeChange(report)); }

void StatusPrinter::finish() {
  if (lineOpen_) std::fputs("\n", out_);
  lineOpen_ = false;
  std::fflush(out_);
}

}  // namespace vigil::app
