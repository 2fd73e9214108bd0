// The rules' hooks on the real elements, and the two secondary windows a
// game opens: the name entry at its end and the About window.
#include "game/FormMain.h"
#include "game/FormMainWiring.h"
#include "leaderboard/FormNamePlayer.h"
#include "leaderboard/Leaderboard.h"
#include "resources/Product.h"
#include "resources/ResourceIds.h"
#include "support/Desktop.h"
#include "support/Text.h"
#include "widgets/Button.h"
#include "widgets/CellControl.h"
#include "widgets/FormAbout.h"
#include "widgets/ImageFrame.h"
#include "widgets/MessageLoop.h"

namespace MyGame {

int FormMain::CellIndexOf(const Tarvex::GUIElement* element) const {
  for (int i = 0; i < CellCount; ++i)
    if (cells[i] && cells[i] == element) return i;
  return -1;
}

bool FormMain::IsPlayableCell(int index) const { return cells[index] && cells[index]->tag == "1"; }

int FormMain::CellTile(int index) const { return cells[index] ? cells[index]->tile : -1; }

void FormMain::ShowCellTile(int index, int tile) {
  // Painted with every other cell changed by the same press, in one pass.
  if (cells[index]) cells[index]->ShowTile(tile, 0);
}

void FormMain::SetCellHandCursor(int index, bool on) {
  if (cells[index]) cells[index]->SetHandCursor(on);
}

void FormMain::ShowStatusText(const std::string& text) { statusDisplay->SetText(text); }
void FormMain::ShowCounterText(const std::string& text) { counterDisplay->SetText(text); }
void FormMain::ShowScoreText(const std::string& text) {
  if (scoreDisplay) scoreDisplay->SetText(text);
}
void FormMain::ShowLevelText(const std::string& text) {
  // The status is refreshed after every opened cell, mostly with the level
  // it already shows; repainting the display for that would only cost time.
  if (levelDisplay && levelDisplay->GetNarrowText() != text) levelDisplay->SetText(text);
}
void FormMain::ShowBannerText(const std::string& text) { bannerDisplay->SetText(text); }
void FormMain::ShowPlayButtonText(const std::string& text) { playButton->SetText(text); }
void FormMain::PlayResourceSound(int resourceId) {
  // Sounds off means no call to the sound service at all.
  if (soundOn) Tarvex::PlayWaveResource(resourceId);
}

void FormMain::OfferLeaderboardEntry() {
  // The previous game's window is long closed; its object waits for the end
  // of the message loop, since messages may still name it.
  if (nameWindow) Tarvex::RetireElement(nameWindow);
  nameWindow = new Tarvex::FormNamePlayer(this, instance, "Classifica");
  nameWindow->destroyedCallback = ForwardNameWindowDestroyed;
  nameWindow->SetPrompt("Inserisci il tuo nome:");
  ShowOverGame(nameWindow);
}

void FormMain::RecordScore() {
  const std::string entry =
      Tarvex::PadRight(Tarvex::PlayerName, ' ', 12) + " Livello " + Tarvex::Int64ToText(level);
  Tarvex::Leaderboard leaderboard(ZORVIK_PRODUCT_NAME);
  leaderboard.AddEntry(score, entry);
  leaderboardLines = leaderboard.Load();
}

void FormMain::OpenAboutWindow() {
  if (aboutWindow) Tarvex::RetireElement(aboutWindow);
  aboutWindow = new Tarvex::FormAbout(this);
  aboutWindow->logoResource = ZORVIK_BITMAP_ABOUT_LOGO;
  aboutWindow->logoWidth = 164;
  aboutWindow->logoHeight = 50;
  aboutWindow->titleText = std::string(ZORVIK_PRODUCT_NAME) + " " + ZORVIK_VERSION_TEXT;
  aboutWindow->copyrightText = ZORVIK_COPYRIGHT;
  aboutWindow->noticeText = ZORVIK_FREEWARE_NOTICE;
  aboutWindow->webAddress = HomeAddress();
  if (!aboutWindow->created) aboutWindow->Create();
  ShowWindow(aboutWindow->window, SW_SHOWNA);
  aboutWindow->visible = true;
}

}  // namespace MyGame
