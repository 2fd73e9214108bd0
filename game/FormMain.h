#pragma once
// The game window: owns the board of 180 cells, the displays, the buttons,
// the menu and the game timer, and implements the rules' hooks on them.
#include <windows.h>

#include <array>
#include <string>

#include "game/GameRules.h"
#include "widgets/Form.h"
#include "widgets/FontSpec.h"

namespace Tarvex {
class Button;
class CellControl;
class FormAbout;
class FormHelp;
class FormNamePlayer;
class FormScores;
class Image;
class ImageFrame;
class Menu;
class MenuBar;
class SubMenu;
class TileSheet;
class Timer;
}  // namespace Tarvex

namespace MyGame {

class FormMain : public Tarvex::Form, public GameRules {
 public:
  FormMain(HINSTANCE instance, const std::string& caption);
  ~FormMain() override;

  void HandlePaint() override;
  HBRUSH HandleControlColor(HDC deviceContext) override;

  virtual void CreateChildren();
  virtual bool OnClosing();
  virtual void OnResize();
  virtual void OnTimerTick();
  virtual bool OnChar(unsigned character);
  virtual void OnKeyDown(unsigned key);
  virtual void OnKeyUp(unsigned key);
  virtual void OnMenuCommand(Tarvex::GUIElement* item);
  virtual void OnMouseUp();
  virtual void OnMouseDown();
  virtual void OnChildMouseDown(Tarvex::GUIElement* child);
  virtual void OnClick(Tarvex::GUIElement* element);

  void BuildMenu();
  void RecordScore();
  void OpenAboutWindow();
  void OpenScoresWindow();
  void OpenHelpWindow();
  // Shows a window the game opens over itself (made if need be) with the
  // game's icon, centred over the game, without taking the activation.
  void ShowOverGame(Tarvex::Form* dialog);
  // The leaderboard file was changed outside a game (emptied): the banner
  // shows the new list from its start.
  void ReloadLeaderboard();
  // Every new game starts with the keyboard marker hidden at the centre.
  void ResetMarker();
  void SetSoundOn(bool on);

  // The keyboard marker: the arrow keys move it over the field and show it,
  // Space and Enter press the cell under it, a mouse press on the board
  // hides it again.
  void MoveMarker(int rows, int columns);
  void HideMarker();
  void PressMarkedCell();
  // Run after a cell has painted its tile: frames it if it is the marked one.
  void PaintMarker(Tarvex::GUIElement* cell);

  // The rules' hooks, on the real elements.
  bool IsPlayableCell(int index) const override;
  int CellTile(int index) const override;
  void ShowCellTile(int index, int tile) override;
  void SetCellHandCursor(int index, bool on) override;
  void ShowStatusText(const std::string& text) override;
  void ShowCounterText(const std::string& text) override;
  void ShowScoreText(const std::string& text) override;
  void ShowLevelText(const std::string& text) override;
  void ShowBannerText(const std::string& text) override;
  void ShowPlayButtonText(const std::string& text) override;
  void PlayResourceSound(int resourceId) override;
  void OfferLeaderboardEntry() override;

  // The board cell an element is, or -1.
  int CellIndexOf(const Tarvex::GUIElement* element) const;

  HBITMAP tileStrip = nullptr;
  Tarvex::TileSheet* tileSheet = nullptr;  // the strip's kept contexts and mask, shared by the cells
  std::array<Tarvex::ImageFrame*, CellCount> cells = {};
  Tarvex::Image* logoImage = nullptr;
  Tarvex::Image* missionImage = nullptr;
  Tarvex::CellControl* statusDisplay = nullptr;
  Tarvex::CellControl* counterDisplay = nullptr;
  Tarvex::CellControl* bannerDisplay = nullptr;
  Tarvex::CellControl* scoreDisplay = nullptr;
  Tarvex::CellControl* levelDisplay = nullptr;
  Tarvex::Button* playButton = nullptr;
  Tarvex::Button* infoButton = nullptr;
  Tarvex::Button* closeButton = nullptr;
  Tarvex::Timer* gameTimer = nullptr;
  Tarvex::MenuBar* menuBar = nullptr;
  Tarvex::Menu* fileMenu = nullptr;
  Tarvex::SubMenu* newGameItem = nullptr;
  Tarvex::SubMenu* scoresItem = nullptr;
  Tarvex::SubMenu* soundItem = nullptr;
  Tarvex::SubMenu* fileSeparator = nullptr;
  Tarvex::SubMenu* exitItem = nullptr;
  Tarvex::Menu* helpMenu = nullptr;
  Tarvex::SubMenu* guideItem = nullptr;
  Tarvex::SubMenu* homeItem = nullptr;
  Tarvex::FormAbout* aboutWindow = nullptr;
  Tarvex::FormNamePlayer* nameWindow = nullptr;
  Tarvex::FormScores* scoresWindow = nullptr;
  Tarvex::FormHelp* helpWindow = nullptr;
  bool soundOn = true;  // read from the player's settings at start-up
  int markerIndex = FieldCentre;
  bool markerShown = false;
  Tarvex::FontSpec formFont{"Lucida Console", 14};
  Tarvex::FontSpec boldDisplayFont{"Arial", 22};
  Tarvex::FontSpec displayFont{"Arial", 22};

 private:
  HBRUSH controlBrush = nullptr;  // the last control-colour answer, deleted at the next
};

// The first FormMain made; menu commands fall back to it.
extern FormMain* mainForm;

// Texts and addresses the game window shows or opens.
std::string WindowCaption();
std::string HomeAddress();
std::string GuideAddress();
// The rules and the keys, in short paragraphs, for the "Guida" window.
std::string GuideText();

// Where the player's settings are kept, and the name of the sound switch.
extern const char* const SoundSettingName;  // "Suoni"

}  // namespace MyGame
