#include "leaderboard/FormNamePlayer.h"

#include <algorithm>

#include "support/Text.h"
#include "widgets/Button.h"
#include "widgets/FormEvents.h"
#include "widgets/Label.h"
#include "widgets/TextBox.h"

namespace Tarvex {

std::string PlayerName;

namespace {

constexpr unsigned EnterCharacter = 13;
constexpr int NameLength = 10;

// Shared by the window and its text box: a character typed into either goes
// to the window's OnChar, whose answer decides whether the box sees it.
constexpr auto CharRouter = RouteCharToForm<FormNamePlayer>;

}  // namespace

FormNamePlayer::FormNamePlayer(Form* owner, HINSTANCE moduleInstance, const std::string& caption)
    : Form(moduleInstance, true), ownerForm(owner) {
  topmostDialog = false;
  EnterModal(ownerForm);
  width = 250;
  height = 150;
  SetText(caption);
  minimizeBox = false;
  resizable = false;

  WireFormEvents(this);
  charCallback = CharRouter;

  Create();
}

FormNamePlayer::~FormNamePlayer() {
  // Closed while the children it holds still exist.
  CloseWithoutNotice();
  delete okButton;
  delete nameBox;
  delete promptLabel;
  okButton = nullptr;
  nameBox = nullptr;
  promptLabel = nullptr;
}

void FormNamePlayer::HandleDestroyed() {
  Form::HandleDestroyed();
  created = false;
}

void FormNamePlayer::HandleFocusGained() {
  Form::HandleFocusGained();
  if (nameBox != nullptr && nameBox->window != nullptr && IsWindow(nameBox->window)) nameBox->Focus();
}

void FormNamePlayer::SetPrompt(const std::string& text) {
  prompt = text;
  if (created && promptLabel != nullptr) promptLabel->SetText(text);
}

void FormNamePlayer::CreateChildren() {
  // Runs inside WM_CREATE: the handle is known, `created` not yet set.
  RECT client = {};
  GetClientRect(window, &client);
  const int clientWidth = client.right - client.left;

  promptLabel = new Label(this, prompt);
  promptLabel->SetSize(clientWidth - 10, 25);
  promptLabel->SetPosition(5, 5);
  promptLabel->Create();

  nameBox = new TextBox(this, "");
  nameBox->SetSize(clientWidth / 2 - 10, 25);
  nameBox->SetPosition(5, 35);
  nameBox->maxLength = NameLength;
  nameBox->upperCase = true;
  nameBox->lowerCase = false;
  nameBox->charCallback = CharRouter;
  // The name goes to the leaderboard file, whose bytes are ISO 8859-1 text:
  // the box takes only what the file can hold.
  nameBox->characterFilter = IsPrintableLatin1;
  nameBox->Create();
  nameBox->Focus();

  okButton = new Button(this, "OK");
  okButton->SetSize(80, 25);
  okButton->SetPosition(clientWidth / 2 + 5, 35);
  okButton->commandCallback = RouteCommandToForm<FormNamePlayer>;
  okButton->Create();
}

bool FormNamePlayer::OnClosing() {
  LeaveModal(ownerForm);
  return true;
}

void FormNamePlayer::OnResize() {}

bool FormNamePlayer::OnChar(unsigned character) {
  if (character != EnterCharacter) return true;
  OnClick(okButton);
  return false;
}

void FormNamePlayer::OnKeyDown(unsigned) {}

void FormNamePlayer::OnKeyUp(unsigned) {}

void FormNamePlayer::OnClick(GUIElement* element) {
  if (element == nullptr || okButton == nullptr || element->id != okButton->id) return;
  if (nameBox == nullptr) return;
  // Typing and pasting are filtered already; this also keeps out what came
  // in any other way (an input method's composed text, say).
  std::wstring typed = nameBox->GetText();
  typed.erase(std::remove_if(typed.begin(), typed.end(), [](wchar_t c) { return !IsPrintableLatin1(c); }),
              typed.end());
  const std::string name = ToNarrow(typed);
  if (name.empty()) return;
  PlayerName = name;
  // Handled before SendMessageW returns: the owner is enabled again, the
  // window destroyed (which clears `created`) and the creator's
  // destroyedCallback has run.
  SendMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace Tarvex
