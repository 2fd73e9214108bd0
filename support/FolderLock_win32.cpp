#include <windows.h>

#include <cstdint>

#include "support/FolderLock.h"
#include "support/Utf8.h"

namespace Tarvex {

namespace {

// A kernel object's name may not hold a backslash and is at most MAX_PATH
// long, so the mutex is named by a hash of the folder's path. Windows
// compares paths without regard to case: so does the hash.
std::wstring MutexName(const std::string& folder) {
  std::wstring path = WideFromUtf8(folder);
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the code units
  for (wchar_t unit : path) {
    hash ^= static_cast<std::uint16_t>(unit);
    hash *= 1099511628211ull;
  }
  std::wstring name = L"Local\\Tarvex.FolderLock.";
  for (int shift = 60; shift >= 0; shift -= 4) name.push_back(L"0123456789abcdef"[(hash >> shift) & 0xF]);
  return name;
}

}  // namespace

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds patience) {
  HANDLE handle = CreateMutexW(nullptr, FALSE, MutexName(folder).c_str());
  if (handle == nullptr) return;
  mutex = handle;
  // An abandoned mutex (its holder ended without releasing it) is ours now;
  // the file it guarded is whole, as every write replaces it in one move.
  const DWORD waited = WaitForSingleObject(handle, static_cast<DWORD>(patience.count()));
  held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

FolderLock::~FolderLock() {
  if (mutex == nullptr) return;
  if (held) ReleaseMutex(static_cast<HANDLE>(mutex));
  CloseHandle(static_cast<HANDLE>(mutex));
}

}  // namespace Tarvex
