#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "support/FolderLock.h"

namespace Tarvex {

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds patience) {
  descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  // flock has no time limit of its own: ask without blocking until the
  // deadline. A holder keeps the lock for milliseconds.
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
      held = true;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

FolderLock::~FolderLock() {
  // Closing the last descriptor of the open folder releases the lock.
  if (descriptor >= 0) close(descriptor);
}

}  // namespace Tarvex
