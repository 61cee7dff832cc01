#include "app/qt/qt_desktop_services.hpp"

#include "app/qt/folder_dialog_panel.hpp"

namespace vigil::qt {

std::unique_ptr<desktop::OpenPanel> QtDesktopServices::openPanel() {
  return std::make_unique<FolderDialogPanel>();
}

}  // namespace vigil::qt
