#include "app/qt/recent_documents.hpp"

#include <QDir>
#include <QFileInfo>

namespace vigil::qt {
namespace {

const QString kKey = QStringLiteral("RecentDocuments");

}  // namespace

QString RecentDocumentsFilePath() {
  QString base = qEnvironmentVariable("XDG_STATE_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.local/state");
  return base + QStringLiteral("/vigil/recent-documents.ini");
}

RecentDocuments::RecentDocuments(const QString &path) : settings_(path, QSettings::IniFormat) {}

QStringList RecentDocuments::paths() const {
  settings_.sync();  // another window of another process may have added one
  return settings_.value(kKey).toStringList();
}

void RecentDocuments::add(const QString &path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList list = paths();
  list.removeAll(absolute);
  list.prepend(absolute);
  store(list.mid(0, kMaximum));
}

void RecentDocuments::remove(const QString &path) {
  QStringList list = paths();
  if (list.removeAll(QFileInfo(path).absoluteFilePath()) > 0) store(list);
}

void RecentDocuments::clear() { store({}); }

void RecentDocuments::store(const QStringList &paths) {
  settings_.setValue(kKey, paths);
  settings_.sync();
}

}  // namespace vigil::qt
