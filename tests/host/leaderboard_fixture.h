#pragma once
// A leaderboard of its own for one test, and byte-exact file helpers.
//
// On the host the data folder is a fresh temporary folder (XDG_DATA_HOME
// points at it) whose path holds a Cyrillic and a Polish folder name, as a
// user's profile may, and the game is "Zorvik". On Windows the data folder is
// the real local application-data folder of the (private) Wine prefix, so
// each test uses a game name of its own and removes that folder afterwards.
//
// Paths are UTF-8, as the store takes them; the helpers here open them as
// the store does (wide on Windows).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "leaderboard/Leaderboard.h"
#include "support/Folders.h"
#include "support/Utf8.h"
#include "tests/host/TempFolder.h"

// The file system's own path for a UTF-8 path.
inline std::filesystem::path NativePath(const std::string& path) {
#ifdef _WIN32
  return std::filesystem::path(Tarvex::WideFromUtf8(path));
#else
  return std::filesystem::path(path);
#endif
}

inline std::FILE* OpenBytes(const std::string& path, const char* mode) {
#ifdef _WIN32
  return _wfopen(Tarvex::WideFromUtf8(path).c_str(), Tarvex::WideFromUtf8(mode).c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

inline std::string ReadBytes(const std::string& path) {
  std::string content;
  std::FILE* file = OpenBytes(path, "rb");
  if (!file) return content;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
  std::fclose(file);
  return content;
}

inline void WriteBytes(const std::string& path, const std::string& content) {
  std::FILE* file = OpenBytes(path, "wb");
  ASSERT_NE(file, nullptr) << path;
  ASSERT_EQ(std::fwrite(content.data(), 1, content.size(), file), content.size());
  ASSERT_EQ(std::fclose(file), 0);
}

// The names in a folder, to see that nothing was left behind.
inline std::set<std::string> FolderEntries(const std::string& folder) {
  std::set<std::string> names;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder), ignored))
#ifdef _WIN32
    names.insert(Tarvex::Utf8FromWide(entry.path().filename().wstring()));
#else
    names.insert(entry.path().filename().string());
#endif
  return names;
}

// The lines joined as the store writes them.
inline std::string WithCrLf(const std::vector<std::string>& lines) {
  std::string content;
  for (const std::string& line : lines) content += line + "\r\n";
  return content;
}

inline bool RunningAsRoot() {
#ifdef _WIN32
  return false;
#else
  return geteuid() == 0;
#endif
}

class LeaderboardPlace {
 public:
  LeaderboardPlace() {
#ifdef _WIN32
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    gameName = "ZorvikTest-" + std::to_string(stamp) + "-" + std::to_string(counter++);
    dataFolder = Tarvex::LocalAppDataFolder();
#else
    if (const char* old = std::getenv("XDG_DATA_HOME")) {
      hadDataHome = true;
      oldDataHome = old;
    }
    dataFolder = Tarvex::WithTrailingSlash(temp.Path("Дмитрий")) + "Łukasz";
    std::filesystem::create_directories(dataFolder);
    UseDataFolder(dataFolder);
#endif
  }

  ~LeaderboardPlace() {
#ifdef _WIN32
    std::error_code ignored;
    std::filesystem::remove_all(NativePath(GameFolder()), ignored);
#else
    if (hadDataHome)
      setenv("XDG_DATA_HOME", oldDataHome.c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
#endif
  }

  LeaderboardPlace(const LeaderboardPlace&) = delete;
  LeaderboardPlace& operator=(const LeaderboardPlace&) = delete;

#ifndef _WIN32
  // Moves the data folder somewhere else (it need not exist).
  void UseDataFolder(const std::string& folder) { setenv("XDG_DATA_HOME", folder.c_str(), 1); }
#endif

  Tarvex::Leaderboard Board() const { return Tarvex::Leaderboard(gameName); }
  std::string GameFolder() const { return Tarvex::WithTrailingSlash(dataFolder) + gameName; }
  std::string ScoreFolder() const { return Tarvex::WithTrailingSlash(GameFolder()) + "Score"; }
  std::string FilePath() const { return Tarvex::WithTrailingSlash(ScoreFolder()) + "Classifica.txt"; }

  // Lays down a stored file by hand, folders included.
  void Store(const std::string& content) const {
    std::filesystem::create_directories(NativePath(ScoreFolder()));
    WriteBytes(FilePath(), content);
  }
  std::string Stored() const { return ReadBytes(FilePath()); }

  std::string gameName = "Zorvik";
  std::string dataFolder;

 private:
#ifndef _WIN32
  TempFolder temp;
  bool hadDataHome = false;
  std::string oldDataHome;
#endif
};

// A file holding `content` is read as `lines`, and one more entry rewrites it
// as those lines and the entry, best first, each ending in CR LF.
inline void ExpectReadAndRewritten(const std::string& content, std::vector<std::string> lines) {
  LeaderboardPlace place;
  place.Store(content);
  Tarvex::Leaderboard board = place.Board();
  EXPECT_EQ(board.Load(), lines);
  ASSERT_TRUE(board.AddEntry(1, "ZETA"));
  lines.push_back("00000001 ZETA");
  std::sort(lines.begin(), lines.end(), std::greater<std::string>());
  EXPECT_EQ(place.Stored(), WithCrLf(lines));
}
