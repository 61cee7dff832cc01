#include "app/qt/drop_box_view.hpp"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace vigil::qt {
namespace {

const QString kUriListType = QStringLiteral("text/uri-list");

// A file manager offers copy, move and link; the box only reads the path, so
// it takes copy (or link) and never asks the source to move the item.
Qt::DropAction ActionFor(const QDropEvent &event) {
  if (event.possibleActions() & Qt::CopyAction) return Qt::CopyAction;
  if (event.possibleActions() & Qt::LinkAction) return Qt::LinkAction;
  return event.proposedAction();
}

// Answers the box's drag operation to Qt.
void Answer(QDropEvent *event, unsigned operation) {
  if (operation == desktop::kDragOperationNone) {
    event->ignore();
    return;
  }
  event->setDropAction(ActionFor(*event));
  event->accept();
}

}  // namespace

DropBoxView::DropBoxView(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}

void DropBoxView::registerForDraggedTypes(const std::vector<std::string> &types) {
  types_ = types;
  setAcceptDrops(true);
}

void DropBoxView::unregisterDraggedTypes() {
  types_.clear();
  setAcceptDrops(false);
}

std::unique_ptr<desktop::FilenamesDrag> DropBoxView::dragOf(const QDropEvent &event) const {
  const bool takesFilenames = std::find(types_.begin(), types_.end(),
                                        desktop::kFilenamesPboardType) != types_.end();
  const QMimeData *data = event.mimeData();
  if (!takesFilenames || data == nullptr || !data->hasFormat(kUriListType)) return nullptr;
  std::vector<std::string> paths = desktop::PathsFromUriList(data->data(kUriListType).toStdString());
  if (paths.empty()) return nullptr;  // links to web pages and the like name no file
  return std::make_unique<desktop::FilenamesDrag>(std::move(paths));
}

void DropBoxView::dragEnterEvent(QDragEnterEvent *event) {
  const auto drag = dragOf(*event);
  if (box_ == nullptr || !drag) {
    event->ignore();
    return;
  }
  const unsigned operation = box_->draggingEntered(*drag);
  Answer(event, operation);
  setDragOver(operation != desktop::kDragOperationNone);
}

void DropBoxView::dragMoveEvent(QDragMoveEvent *event) {
  const auto drag = dragOf(*event);
  if (box_ == nullptr || !drag) {
    event->ignore();
    return;
  }
  Answer(event, box_->draggingUpdated(*drag));
}

void DropBoxView::dragLeaveEvent(QDragLeaveEvent *event) {
  if (box_ != nullptr) box_->draggingExited(desktop::FilenamesDrag({}));
  setDragOver(false);
  event->accept();
}

void DropBoxView::dropEvent(QDropEvent *event) {
  setDragOver(false);
  const auto drag = dragOf(*event);
  if (box_ == nullptr || !drag || !box_->performDragOperation(*drag)) {
    event->ignore();
    return;
  }
  event->setDropAction(ActionFor(*event));
  event->accept();
  box_->concludeDragOperation(*drag);
}

void DropBoxView::setDragOver(bool over) {
  if (over == dragOver_) return;
  dragOver_ = over;
  update();
}

void DropBoxView::paintEvent(QPaintEvent *event) {
  QGroupBox::paintEvent(event);
  if (!dragOver_) return;
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Highlight));
  pen.setWidth(std::max(2, fontMetrics().height() / 8));
  painter.setPen(pen);
  painter.setRenderHint(QPainter::Antialiasing);
  const int inset = pen.width();
  painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 4, 4);
}

}  // namespace vigil::qt
