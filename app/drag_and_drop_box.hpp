// A box that accepts one file or folder dragged onto it and hands its path on:
// into a text field, into the user's preferences, to a delegate, and to other
// boxes through a notification. It knows nothing of the document around it.
#pragma once

#include "platform/desktop/controls.hpp"
#include "platform/desktop/dragging.hpp"
#include "platform/desktop/notification_center.hpp"
#include "platform/desktop/user_defaults.hpp"

#include <optional>
#include <string>
#include <vector>

namespace vigil::app {

class DragAndDropBox;

// Told of drops and path changes. A box with a delegate sends it; a box without
// one leaves the step out.
class DragAndDropBoxDelegate {
 public:
  virtual ~DragAndDropBoxDelegate() = default;
  virtual void filesDropped(DragAndDropBox *box, const std::vector<std::string> &filePaths) = 0;
};

// The view that shows the box: it receives drags of the registered types and
// redraws on request. The toolkit's adapter implements it.
class BoxView {
 public:
  virtual ~BoxView() = default;
  virtual void registerForDraggedTypes(const std::vector<std::string> &types) = 0;
  virtual void unregisterDraggedTypes() = 0;
  virtual void display() = 0;
};

class DragAndDropBox {
 public:
  DragAndDropBox(BoxView &view, desktop::UserDefaults *defaults,
                 desktop::NotificationCenter &center = desktop::NotificationCenter::defaultCenter());
  ~DragAndDropBox();  // the teardown: stops observing and unregisters
  DragAndDropBox(const DragAndDropBox &) = delete;
  DragAndDropBox &operator=(const DragAndDropBox &) = delete;

  DragAndDropBox *awakeFromNib();

  void setDragTypes(std::optional<std::vector<std::string>> types);
  void setUseParentForDraggedFiles(bool use) { mUseParentForDraggedFiles = use; }
  void setTextField(desktop::TextField *field) { mTextField = field; }
  void setDelegate(DragAndDropBoxDelegate *delegate) { mDelegate = delegate; }

  unsigned draggingEntered(const desktop::DraggingInfo &sender);
  unsigned draggingUpdated(const desktop::DraggingInfo &) { return desktop::kDragOperationCopy; }
  void draggingExited(const desktop::DraggingInfo &) {}
  bool performDragOperation(const desktop::DraggingInfo &) { return true; }
  void concludeDragOperation(const desktop::DraggingInfo &sender);
  unsigned draggingSourceOperationMaskForLocal(bool) { return desktop::kDragOperationGeneric; }

  void hilite() { mView.display(); }
  void setPath(const std::string &path) { setPath(path, true); }
  void setPath(const std::string &path, bool notify);

  // Each may be absent. A name without a key, or a key without a name, changes nothing.
  void setNotificationName(std::optional<std::string> name, std::optional<std::string> key,
                           std::optional<std::string> prefKey);
  void pathDidChange(const desktop::Notification &notification);

  bool isHilited() const { return mIsHilited; }

 private:
  // The dragged paths, by the first of the box's types the pasteboard holds.
  std::vector<std::string> draggedPaths(const desktop::DraggingInfo &sender);
  void post(const std::string &path);

  BoxView &mView;
  desktop::UserDefaults *mDefaults;
  desktop::NotificationCenter &mCenter;

  DragAndDropBoxDelegate *mDelegate = nullptr;
  desktop::TextField *mTextField = nullptr;
  std::optional<std::vector<std::string>> mDragTypes;
  std::optional<std::string> mDesiredType;
  bool mIsHilited = false;
  bool mUseParentForDraggedFiles = false;
  std::optional<std::string> mNotificationName;
  std::optional<std::string> mNotificationKey;
  std::optional<std::string> mPrefKey;
};

}  // namespace vigil::app
