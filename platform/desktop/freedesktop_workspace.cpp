#include "platform/desktop/child_processes.hpp"
#include "platform/desktop/default_applications.hpp"
#include "platform/desktop/file_existence.hpp"
#include "platform/desktop/mime_types.hpp"
#include "platform/desktop/workspace.hpp"

#include <filesystem>

namespace vigil::desktop {

bool FreedesktopWorkspace::openFile(const std::string &path) {
  if (!FileExistsAtPath(path, nullptr)) return false;
  std::error_code error;
  const std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
  if (error) return false;
  const auto application = DefaultApplicationFor(MimeTypeOfFile(absolute));
  if (!application) return false;
  const auto command = ExpandExec(*application, absolute);
  if (!command) return false;
  const auto program = FindProgram(command->front());
  return program && LaunchDetached(*program, *command, application->workingDirectory);
}

}  // namespace vigil::desktop
