#pragma once
// A leaderboard line taken apart for a table: position, name, level and
// score. The store keeps whole lines; only this view reads into them.
#include <string>
#include <vector>

namespace Tarvex {

struct ScoreRow {
  std::string position;  // "1", "2", ... in file order
  std::string name;      // without the blanks that fill it to its column
  std::string level;
  std::string score;     // without the leading zeros of the file
};

// A line as the game writes it: eight digits, a blank, the name filled to
// twelve characters, " Livello " and the level. Any other line (a hand-edited
// file) is shown whole in the name column, with no level or score.
ScoreRow ScoreRowOf(int index, const std::string& line);
std::vector<ScoreRow> ScoreRowsOf(const std::vector<std::string>& lines);

}  // namespace Tarvex
