#include "app/folder_lock.h"

#include <QDir>

namespace quorval {

FolderLock::FolderLock(const QString& folder) : lock_(QDir(folder).filePath(kFolderLockName)) {
  // Only a dead owner makes a lock stale, never its age: a session may run
  // for hours.
  lock_.setStaleLockTime(0);
  if (lock_.tryLock(0)) state_ = State::Locked;
  else if (lock_.error() == QLockFile::LockFailedError) state_ = State::HeldByAnother;
  else state_ = State::NotPossible;
}

}  // namespace quorval
