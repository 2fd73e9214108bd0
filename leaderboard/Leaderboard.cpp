#include "leaderboard/Leaderboard.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "leaderboard/TextFile.h"
#include "support/FolderLock.h"
#include "support/Folders.h"
#include "support/Text.h"

namespace Tarvex {

namespace {

const char FileName[] = "Classifica.txt";

// The entry text up to its first line break or NUL: the file ends a line at
// either, so more would come back as a different line or as extra lines.
std::string FirstLine(std::string text) {
  const std::size_t cut = text.find_first_of(std::string("\r\n\0", 3));
  if (cut != std::string::npos) text.resize(cut);
  return text;
}

}  // namespace

Leaderboard::Leaderboard(std::string gameName) : gameName(std::move(gameName)) {}

std::string Leaderboard::ScoreFolder() {
  // Without a data folder the path is relative to the current directory.
  // EnsureDirectory makes one missing level and accepts an existing one.
  std::string folder = WithTrailingSlash(LocalAppDataFolder()) + gameName;
  if (!EnsureDirectory(folder)) return std::string();
  folder = WithTrailingSlash(folder) + "Score";
  if (!EnsureDirectory(folder)) return std::string();
  return WithTrailingSlash(folder);
}

std::vector<std::string> Leaderboard::LoadLines(bool& complete) {
  failed = false;
  complete = true;
  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    failed = true;
    return {};
  }
  const std::string path = folder + FileName;
  if (!PathExists(path)) return {};
  TextFile file(path);
  std::vector<std::string> lines = file.ReadLines();
  complete = !file.error;
  return lines;
}

std::vector<std::string> Leaderboard::Load() {
  bool complete = true;
  return LoadLines(complete);
}

bool Leaderboard::AddEntry(int score, std::string text) {
  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    failed = true;
    return false;
  }
  // A second copy of the game may be adding its own result right now: the
  // read, the merge and the write are one step, or the later writer would
  // throw away the line the earlier one added.
  FolderLock lock(folder);
  bool complete = true;
  std::vector<std::string> lines = LoadLines(complete);
  if (failed) return false;
  // A file that is there but could not be read (in full) still holds results;
  // rewriting it from what was read would throw them away.
  if (!complete) return true;

  std::string head = ZeroPad(score, ScoreDigits);
  if (head.size() > static_cast<std::size_t>(ScoreDigits)) head.erase(0, head.size() - ScoreDigits);
  lines.push_back(head + " " + FirstLine(std::move(text)));
  Save(std::move(lines));
  return !failed;
}

bool Leaderboard::Save(std::vector<std::string> lines) {
  failed = false;
  // std::string compares its characters as unsigned bytes and ranks a longer
  // line above its own prefix: exactly the file's order. The zero-filled score
  // at the head puts higher scores first; equal lines are identical, so the
  // sort need not be stable.
  std::sort(lines.begin(), lines.end(), std::greater<std::string>());
  if (lines.size() > MaxLeaderboardLines) lines.resize(MaxLeaderboardLines);

  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    failed = true;
    return false;
  }
  return TextFile(folder + FileName).WriteLines(std::move(lines));
}

bool Leaderboard::Clear() {
  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    failed = true;
    return false;
  }
  // Another copy of the game adding a result reads, merges and writes under
  // this lock; emptying between its read and its write would be undone.
  FolderLock lock(folder);
  return Save({});
}

}  // namespace Tarvex
