// The drop target box on screen: a group box that receives real drags and
// turns drags of text/uri-list data (what file managers send) into the drop
// box's events, with the dragged items' local paths on a file-names pasteboard.
#pragma once

#include "app/drag_and_drop_box.hpp"

#include <QGroupBox>

#include <memory>
#include <string>
#include <vector>

namespace vigil::qt {

class DropBoxView : public QGroupBox, public app::BoxView {
 public:
  explicit DropBoxView(const QString &title, QWidget *parent = nullptr);

  // The box that takes this view's drags; none until it is connected.
  void setBox(app::DragAndDropBox *box) { box_ = box; }

  void registerForDraggedTypes(const std::vector<std::string> &types) override;
  void unregisterDraggedTypes() override;
  void display() override { update(); }

  // Whether a drag is over the box now (the view's own feedback; the box's
  // highlight flag stays set after a drag that leaves without dropping).
  bool isDragOver() const { return dragOver_; }

 protected:
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dragMoveEvent(QDragMoveEvent *event) override;
  void dragLeaveEvent(QDragLeaveEvent *event) override;
  void dropEvent(QDropEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

 private:
  // The drag as the box sees it, or none when it holds no file names.
  std::unique_ptr<desktop::FilenamesDrag> dragOf(const QDropEvent &event) const;
  void setDragOver(bool over);

  app::DragAndDropBox *box_ = nullptr;
  std::vector<std::string> types_;
  bool dragOver_ = false;
};

}  // namespace vigil::qt
