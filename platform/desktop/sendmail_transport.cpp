#include "platform/desktop/child_processes.hpp"
#include "platform/desktop/mail_transports.hpp"

namespace vigil::desktop {

bool SendWithSendmail(const std::string &message, std::span<const std::string> extraFolders,
                      std::chrono::seconds timeout) {
  const auto program = FindProgram("sendmail", extraFolders);
  if (!program) return false;
  // -t: the recipients are those of the headers; -i: a line of one dot is text.
  const auto status = RunWithInput(*program, {"sendmail", "-t", "-i"}, message, timeout);
  return status == 0;
}

}  // namespace vigil::desktop
