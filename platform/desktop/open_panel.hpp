// The folder and file chooser, run as a sheet on a document's window.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vigil::desktop {

class Window;

class OpenPanel {
 public:
  // Return codes of the sheet's end.
  static constexpr int kOKButton = 1;
  static constexpr int kCancelButton = 0;

  virtual ~OpenPanel() = default;
  virtual void setAllowsMultipleSelection(bool allow) = 0;
  virtual void setTreatsFilePackagesAsDirectories(bool treat) = 0;
  virtual void setCanChooseDirectories(bool can) = 0;
  virtual void setCanChooseFiles(bool can) = 0;
  virtual void setTitle(const std::string &title) = 0;

  // Shows the panel on the window, opening in directory with file preselected
  // (empty for none) and the given file types (empty for any); later calls
  // didEnd with the panel and the return code, on the run loop.
  virtual void beginSheet(const std::string &directory, const std::string &file,
                          const std::vector<std::string> &types, Window *window,
                          std::function<void(OpenPanel &, int returnCode)> didEnd) = 0;

  // The chosen POSIX paths.
  virtual std::vector<std::string> filenames() const = 0;
};

// The user's home folder.
std::string HomeDirectory();

}  // namespace vigil::desktop
