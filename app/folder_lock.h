#pragma once
// One program per working folder. The lock is a file in the folder that
// holds the owner's process; a lock left by a program that was killed or
// crashed is found stale and taken over. A folder where no lock can be made
// (read-only, full) still opens: results can be looked at there, and saving
// them fails in the open.

#include <QLockFile>
#include <QString>

namespace quorval {

inline constexpr const char* kFolderLockName = "quorval.lock";

class FolderLock {
 public:
  enum class State {
    Locked,         // this program owns the folder until it ends
    HeldByAnother,  // another program that is still running owns it
    NotPossible,    // no lock file can be made here
  };

  // Tries once, without waiting.
  explicit FolderLock(const QString& folder);
  State state() const { return state_; }

 private:
  QLockFile lock_;
  State state_ = State::NotPossible;
};

}  // namespace quorval
