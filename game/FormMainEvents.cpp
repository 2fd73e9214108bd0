// What each user action reaches: the forwarding functions, the menu, the
// buttons, the board presses, the timer and the close request.
#include "game/FormMain.h"
#include "game/FormMainWiring.h"
#include "leaderboard/FormNamePlayer.h"
#include "leaderboard/FormScores.h"
#include "resources/Product.h"
#include "support/DateTime.h"
#include "support/Desktop.h"
#include "support/Folders.h"
#include "support/Settings.h"
#include "widgets/Button.h"
#include "widgets/Child.h"
#include "widgets/FormEvents.h"
#include "widgets/Menu.h"
#include "widgets/Timer.h"

namespace MyGame {

namespace {

FormMain* AsFormMain(Tarvex::GUIElement* element) { return dynamic_cast<FormMain*>(element); }

bool ForwardChar(Tarvex::GUIElement* element, unsigned character) {
  FormMain* form = AsFormMain(element);
  return form ? form->OnChar(character) : true;
}
void ForwardLeftButtonUp(Tarvex::GUIElement* element, HWND, int, int) {
  if (FormMain* form = AsFormMain(element)) form->OnMouseUp();
}

}  // namespace

void WireMainWindowEvents(FormMain* form) {
  Tarvex::WireFormEvents(form);
  form->charCallback = ForwardChar;
  form->leftButtonUpCallback = ForwardLeftButtonUp;
  form->leftButtonDownCallback = ForwardLeftButtonDown;
}

void ForwardLeftButtonDown(Tarvex::GUIElement* element, HWND, int, int) {
  if (dynamic_cast<Tarvex::Child*>(element)) {
    if (FormMain* form = AsFormMain(element->parent)) form->OnChildMouseDown(element);
  } else if (FormMain* form = AsFormMain(element)) {
    form->OnMouseDown();
  }
}

void ForwardButtonCommand(Tarvex::GUIElement* button) {
  FormMain* form = AsFormMain(button->parent);
  if (!form && button->parent) form = AsFormMain(button->parent->parent);
  if (form) form->OnClick(button);
}

void ForwardMenuCommand(Tarvex::GUIElement* item) {
  FormMain* form = nullptr;
  for (Tarvex::GUIElement* up = item->parent; up && !form; up = up->parent) form = AsFormMain(up);
  if (!form) form = mainForm;
  if (form) form->OnMenuCommand(item);
}

void ForwardKeyDown(Tarvex::GUIElement* element, unsigned key) {
  if (FormMain* form = AsFormMain(element)) return form->OnKeyDown(key);
  // A focused button keeps Space and Enter: they press the button itself.
  if (key == VK_SPACE || key == VK_RETURN || !element) return;
  if (FormMain* form = AsFormMain(element->parent)) form->OnKeyDown(key);
}

void ForwardCellPainted(Tarvex::GUIElement* cell) {
  if (FormMain* form = AsFormMain(cell->parent)) form->PaintMarker(cell);
}

void ForwardLeaderboardChanged(Tarvex::GUIElement* scoresWindow) {
  auto* window = dynamic_cast<Tarvex::FormScores*>(scoresWindow);
  if (!window) return;
  if (FormMain* form = AsFormMain(window->owner)) form->ReloadLeaderboard();
}

void ForwardTimerTick(Tarvex::Timer* timer) {
  if (FormMain* form = AsFormMain(timer->parent)) form->OnTimerTick();
}

void ForwardNameWindowDestroyed(Tarvex::GUIElement* nameWindow) {
  auto* window = dynamic_cast<Tarvex::FormNamePlayer*>(nameWindow);
  if (!window) return;
  if (FormMain* form = AsFormMain(window->ownerForm)) form->RecordScore();
}

std::string HomeAddress() { return std::string("http://www.") + ZORVIK_WEB_HOST; }
std::string GuideAddress() { return HomeAddress() + "/" + ZORVIK_PRODUCT_NAME + ".asp"; }
const char* const SoundSettingName = "Suoni";

void FormMain::OnMenuCommand(Tarvex::GUIElement* item) {
  if (!item) return;
  if (exitItem && item->id == exitItem->id) {
    // Exactly what the title bar's close box sends, so the question is asked.
    if (window) SendMessageW(window, WM_CLOSE, 0, 0);
  } else if (homeItem && item->id == homeItem->id) {
    Tarvex::OpenInShell(HomeAddress());
  } else if (guideItem && item->id == guideItem->id) {
    OpenHelpWindow();
  } else if (newGameItem && item->id == newGameItem->id) {
    ResetMarker();
    NewGame();
  } else if (scoresItem && item->id == scoresItem->id) {
    OpenScoresWindow();
  } else if (soundItem && item->id == soundItem->id) {
    // The pick has already turned the item's mark over.
    SetSoundOn(soundItem->IsChecked());
  }
}

void FormMain::ResetMarker() {
  HideMarker();
  markerIndex = FieldCentre;
}

void FormMain::SetSoundOn(bool on) {
  soundOn = on;
  if (soundItem && soundItem->IsChecked() != on) {
    soundItem->checkMark = on;
    soundItem->ApplyCheck();
  }
  Tarvex::WriteSwitchSetting(ZORVIK_SETTINGS_KEY, SoundSettingName, on);
}

void FormMain::OnClick(Tarvex::GUIElement* element) {
  if (!element) return;
  if (closeButton && element->id == closeButton->id) {
    OnMenuCommand(exitItem);
  } else if (playButton && element->id == playButton->id) {
    if (playButton->GetNarrowText() == PlayButtonAbandon) {
      AbandonGame();
    } else {
      ResetMarker();
      StartGame();
    }
  } else if (infoButton && element->id == infoButton->id) {
    OpenAboutWindow();
  }
}

bool FormMain::OnClosing() {
  UnregisterHotKeys();
  if (!Tarvex::AskYesNo(window, "Uscita", "Vuoi realmente uscire?")) {
    RegisterHotKeys();
    return false;
  }
  if (gameTimer) gameTimer->Stop();
  return true;
}

void FormMain::OnChildMouseDown(Tarvex::GUIElement* child) {
  const int index = CellIndexOf(child);
  if (index < 0) return;
  // A mouse player's board never shows the keyboard's marker.
  HideMarker();
  UncoverCell(index, false);
}

void FormMain::OnTimerTick() { TimerTick(Tarvex::DateTime::Now()); }

// Characters typed into the window itself have no game function; the keys
// are OnKeyDown's.
bool FormMain::OnChar(unsigned) { return true; }
void FormMain::OnKeyUp(unsigned) {}
void FormMain::OnResize() {}
void FormMain::OnMouseUp() {}
void FormMain::OnMouseDown() {}

}  // namespace MyGame
