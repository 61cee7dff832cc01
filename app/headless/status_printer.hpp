// Prints what a document shows: each new status line as a line of its own, the
// countdown in place on a terminal (and not at all into a pipe or a file, where
// it would repeat every half second), and each change seen.
#pragma once

#include "app/my_document.hpp"

#include <cstdio>
#include <string>

namespace vigil::app {

class StatusPrinter {
 public:
  // prefix names the document when several run in one process (may be empty).
  StatusPrinter(std::FILE *out, bool terminal, std::string prefix);

  void status(const std::string &text, bool passing);
  void change(const ChangeReport &report);
  // Ends a line left open by the countdown.
  void finish();

 private:
  void line(const std::string &text);

  std::FILE *out_;
  bool terminal_;
  std::string prefix_;
  bool lineOpen_ = false;
};

// The line that describes a change.
std::string DescribeChange(const ChangeReport &report);

}  // namespace vigil::app
