#pragma once
// An exclusive lock across processes on what one folder holds, so that two
// running copies of the program take turns at a read-change-write of a file
// in it. It leaves nothing on the disk: on POSIX it is flock on the folder
// itself, on Windows a named mutex (a kernel object, gone with its last
// handle, also when its holder crashed).
#include <chrono>
#include <string>

namespace Tarvex {

class FolderLock {
 public:
  // Waits up to `patience` for the lock of `folder` (a UTF-8 path of an
  // existing folder). A holder that never lets go must not hang the caller's
  // window for good: after that time the lock is not held (Held() is false)
  // and the caller goes on as if alone.
  explicit FolderLock(const std::string& folder,
                      std::chrono::milliseconds patience = std::chrono::milliseconds(10000));
  ~FolderLock();  // releases the lock if held
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return held; }

 private:
  bool held = false;
#ifdef _WIN32
  void* mutex = nullptr;
#else
  int descriptor = -1;
#endif
};

}  // namespace Tarvex
