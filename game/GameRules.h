#pragma once
// The rules of the game: the board's state changes, levels, score, the timed
// step to the next level and the leaderboard banner. The window derives from
// this class and implements the hooks on its real elements; the tile of each
// cell lives only in the window's cell element, read back through CellTile.
#include <string>
#include <vector>

#include "game/Board.h"
#include "support/DateTime.h"

namespace MyGame {

// Texts the game shows.
extern const char* const TextLevelComplete;  // "Livello completato!"
extern const char* const TextGameOver;       // "Fine gioco!"
extern const char* const PlayButtonStart;    // "GIOCA": the play button starts a game
extern const char* const PlayButtonAbandon;  // "ABBANDONA": the play button abandons it

// The banner advances when more than this has passed since its last change.
constexpr long long BannerPeriodMilliseconds = 5000;

// The banner's text for line `index` (from 0) of the leaderboard; the line is
// shown exactly as stored.
std::string BannerText(int index, const std::string& line);

// State of the timer tick. There is one for the whole process, shared by every
// main window; it is not reset by starting or ending a game (apart from the
// level progression, which a new game starts afresh).
struct TickState {
  int tickCount = 0;             // ticks while playing since the last phase boundary
  bool advancePending = false;   // the next phase boundary starts the next level
  bool tickBusy = false;         // a tick is running: a nested one returns at once
  bool bannerClockSet = false;   // lastBannerTime has been read on the first tick
  Tarvex::DateTime lastBannerTime;
  int bannerIndex = 0;           // the next leaderboard line the banner shows
};
extern TickState tickState;

class GameRules {
 public:
  virtual ~GameRules() = default;

  // Game state (the tiles are the board's, see above).
  bool playing = false;
  int level = 0;
  int score = 0;
  bool minesPending = false;   // the level's mines are drawn at its first press
  bool levelCompleted = false;
  std::vector<int> mines;      // the level's mine indices in the order drawn
  std::vector<std::string> leaderboardLines;

  // The play button: StartGame when it shows PlayButtonStart, AbandonGame
  // when it shows PlayButtonAbandon.
  void StartGame();
  void AbandonGame();
  // A new game at level 1 at any moment: a game in progress is first given
  // up exactly as AbandonGame does (no leaderboard entry).
  void NewGame();

  void UpdateStatus();
  void StartLevel();
  void SetBoardHandCursor(bool on);
  // A press on a cell (cascade false) or a cell opened by a cascade (true).
  // Anything but a covered playable cell during play is ignored.
  void UncoverCell(int index, bool cascade);
  // The covered playable cells around a playable cell: west, east, north,
  // north-west, north-east, south, south-west, south-east.
  std::vector<int> CoveredNeighbours(int index) const;
  void RevealMines();
  void CheckLevelComplete();
  // Draws the level's mines afresh, none of them at `excluded`.
  void PlaceMines(int excluded);
  bool IsMine(int index) const;
  void GameOver();
  void ShowSplash();

  // One tick of the 30 ms game timer at the local time `now`: the banner
  // step, then the level progression.
  void TimerTick(const Tarvex::DateTime& now);

  // What the rules need of the window.
  virtual bool IsPlayableCell(int index) const = 0;  // the cell's tag is exactly "1"
  virtual int CellTile(int index) const = 0;
  virtual void ShowCellTile(int index, int tile) = 0;  // tile, tileRow 0, repaint
  virtual void SetCellHandCursor(int index, bool on) = 0;
  virtual void ShowStatusText(const std::string& text) = 0;
  virtual void ShowCounterText(const std::string& text) = 0;
  virtual void ShowScoreText(const std::string& text) = 0;
  virtual void ShowLevelText(const std::string& text) = 0;
  virtual void ShowBannerText(const std::string& text) = 0;
  virtual void ShowPlayButtonText(const std::string& text) = 0;
  virtual void PlayResourceSound(int resourceId) = 0;
  virtual void OfferLeaderboardEntry() = 0;

 private:
  // Opens a covered safe cell and, when it has no neighbouring mine, the
  // covered cells around it, scoring each; the displays are left alone.
  void OpenRegion(int index);
  void BannerStep(const Tarvex::DateTime& now);
  void LevelStep();
};

}  // namespace MyGame
