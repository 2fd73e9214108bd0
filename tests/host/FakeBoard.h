#pragma once
// A board for the game rules without a window: 180 plain cells built as the
// window builds its cell elements, and a record of everything shown or played.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/GameRules.h"

class FakeBoard : public MyGame::GameRules {
 public:
  FakeBoard() {
    for (int i = 0; i < MyGame::CellCount; ++i) {
      tiles[i] = MyGame::InitialTile(i);
      if (tiles[i] == MyGame::TileEmpty) tags[i] = "1";
    }
  }

  std::array<std::string, MyGame::CellCount> tags;
  std::array<int, MyGame::CellCount> tiles{};
  std::array<bool, MyGame::CellCount> hand{};
  std::array<int, MyGame::CellCount> tileWrites{};

  std::vector<std::string> statusTexts, counterTexts, scoreTexts, levelTexts, bannerTexts, playButtonTexts;
  std::vector<int> sounds;
  int offers = 0;
  // Called from inside ShowBannerText, to act as a window whose update
  // dispatches messages while the tick is still running.
  std::function<void()> duringBannerUpdate;

  bool IsPlayableCell(int index) const override { return tags[index] == "1"; }
  int CellTile(int index) const override { return tiles[index]; }
  void ShowCellTile(int index, int tile) override {
    tiles[index] = tile;
    ++tileWrites[index];
  }
  void SetCellHandCursor(int index, bool on) override { hand[index] = on; }
  void ShowStatusText(const std::string& text) override { statusTexts.push_back(text); }
  void ShowCounterText(const std::string& text) override { counterTexts.push_back(text); }
  void ShowScoreText(const std::string& text) override { scoreTexts.push_back(text); }
  void ShowLevelText(const std::string& text) override { levelTexts.push_back(text); }
  void ShowBannerText(const std::string& text) override {
    bannerTexts.push_back(text);
    if (duringBannerUpdate) duringBannerUpdate();
  }
  void ShowPlayButtonText(const std::string& text) override { playButtonTexts.push_back(text); }
  void PlayResourceSound(int resourceId) override { sounds.push_back(resourceId); }
  void OfferLeaderboardEntry() override { ++offers; }

  // Forgets what was shown so far; the board itself is kept.
  void ClearRecords() {
    statusTexts.clear(); counterTexts.clear(); scoreTexts.clear(); levelTexts.clear();
    bannerTexts.clear(); playButtonTexts.clear(); sounds.clear();
    offers = 0;
    tileWrites.fill(0);
  }

  // A running level whose mines are already where the test wants them.
  void StartWithMines(const std::vector<int>& at) {
    StartGame();
    mines = at;
    minesPending = false;
    ClearRecords();
  }

  int CountTiles(int tile) const {
    int count = 0;
    for (int t : tiles) count += t == tile;
    return count;
  }

  static std::string Last(const std::vector<std::string>& texts) { return texts.empty() ? "<none>" : texts.back(); }
};

inline int CellAt(int row, int column) { return row * MyGame::BoardColumns + column; }

// Each test starts from a fresh process-wide tick state.
inline void ResetTickState() { MyGame::tickState = MyGame::TickState{}; }
