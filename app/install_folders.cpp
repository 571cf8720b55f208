#include "app/install_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "data/board_file.h"

namespace quorval {

QString InstalledDataFolder(const QString& programFolder) {
  const QString folder = QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(QUORVAL_DATA_FROM_BIN)));
  return QFileInfo(QDir(folder).filePath(kBoardFileName)).isFile() ? folder : QString();
}

QString UserDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorval");
}

bool CanWriteFolder(const QString& folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("quorval-write-test-XXXXXX")));
  return probe.open();
}

QString ChooseWorkingFolder(const QString& dirOption, const QString& programFolder, const QString& dataFolder,
                            const QString& userFolder) {
  if (!dirOption.isEmpty()) return dirOption;
  if (dataFolder.isEmpty() && CanWriteFolder(programFolder)) return programFolder;
  if (!QDir().mkpath(userFolder)) return {};
  return userFolder;
}

}  // namespace quorval
