#include "leaderboard/TextFile.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include "support/Utf8.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Tarvex {

namespace {

int failingLine = 0;
int failingReplaces = 0;

// Another program may hold the file open just when the new one is to take
// its place (an indexer or a virus scanner): the replace is tried again for
// about a second before the write counts as failed.
constexpr std::chrono::milliseconds ReplacePatience(1000);
constexpr std::chrono::milliseconds ReplaceRetryPause(25);

// Files are always opened in binary mode: text mode on Windows would turn the
// CR LF we write into CR CR LF, and would hide a lone CR from the reader.
// Paths are UTF-8 (support/Utf8.h); Windows takes them as wide text.
#ifdef _WIN32

// Shared for deleting too, so that a reader (this program's banner in
// another window, say) never stands in the way of a replace.
std::FILE* OpenForReading(const std::string& path) {
  HANDLE handle = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  const int descriptor = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (descriptor < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, "rb");
  if (file == nullptr) _close(descriptor);  // closes the handle too
  return file;
}

int CreateExclusive(const std::string& path) {
  return _wopen(WideFromUtf8(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int ProcessNumber() { return _getpid(); }
std::FILE* StreamOf(int descriptor) { return _fdopen(descriptor, "wb"); }
void CloseDescriptor(int descriptor) { _close(descriptor); }
bool SyncToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

bool ReplaceWith(const std::string& from, const std::string& to) {
  return MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void RemoveFile(const std::string& path) { _wremove(WideFromUtf8(path).c_str()); }

#else

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

int CreateExclusive(const std::string& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int ProcessNumber() { return static_cast<int>(getpid()); }
std::FILE* StreamOf(int descriptor) { return fdopen(descriptor, "wb"); }
void CloseDescriptor(int descriptor) { close(descriptor); }
bool SyncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool ReplaceWith(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }

#endif

bool ReplacePatiently(const std::string& from, const std::string& to) {
  const auto deadline = std::chrono::steady_clock::now() + ReplacePatience;
  for (;;) {
    if (failingReplaces > 0) {
      --failingReplaces;
    } else if (ReplaceWith(from, to)) {
      return true;
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(ReplaceRetryPause);
  }
}

// A new file beside path under a name no one else uses, so that two running
// instances never write into the same temporary file.
std::FILE* CreateBeside(const std::string& path, std::string& temporary) {
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + "." + std::to_string(ProcessNumber()) + "-" + std::to_string(serial++) + ".tmp";
    const int descriptor = CreateExclusive(temporary);
    if (descriptor < 0) {
      if (errno == EEXIST) continue;
      return nullptr;
    }
    if (std::FILE* file = StreamOf(descriptor)) return file;
    CloseDescriptor(descriptor);
    RemoveFile(temporary);
    return nullptr;
  }
  return nullptr;
}

// The raw bytes up to a line feed become a line: without the CR that ended
// it, and only up to its first NUL.
std::string Finish(std::string raw) {
  if (!raw.empty() && raw.back() == '\r') raw.pop_back();
  const std::size_t nul = raw.find('\0');
  if (nul != std::string::npos) raw.resize(nul);
  return raw;
}

}  // namespace

TextFile::TextFile(std::string path) : path(std::move(path)) {}

std::vector<std::string> TextFile::ReadLines() {
  error = false;
  notOpened = false;
  std::vector<std::string> lines;
  std::FILE* file = OpenForReading(path);
  if (!file) {
    error = true;
    notOpened = true;
    return lines;
  }

  std::vector<char> buffer(1 << 16);
  std::string line;
  bool unfinished = false;  // bytes after the last line feed
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
    const char* at = buffer.data();
    const char* const end = at + got;
    while (at < end) {
      const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
      if (!found) {
        line.append(at, end);
        unfinished = true;
        break;
      }
      const char* feed = static_cast<const char*>(found);
      line.append(at, feed);
      lines.push_back(Finish(std::move(line)));
      line.clear();
      unfinished = false;
      at = feed + 1;
    }
    if (got < buffer.size()) break;
  }
  if (std::ferror(file))
    error = true;  // a line cut by the failure is not a line of the file
  else if (unfinished)
    lines.push_back(Finish(std::move(line)));
  std::fclose(file);
  return lines;
}

bool TextFile::WriteLines(std::vector<std::string> lines) {
  error = false;
  notOpened = false;
  std::string temporary;
  std::FILE* file = CreateBeside(path, temporary);
  if (!file) {
    error = true;
    notOpened = true;
    return false;
  }

  int number = 0;
  for (const std::string& line : lines) {
    ++number;
    if (number == failingLine || std::fwrite(line.data(), 1, line.size(), file) != line.size() ||
        std::fwrite("\r\n", 1, 2, file) != 2) {
      error = true;
      break;
    }
  }
  // The old file goes only when the new one is complete on the disk.
  if (!error && (std::fflush(file) != 0 || !SyncToDisk(file))) error = true;
  if (std::fclose(file) != 0) error = true;
  if (!error && !ReplacePatiently(temporary, path)) {
    error = true;
    notOpened = true;  // the file itself could not be written
  }
  if (error) RemoveFile(temporary);
  return !error;
}

int FailReplaceForTests(int attempts) {
  const int previous = failingReplaces;
  failingReplaces = attempts;
  return previous;
}

int FailLineWriteForTests(int lineNumber) {
  const int previous = failingLine;
  failingLine = lineNumber;
  return previous;
}

}  // namespace Tarvex
