// A document window on a real X server (a private Xvfb): a screenshot of the
// screen shows every control drawn where the layout put it, at full size, at
// the scale the test runs with (QT_SCALE_FACTOR 1 and 2 in CTest).
#include "app/qt/document_form.hpp"
#include "app/qt/document_window.hpp"
#include "app/qt/drop_box_view.hpp"
#include "app/qt/qt_test_support.hpp"
#include "app/qt/xvfb_server.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>

#include <cstdio>

using vigil::qt::DocumentWindow;

namespace {

int DistinctColors(const QImage &image) {
  QSet<QRgb> colors;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colors.insert(image.pixel(x, y));
  }
  return static_cast<int>(colors.size());
}

// The share of pixels where the two images agree.
double Agreement(const QImage &a, const QImage &b) {
  if (a.size() != b.size() || a.isNull()) return 0;
  qint64 same = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) same += (a.pixel(x, y) & 0xFFFFFF) == (b.pixel(x, y) & 0xFFFFFF);
  }
  return static_cast<double>(same) / (static_cast<qint64>(a.width()) * a.height());
}

}  // namespace

class WindowScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsAreDrawnOnTheScreen() {
    vigil::qt::testing::PrivateHome();
    vigil::qt::testing::TestApplication application;
    DocumentWindow *window = application.controller.newDocument();
    vigil::qt::DocumentForm &form = window->form();
    form.folderPath->setText(QStringLiteral("/no/such/folder"));
    form.eMailAddress->setText(QStringLiteral("someone@example.org"));
    form.startStop->click();  // refused: the status line gets its text
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(300);  // the first frame reaches the server

    // What the X server shows, and what the window drew into its own buffer.
    const QImage screen = window->screen()->grabWindow(0).toImage();
    const QImage drawnWindow = window->grab().toImage().convertToFormat(screen.format());
    const qreal scale = window->devicePixelRatio();
    if (const QByteArray keep = qgetenv("VIGIL_SCREENSHOT"); !keep.isEmpty()) screen.save(QString::fromLocal8Bit(keep));

    std::vector<QWidget *> controls = form.tabOrder();
    controls.push_back(form.status);
    controls.push_back(form.dropBox);
    for (QWidget *control : controls) {
      const QString name = QString::fromLatin1(control->metaObject()->className()) + QLatin1Char(' ') +
                           control->accessibleName();
      QVERIFY2(control->isVisible(), qPrintable(name));
      // Nothing is squeezed below the size its contents need.
      QVERIFY2(control->width() >= control->minimumSizeHint().width() &&
                   control->height() >= control->minimumSizeHint().height(),
               qPrintable(name));
      const QRect onScreen(control->mapToGlobal(QPoint(0, 0)) * scale, control->size() * scale);
      const QImage shown = screen.copy(onScreen);
      QVERIFY2(DistinctColors(shown) >= 3, qPrintable(name + QStringLiteral(" is blank on the screen")));
      const QImage drawn = drawnWindow.copy(QRect(control->mapTo(window, QPoint(0, 0)) * scale, control->size() * scale));
      const double agreement = Agreement(shown, drawn);
      QVERIFY2(agreement > 0.9, qPrintable(name + QStringLiteral(": ") + QString::number(agreement)));
    }
  }
};

int main(int argc, char **argv) {
  vigil::qt::testing::XvfbServer server;
  if (server.display().empty()) {
    std::fprintf(stderr, "cannot start Xvfb (tools/install-deps installs it)\n");
    return 1;
  }
  qputenv("DISPLAY", server.display().c_str());
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  WindowScreenshotTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_screenshot_test.moc"
