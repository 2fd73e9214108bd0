#include "leaderboard/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include "support/Text.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Tarvex {

namespace {

int failingLine = 0;

// Files are always opened in binary mode: text mode on Windows would turn the
// CR LF we write into CR CR LF, and would hide a lone CR from the reader.
#ifdef _WIN32

std::FILE* OpenForReading(const std::string& path) { return _wfopen(ToWide(path).c_str(), L"rb"); }

int CreateExclusive(const std::string& path) {
  return _wopen(ToWide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int ProcessNumber() { return _getpid(); }
std::FILE* StreamOf(int descriptor) { return _fdopen(descriptor, "wb"); }
void CloseDescriptor(int descriptor) { _close(descriptor); }
bool SyncToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

bool ReplaceWith(const std::string& from, const std::string& to) {
  return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void RemoveFile(const std::string& path) { _wremove(ToWide(path).c_str()); }

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
  if (!error && !ReplaceWith(temporary, path)) {
    error = true;
    notOpened = true;  // the file itself could not be written
  }
  if (error) RemoveFile(temporary);
  return !error;
}

int FailLineWriteForTests(int lineNumber) {
  const int previous = failingLine;
  failingLine = lineNumber;
  return previous;
}

}  // namespace Tarvex
