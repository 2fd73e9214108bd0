#include "game/GameRules.h"

#include <algorithm>

#include "game/Random.h"
#include "support/Text.h"

namespace MyGame {

const char* const TextLevelComplete = "Livello completato!";
const char* const TextGameOver = "Fine gioco!";
const char* const PlayButtonStart = "GIOCA";
const char* const PlayButtonAbandon = "ABBANDONA";

TickState tickState;

std::string BannerText(int index, const std::string& line) {
  // The degree sign is the single byte 0xB0: narrow text is ISO 8859-1.
  return "Classifica: " + Tarvex::Int64ToText(static_cast<long long>(index) + 1) + "\xB0 Punteggio " + line;
}

namespace {

// The counter shows minus the covered safe cells of the level.
std::string CounterText(int coveredSafeCells) { return Tarvex::Int64ToText(-static_cast<long long>(coveredSafeCells)); }

}  // namespace

void GameRules::StartGame() {
  // A level advance still pending from the last game, or a half-counted
  // phase, would otherwise carry over and end the new game's level 1 early.
  tickState.advancePending = false;
  tickState.tickCount = 0;
  score = 0;
  level = 1;
  StartLevel();
  SetBoardHandCursor(true);
  playing = true;
  ShowPlayButtonText(PlayButtonAbandon);
}

void GameRules::AbandonGame() {
  SetBoardHandCursor(false);
  playing = false;
  if (mines.empty()) PlaceMines(0);  // no press yet: draw a set to show
  RevealMines();
  ShowPlayButtonText(PlayButtonStart);
}

void GameRules::NewGame() {
  if (playing) AbandonGame();
  StartGame();
}

void GameRules::UpdateStatus() {
  ShowScoreText("Punteggio: " + Tarvex::ZeroPad(score, 5));
  ShowLevelText("Livello: " + Tarvex::ZeroPad(level, 2));
}

void GameRules::StartLevel() {
  minesPending = true;
  levelCompleted = false;
  mines.clear();
  UpdateStatus();
  for (int index = 0; index < CellCount; ++index)
    if (IsPlayableCell(index)) ShowCellTile(index, TileCovered);
  ShowStatusText("");
  ShowCounterText(CounterText(PlayableCellCount - MineCountForLevel(level)));
}

void GameRules::SetBoardHandCursor(bool on) {
  for (int index = 0; index < CellCount; ++index)
    if (IsPlayableCell(index)) SetCellHandCursor(index, on);
}

void GameRules::UncoverCell(int index, bool cascade) {
  if (!IsBoardIndex(index) || !IsPlayableCell(index) || CellTile(index) != TileCovered) return;
  if (levelCompleted || !playing) return;

  if (minesPending) {
    PlaceMines(index);
    minesPending = false;
  }

  if (IsMine(index)) {
    if (!cascade) PlayResourceSound(SoundMine);
    RevealMines();
    GameOver();
    SetCellHandCursor(index, false);
    return;
  }

  if (!cascade) PlayResourceSound(SoundSafe);
  OpenRegion(index);
  // The displays change once per press, however many cells it opened: each
  // change of a display is a window call and a repaint.
  UpdateStatus();
  if (!cascade) CheckLevelComplete();
}

void GameRules::OpenRegion(int index) {
  score += 1;
  const std::vector<int> neighbours = CoveredNeighbours(index);
  const int neighbouringMines =
      static_cast<int>(std::count_if(neighbours.begin(), neighbours.end(), [this](int j) { return IsMine(j); }));
  const int tile = neighbouringMines > 0 ? neighbouringMines : TileEmpty;
  ShowCellTile(index, tile);
  // Depth-first; each step checks again, so a cell opened by an earlier
  // branch is skipped. Only cells without neighbouring mines spread, so the
  // cascade never reaches a mine.
  if (tile == TileEmpty)
    for (int neighbour : neighbours)
      if (CellTile(neighbour) == TileCovered) OpenRegion(neighbour);
  SetCellHandCursor(index, false);
}

std::vector<int> GameRules::CoveredNeighbours(int index) const {
  struct Step { int rows; int columns; };
  static const Step steps[8] = {{0, -1}, {0, 1}, {-1, 0}, {-1, -1}, {-1, 1}, {1, 0}, {1, -1}, {1, 1}};
  std::vector<int> neighbours;
  if (!IsFieldIndex(index)) return neighbours;
  neighbours.reserve(8);
  for (const Step& step : steps) {
    // Stepping by rows and columns rather than by index keeps a cell at the
    // end of a row from reaching the start of the next one.
    const int row = RowOf(index) + step.rows;
    const int column = ColumnOf(index) + step.columns;
    const int candidate = row * BoardColumns + column;
    if (row < 1 || row > BoardRows - 2 || column < 1 || column > BoardColumns - 2) continue;
    if (IsPlayableCell(candidate) && CellTile(candidate) == TileCovered) neighbours.push_back(candidate);
  }
  return neighbours;
}

void GameRules::RevealMines() {
  for (int index : mines) ShowCellTile(index, TileMine);
}

void GameRules::CheckLevelComplete() {
  int remaining = 0;
  for (int index = 0; index < CellCount; ++index)
    if (IsPlayableCell(index) && CellTile(index) == TileCovered && !IsMine(index)) ++remaining;
  ShowCounterText(CounterText(remaining));
  if (remaining == 0) {
    ShowStatusText(TextLevelComplete);
    levelCompleted = true;
  }
}

void GameRules::PlaceMines(int excluded) {
  mines.clear();
  const std::size_t target = static_cast<std::size_t>(std::max(MineCountForLevel(level), 0));
  const int firstField = BoardColumns + 1;                      // 13
  const int lastField = (BoardRows - 1) * BoardColumns - 2;     // 166
  while (mines.size() < target) {
    EnsureRandomSeeded();
    const int candidate = RandomInt(1, lastField - firstField + 1) + firstField - 1;
    if (candidate == excluded || IsMine(candidate)) continue;
    if (ColumnOf(candidate) == 0 || ColumnOf(candidate) == BoardColumns - 1) continue;
    mines.push_back(candidate);
  }
}

bool GameRules::IsMine(int index) const { return std::find(mines.begin(), mines.end(), index) != mines.end(); }

void GameRules::GameOver() {
  ShowStatusText(TextGameOver);
  ShowPlayButtonText(PlayButtonStart);
  SetBoardHandCursor(false);
  playing = false;
  if (score > 0) OfferLeaderboardEntry();
}

void GameRules::ShowSplash() {
  for (int index : SplashCells) ShowCellTile(index, TileCovered);
}

void GameRules::TimerTick(const Tarvex::DateTime& now) {
  if (!tickState.bannerClockSet) {
    tickState.lastBannerTime = now;
    tickState.bannerClockSet = true;
  }
  if (tickState.tickBusy) return;
  tickState.tickBusy = true;
  BannerStep(now);
  LevelStep();
  tickState.tickBusy = false;
}

void GameRules::BannerStep(const Tarvex::DateTime& now) {
  if (tickState.lastBannerTime.MillisecondsSince(now) <= BannerPeriodMilliseconds) return;
  tickState.lastBannerTime = now;
  const std::size_t lines = leaderboardLines.size();
  if (lines == 0) return;
  if (tickState.bannerIndex < 0 || static_cast<std::size_t>(tickState.bannerIndex) >= lines) {
    // Past the end (also after a reload with fewer lines): one blank period,
    // then the cycle starts again at the first line.
    ShowBannerText("");
    tickState.bannerIndex = 0;
    return;
  }
  const int shown = tickState.bannerIndex;
  tickState.bannerIndex += 1;
  ShowBannerText(BannerText(shown, leaderboardLines[static_cast<std::size_t>(shown)]));
}

void GameRules::LevelStep() {
  if (!playing) {
    tickState.tickCount = 0;
    return;
  }
  tickState.tickCount += 1;
  if (tickState.tickCount <= PhaseTicks) return;
  if (levelCompleted) {
    levelCompleted = false;
    tickState.advancePending = true;
  } else if (tickState.advancePending) {
    level += 1;
    UpdateStatus();
    StartLevel();
    SetBoardHandCursor(true);
    tickState.advancePending = false;
  }
  tickState.tickCount = 0;
}

}  // namespace MyGame
