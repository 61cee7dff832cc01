#include "app/qt/message_box_alerts.hpp"

#include "app/qt/qt_text.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vigil::qt {

void MessageBoxAlerts::runAlertPanel(const std::string &title, const std::string &message,
                                     const std::string &defaultButton) {
  QMessageBox alert(QMessageBox::Warning, QApplication::applicationDisplayName(), FromUtf8(title),
                    QMessageBox::NoButton, QApplication::activeWindow());
  alert.setTextFormat(Qt::PlainText);
  alert.setInformativeText(FromUtf8(message));
  QPushButton *button = alert.addButton(FromUtf8(defaultButton), QMessageBox::AcceptRole);
  alert.setDefaultButton(button);
  alert.setEscapeButton(button);
  alert.exec();
}

}  // namespace vigil::qt
