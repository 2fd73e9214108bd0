#include "leaderboard/ScoreTable.h"

#include "leaderboard/Leaderboard.h"
#include "support/Text.h"

namespace Tarvex {

namespace {

constexpr std::size_t NameColumn = ScoreDigits + 1;
constexpr std::size_t NameWidth = 12;
const std::string LevelWord = " Livello ";

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string WithoutTrailingBlanks(std::string text) {
  const std::size_t last = text.find_last_not_of(' ');
  text.resize(last == std::string::npos ? 0 : last + 1);
  return text;
}

std::string WithoutLeadingZeros(const std::string& digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace

ScoreRow ScoreRowOf(int index, const std::string& line) {
  ScoreRow row;
  row.position = Int64ToText(static_cast<long long>(index) + 1);
  const std::size_t levelAt = NameColumn + NameWidth;
  const bool wellFormed = line.size() > levelAt + LevelWord.size() && AllDigits(line.substr(0, ScoreDigits)) &&
                          line[ScoreDigits] == ' ' && line.compare(levelAt, LevelWord.size(), LevelWord) == 0 &&
                          AllDigits(line.substr(levelAt + LevelWord.size()));
  if (!wellFormed) {
    row.name = line;
    return row;
  }
  row.score = WithoutLeadingZeros(line.substr(0, ScoreDigits));
  row.name = WithoutTrailingBlanks(line.substr(NameColumn, NameWidth));
  row.level = line.substr(levelAt + LevelWord.size());
  return row;
}

std::vector<ScoreRow> ScoreRowsOf(const std::vector<std::string>& lines) {
  std::vector<ScoreRow> rows;
  rows.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) rows.push_back(ScoreRowOf(static_cast<int>(i), lines[i]));
  return rows;
}

}  // namespace Tarvex
