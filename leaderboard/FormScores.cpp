#include "leaderboard/FormScores.h"

#include "leaderboard/Leaderboard.h"
#include "leaderboard/ScoreTable.h"
#include "support/Desktop.h"
#include "widgets/Button.h"
#include "widgets/FormEvents.h"
#include "widgets/Label.h"
#include "widgets/ListView.h"

namespace Tarvex {

namespace {

constexpr unsigned EscapeCharacter = 27;
constexpr int Margin = 10;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 25;

// Escape closes the window wherever it is typed.
constexpr auto CharRouter = RouteCharToForm<FormScores>;

Button* MakeButton(FormScores& form, const std::string& caption, int x) {
  auto* button = new Button(&form, caption);
  button->SetSize(ButtonWidth, ButtonHeight);
  button->SetPosition(x, FormScores::ClientHeight - ButtonHeight - Margin);
  button->commandCallback = RouteCommandToForm<FormScores>;
  button->charCallback = CharRouter;
  button->Create();
  return button;
}

}  // namespace

FormScores::FormScores(Form* ownerForm, const std::string& leaderboardName)
    : Form(ownerForm != nullptr ? ownerForm->instance : nullptr, true),
      owner(ownerForm),
      gameName(leaderboardName),
      windowFont("Arial", 16) {
  font = &windowFont;
  modalFrame = true;
  topmostDialog = false;
  width = ClientWidth;
  height = ClientHeight;
  SetText(std::string("Migliori punteggi"));
  minimizeBox = false;
  resizable = false;
  WireFormEvents(this);
  charCallback = CharRouter;
  EnterModal(owner);
}

FormScores::~FormScores() {
  // Closed while its controls still exist.
  CloseWithoutNotice();
  delete table;
  delete emptyLabel;
  delete clearButton;
  delete closeButton;
  table = nullptr;
  emptyLabel = nullptr;
  clearButton = nullptr;
  closeButton = nullptr;
}

void FormScores::Create() {
  if (created) return;
  Form::Create();
  // Shown inside its own creation, before it counts as created: the client
  // size is given here.
  HandleShown();
}

void FormScores::HandleShown() { SetClientSize(ClientWidth, ClientHeight); }

void FormScores::HandleDestroyed() {
  Form::HandleDestroyed();
  created = false;
}

void FormScores::CreateChildren() {
  // Runs inside WM_CREATE, at the outer size: the children are laid out for
  // the client size the window is given right after.
  const int tableWidth = ClientWidth - 2 * Margin;
  const int tableHeight = ClientHeight - 3 * Margin - ButtonHeight;

  table = new ListView(this);
  table->SetSize(tableWidth, tableHeight);
  table->SetPosition(Margin, Margin);
  table->AddColumn("Pos.", 50, AlignRight);
  table->AddColumn("Nome", 140, AlignLeft);
  table->AddColumn("Livello", 70, AlignRight);
  table->AddColumn("Punteggio", tableWidth - 50 - 140 - 70 - 6, AlignRight);
  table->font = &windowFont;
  table->charCallback = CharRouter;
  table->Create();

  // Stands where the table stands while there is nothing to list.
  emptyLabel = new Label(this, "Nessun punteggio");
  emptyLabel->SetSize(tableWidth, 25);
  emptyLabel->SetPosition(Margin, Margin + tableHeight / 2 - 12);
  emptyLabel->alignCenter = true;
  emptyLabel->font = &windowFont;
  emptyLabel->charCallback = CharRouter;
  emptyLabel->Create();

  clearButton = MakeButton(*this, "Azzera", ClientWidth / 2 - ButtonWidth - Margin / 2);
  closeButton = MakeButton(*this, "Chiudi", ClientWidth / 2 + Margin / 2);
  closeButton->Focus();
  ShowLines();
}

void FormScores::ShowLines() {
  lines = Leaderboard(gameName).Load();
  std::vector<std::vector<std::string>> rows;
  for (const ScoreRow& row : ScoreRowsOf(lines)) rows.push_back({row.position, row.name, row.level, row.score});
  if (table != nullptr) {
    table->SetRows(std::move(rows));
    if (table->window != nullptr) ShowWindow(table->window, lines.empty() ? SW_HIDE : SW_SHOW);
  }
  if (emptyLabel != nullptr && emptyLabel->window != nullptr)
    ShowWindow(emptyLabel->window, lines.empty() ? SW_SHOW : SW_HIDE);
}

bool FormScores::OnClosing() {
  LeaveModal(owner);
  return true;
}

void FormScores::OnResize() {}

bool FormScores::OnChar(unsigned character) {
  if (character != EscapeCharacter) return true;
  OnClick(closeButton);
  return false;
}

void FormScores::OnKeyDown(unsigned) {}

void FormScores::OnKeyUp(unsigned) {}

void FormScores::OnClick(GUIElement* element) {
  if (SameElement(element, closeButton)) {
    // Handled before SendMessageW returns: the owner is enabled again and
    // the window destroyed, which clears `created`.
    SendMessageW(window, WM_CLOSE, 0, 0);
  } else if (SameElement(element, clearButton)) {
    const bool yes = AskYesNo(window, "Azzera", "Vuoi azzerare la classifica?");
    // Once the question is gone this window takes the keys again, so Escape
    // still closes it.
    if (window != nullptr) SetActiveWindow(window);
    if (closeButton != nullptr) closeButton->Focus();
    if (!yes) return;
    Leaderboard(gameName).Clear();
    ShowLines();
    // The owner shows the leaderboard too (the banner).
    if (changedCallback != nullptr) changedCallback(this);
  }
}

}  // namespace Tarvex
