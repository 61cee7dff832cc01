#include "app/drag_and_drop_box.hpp"

#include "platform/desktop/file_existence.hpp"

namespace vigil::app {
namespace {

// The path without its last component, as the platform's string operation gives it.
std::string DeletingLastPathComponent(const std::string &path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const size_t slash = trimmed.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return trimmed.substr(0, slash);
}

}  // namespace

DragAndDropBox::DragAndDropBox(BoxView &view, desktop::UserDefaults *defaults,
                               desktop::NotificationCenter &center)
    : mView(view), mDefaults(defaults), mCenter(center) {}

DragAndDropBox::~DragAndDropBox() {
  mView.unregisterDraggedTypes();
  setDragTypes(std::nullopt);
  setNotificationName(std::nullopt, std::nullopt, std::nullopt);
}

DragAndDropBox *DragAndDropBox::awakeFromNib() {
  setDragTypes(std::vector<std::string>{desktop::kFilenamesPboardType});
  mView.registerForDraggedTypes(*mDragTypes);
  mIsHilited = false;
  return this;
}

void DragAndDropBox::setDragTypes(std::optional<std::vector<std::string>> types) {
  mDragTypes = std::move(types);
}

std::vector<std::string> DragAndDropBox::draggedPaths(const desktop::DraggingInfo &sender) {
  const desktop::Pasteboard &pasteboard = sender.draggingPasteboard();
  mDesiredType = mDragTypes ? pasteboard.availableTypeFromArray(*mDragTypes) : std::nullopt;
  if (!mDesiredType) return {};
  return pasteboard.propertyListForType(*mDesiredType);
}

unsigned DragAndDropBox::draggingEntered(const desktop::DraggingInfo &sender) {
  const size_t count = draggedPaths(sender).size();
  mIsHilited = true;
  hilite();
  return count <= 1 ? desktop::kDragOperationGeneric : desktop::kDragOperationNone;
}

void DragAndDropBox::concludeDragOperation(const desktop::DraggingInfo &sender) {
  const std::vector<std::string> paths = draggedPaths(sender);
  // A drop whose pasteboard holds no path has nothing to hand on.
  if (!paths.empty()) {
    std::string path = paths.front();
    bool isDirectory = false;
    if (!desktop::FileExistsAtPath(path, &isDirectory)) isDirectory = false;
    if (mUseParentForDraggedFiles && !isDirectory) path = DeletingLastPathComponent(path);
    if (mTextField != nullptr) {
      mTextField->setStringValue(path);
      mTextField->setTextColor(desktop::TextColor::kBlack);
    }
    if (mPrefKey && mDefaults != nullptr) mDefaults->setObjectForKey(path, *mPrefKey);
    if (mDelegate != nullptr) mDelegate->filesDropped(this, paths);
    post(path);
  }
  mIsHilited = false;
  hilite();
}

void DragAndDropBox::post(const std::string &path) {
  if (mNotificationName && mNotificationKey) {
    mCenter.postNotificationName(*mNotificationName, this, {{*mNotificationKey, path}});
  }
}

void DragAndDropBox::setPath(const std::string &path, bool notify) {
  if (mTextField != nullptr) mTextField->setStringValue(path);
  if (mPrefKey && mDefaults != nullptr) mDefaults->setObjectForKey(path, *mPrefKey);
  if (mDelegate != nullptr) mDelegate->filesDropped(this, {path});
  if (notify) post(path);
}

void DragAndDropBox::setNotificationName(std::optional<std::string> name,
                                         std::optional<std::string> key,
                                         std::optional<std::string> prefKey) {
  if (name.has_value() != key.has_value()) return;
  if (key != mNotificationKey) mNotificationKey = std::move(key);
  if (prefKey != mPrefKey) mPrefKey = std::move(prefKey);
  if (name != mNotificationName) {
    if (mNotificationName) mCenter.removeObserver(this, *mNotificationName, nullptr);
    mNotificationName = std::move(name);
    if (mNotificationName) {
      mCenter.addObserver(
          this, [this](const desktop::Notification &notification) { pathDidChange(notification); },
          *mNotificationName, nullptr);
    }
  }
}

void DragAndDropBox::pathDidChange(const desktop::Notification &notification) {
  if (!mNotificationKey || notification.object == this) return;
  const auto found = notification.userInfo.find(*mNotificationKey);
  if (found != notification.userInfo.end()) setPath(found->second, false);
}

}  // namespace vigil::app
