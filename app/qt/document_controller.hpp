// The application's documents: making new ones, opening files (a file already
// open brings its window forward), the recent documents, and closing them all
// when the application quits.
#pragma once

#include "app/qt/recent_documents.hpp"

#include <QPointer>

#include <memory>
#include <vector>

class QMenu;
class QWidget;

namespace vigil::qt {

class DocumentWindow;
class QtDesktopServices;

class DocumentController {
 public:
  explicit DocumentController(QtDesktopServices &services);
  ~DocumentController();
  DocumentController(const DocumentController &) = delete;
  DocumentController &operator=(const DocumentController &) = delete;

  DocumentWindow *newDocument();
  // Opens the document at path and shows its window; when it cannot be read,
  // says why in an alert (on parent) and answers none.
  DocumentWindow *openDocument(const QString &path, QWidget *parent = nullptr);
  void runOpenDialog(QWidget *parent);

  // Lists the recent documents in menu, with a command that clears them.
  void fillRecentMenu(QMenu *menu);
  void noteRecentDocument(const QString &path);
  RecentDocuments &recentDocuments() { return recent_; }

  // Closes every window, each asking about unsaved changes; false when one
  // stays open because its user cancelled.
  bool closeAll();
  void quit();

  // Called by a window whose close went through; it is deleted soon after.
  void windowClosed(DocumentWindow *window);
  std::vector<DocumentWindow *> windows() const;

 private:
  DocumentWindow *show(std::unique_ptr<DocumentWindow> window);

  QtDesktopServices &services_;
  RecentDocuments recent_;
  std::vector<std::unique_ptr<DocumentWindow>> windows_;
  // Closed windows waiting for their deferred deletion.
  std::vector<QPointer<DocumentWindow>> closing_;
};

}  // namespace vigil::qt
