// Real drops of text/uri-list data on the document window's drop box, and two
// boxes that share a notification name and a preferences key.
#include "app/qt/document_form.hpp"
#include "app/qt/document_window.hpp"
#include "app/qt/drop_box_view.hpp"
#include "app/qt/qt_test_support.hpp"
#include "app/qt/qt_text.hpp"
#include "platform/desktop/preferences.hpp"

#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

using vigil::qt::DocumentWindow;
using vigil::qt::DropBoxView;
namespace testing = vigil::qt::testing;

namespace {

// text/uri-list data as a file manager puts it on a drag: one URI a line.
std::unique_ptr<QMimeData> UriList(const QStringList &uris) {
  auto data = std::make_unique<QMimeData>();
  QByteArray list;
  for (const QString &uri : uris) list += uri.toUtf8() + "\r\n";
  data->setData(QStringLiteral("text/uri-list"), list);
  return data;
}

QString FileUri(const QString &path) { return QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded()); }

constexpr Qt::DropActions kFileManagerActions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// Enters the view with the data; answers whether the view took the drag, and with which action.
bool Enter(DropBoxView *view, const QMimeData &data, Qt::DropAction *action = nullptr) {
  QDragEnterEvent enter(view->rect().center(), kFileManagerActions, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &enter);
  if (action != nullptr) *action = enter.dropAction();
  return enter.isAccepted();
}

// A whole drag: enter, move, drop. Answers whether the drop was taken.
bool Drop(DropBoxView *view, const QMimeData &data) {
  if (!Enter(view, data)) return false;
  QDragMoveEvent move(view->rect().center(), kFileManagerActions, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &move);
  if (!move.isAccepted()) return false;
  QDropEvent drop(QPointF(view->rect().center()), kFileManagerActions, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &drop);
  return drop.isAccepted();
}

}  // namespace

class DropBoxViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir &home_ = testing::PrivateHome();
  std::unique_ptr<testing::TestApplication> application_;
  DocumentWindow *window_ = nullptr;
  QString folder_;
  QString file_;

  DropBoxView *view(DocumentWindow *window) { return window->form().dropBox; }

 private slots:
  void initTestCase() {
    folder_ = home_.path() + QStringLiteral("/drop target \u00e9");  // escaped in the URI
    QVERIFY(QDir().mkpath(folder_));
    file_ = folder_ + QStringLiteral("/report.txt");
    QFile file(file_);
    QVERIFY(file.open(QIODevice::WriteOnly));
  }

  void init() {
    application_ = std::make_unique<testing::TestApplication>();
    window_ = application_->controller.newDocument();
  }

  void cleanup() {
    application_.reset();
  }

  void droppedFolderBecomesThePathAndStarts() {
    Qt::DropAction action = Qt::IgnoreAction;
    const auto data = UriList({FileUri(folder_)});
    QVERIFY(Enter(view(window_), *data, &action));
    QCOMPARE(action, Qt::CopyAction);  // the file manager never moves the item
    QVERIFY(view(window_)->isDragOver());
    QVERIFY(Drop(view(window_), *data));
    QVERIFY(!view(window_)->isDragOver());
    QVERIFY(!window_->dropBox().isHilited());
    QCOMPARE(window_->form().folderPath->text(), folder_);
    QVERIFY(window_->isWindowModified());
    QTest::mouseClick(window_->form().startStop, Qt::LeftButton);
    QVERIFY(window_->document().isRunning());
  }

  void droppedFileIsShownAndRefusedAtStart() {
    QVERIFY(Drop(view(window_), *UriList({FileUri(file_)})));
    QCOMPARE(window_->form().folderPath->text(), file_);  // the window sets no use-parent
    QTest::mouseClick(window_->form().startStop, Qt::LeftButton);
    QCOMPARE(window_->form().status->text(), QStringLiteral("Target is not valid or not a folder."));
  }

  void dragsWithoutExactlyOneFileAreNotTaken() {
    window_->form().folderPath->setText(QStringLiteral("/kept"));
    // Two items: entering answers none, so no drop follows.
    QVERIFY(!Drop(view(window_), *UriList({FileUri(folder_), FileUri(file_)})));
    QVERIFY(window_->dropBox().isHilited());  // entering highlighted it; only a drop clears it
    // A web link or plain text names no file.
    QVERIFY(!Enter(view(window_), *UriList({QStringLiteral("https://example.org/page")})));
    QMimeData text;
    text.setText(folder_);
    QVERIFY(!Enter(view(window_), text));
    QCOMPARE(window_->form().folderPath->text(), QStringLiteral("/kept"));
  }

  void dragThatLeavesChangesNothing() {
    window_->form().folderPath->setText(QStringLiteral("/kept"));
    QVERIFY(Enter(view(window_), *UriList({FileUri(folder_)})));
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(view(window_), &leave);
    QVERIFY(!view(window_)->isDragOver());
    QCOMPARE(window_->form().folderPath->text(), QStringLiteral("/kept"));
  }

  void boxesSharingANotificationNameShowTheSamePath() {
    DocumentWindow *other = application_->controller.newDocument();
    // The user's own preferences file, whose other lines a drop must keep.
    const QString preferences = vigil::qt::FromUtf8(vigil::desktop::Preferences::DefaultPath());
    QVERIFY(QDir().mkpath(QFileInfo(preferences).path()));
    QFile written(preferences);
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write("# my mail server\n[mail]\nserver = smtp://mail.example.org:587\n");
    written.close();

    const std::string name = "VigilWatchedFolderChanged", key = "path", prefKey = "LastDroppedFolder";
    window_->dropBox().setNotificationName(name, key, prefKey);
    other->dropBox().setNotificationName(name, key, prefKey);
    other->dropBox().setNotificationName(name, key, prefKey);  // observed once all the same

    QVERIFY(Drop(view(window_), *UriList({FileUri(folder_)})));
    QCOMPARE(window_->form().folderPath->text(), folder_);
    QCOMPARE(other->form().folderPath->text(), folder_);
    // The preferences file holds the path for the next run.
    QCOMPARE(application_->services.userDefaults().stringForKey(prefKey), std::optional(vigil::qt::ToUtf8(folder_)));
    const vigil::desktop::Preferences file(vigil::desktop::Preferences::DefaultPath());
    QCOMPARE(file.get("defaults", prefKey), std::optional(vigil::qt::ToUtf8(folder_)));
    QVERIFY(written.open(QIODevice::ReadOnly) && written.readAll().startsWith("# my mail server\n"));
    QCOMPARE(file.get("mail", "server"), std::optional<std::string>("smtp://mail.example.org:587"));

    // Setting the path without notifying leaves the other box alone.
    other->dropBox().setPath("/elsewhere", false);
    QCOMPARE(other->form().folderPath->text(), QStringLiteral("/elsewhere"));
    QCOMPARE(window_->form().folderPath->text(), folder_);

    // A box that is closed stops observing: dropping on the other reaches no closed window.
    testing::AnswerWhenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Discard)->click(); });
    QVERIFY(window_->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Drop(view(other), *UriList({FileUri(file_)})));
    QCOMPARE(other->form().folderPath->text(), file_);
  }
};

QTEST_MAIN(DropBoxViewTest)
#include "drop_box_view_test.moc"
