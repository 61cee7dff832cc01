// The documents opened or saved lately, newest first, for File > Open Recent.
// They are kept in $XDG_STATE_HOME/vigil/recent-documents.ini (~/.local/state
// when the variable is unset): a history, not a setting, so the user's own
// preferences file is never rewritten for it.
#pragma once

#include <QSettings>
#include <QStringList>

namespace vigil::qt {

QString RecentDocumentsFilePath();

class RecentDocuments {
 public:
  static constexpr int kMaximum = 10;

  explicit RecentDocuments(const QString &path = RecentDocumentsFilePath());
  QStringList paths() const;
  // Puts the document first, once.
  void add(const QString &path);
  void remove(const QString &path);
  void clear();

 private:
  void store(const QStringList &paths);
  mutable QSettings settings_;
};

}  // namespace vigil::qt
