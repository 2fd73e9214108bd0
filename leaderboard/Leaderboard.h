#pragma once
// The ten best results of a game, kept as lines of a text file in the user's
// local application-data folder: <data>/<gameName>/Score/Classifica.txt.
// Nothing is held in memory; every operation goes to the file.
//
// Paths, the game name among them, are UTF-8 (support/Utf8.h); only the
// file's contents are ISO 8859-1.
//
// A line is the score, zero-filled to ScoreDigits digits, a blank and the text
// the game composes (name and level). The store never parses a line: it only
// compares, keeps and writes whole lines.
#include <cstddef>
#include <string>
#include <vector>

namespace Tarvex {

constexpr std::size_t MaxLeaderboardLines = 10;
constexpr int ScoreDigits = 8;

class Leaderboard {
 public:
  std::string gameName;
  bool failed = false;  // Load or Save could not resolve or create the folder

  explicit Leaderboard(std::string gameName);

  // The folder of the file, ending in a separator, made level by level when
  // missing; empty when a level cannot be made.
  std::string ScoreFolder();

  // The file's lines in file order; empty when there is no file or it cannot
  // be read. Sets failed (and gives nothing) only when there is no folder.
  std::vector<std::string> Load();

  // Adds score and text (up to its first line break) as one line and rewrites the file with the greatest
  // lines. False only when the folder cannot be resolved; a failed write is
  // not reported here. A file that exists but cannot be read in full is left
  // alone, so that no stored result is overwritten. Reading, merging and
  // writing is one step across processes (FolderLock on the folder), so two
  // copies of the game adding at once both keep their line.
  bool AddEntry(int score, std::string text);

  // Sorts the lines (greatest first, byte-wise), keeps the first
  // MaxLeaderboardLines and writes them. The lines are as ReadLines gives
  // them: no line feed, no NUL. True if every line was written.
  bool Save(std::vector<std::string> lines);

  // Empties the file with the same safe write as a new result: the old file
  // is replaced only by a complete new one. True if it was written.
  bool Clear();

 private:
  std::vector<std::string> LoadLines(bool& complete);
};

}  // namespace Tarvex
