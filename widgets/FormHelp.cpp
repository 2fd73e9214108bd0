#include "widgets/FormHelp.h"

#include "support/Folders.h"
#include "widgets/Button.h"
#include "widgets/CellControl.h"
#include "widgets/FormEvents.h"
#include "widgets/Link.h"
#include "widgets/TextBox.h"

namespace Tarvex {

namespace {

constexpr unsigned EnterCharacter = 13;
constexpr unsigned EscapeCharacter = 27;

// Escape and Enter close the window wherever they are typed.
constexpr auto CharRouter = RouteCharToForm<FormHelp>;

void LinkPressed(GUIElement* link, HWND, int, int) {
  if (FormHelp* form = EnclosingForm<FormHelp>(link)) form->OnLinkClick(link);
}

}  // namespace

FormHelp::FormHelp(Form* ownerForm)
    : Form(ownerForm != nullptr ? ownerForm->instance : nullptr, true),
      owner(ownerForm),
      windowFont("Arial", 16),
      linkFont("Arial", 16) {
  linkFont.underline = true;
  font = &windowFont;
  modalFrame = true;
  topmostDialog = false;
  width = ClientWidth;
  height = ClientHeight;
  minimizeBox = false;
  resizable = false;
  WireFormEvents(this);
  charCallback = CharRouter;
  EnterModal(owner);
}

FormHelp::~FormHelp() {
  // Closed while its controls still exist.
  CloseWithoutNotice();
  delete textBox;
  delete webLink;
  delete closeButton;
  textBox = nullptr;
  webLink = nullptr;
  closeButton = nullptr;
}

void FormHelp::Create() {
  if (created) return;
  Form::Create();
  // Shown inside its own creation, before it counts as created: the client
  // size is given here.
  HandleShown();
}

void FormHelp::HandleShown() { SetClientSize(ClientWidth, ClientHeight); }

void FormHelp::HandleDestroyed() {
  Form::HandleDestroyed();
  created = false;
}

void FormHelp::CreateChildren() {
  // Runs inside WM_CREATE, at the outer size: the children are laid out for
  // the client size the window is given right after.
  textBox = new TextBox(this, helpText);
  textBox->SetSize(ClientWidth - 20, ClientHeight - 90);
  textBox->SetPosition(10, 10);
  textBox->multiline = true;
  textBox->wordWrap = true;
  textBox->readOnly = true;
  textBox->verticalScroll = true;
  textBox->font = &windowFont;
  textBox->charCallback = CharRouter;
  textBox->Create();

  webLink = CreateLink(this, webAddress, &linkFont, 10, ClientHeight - 72, ClientWidth - 20, 22, LinkPressed,
                       CharRouter);

  closeButton = new Button(this, "Chiudi");
  closeButton->SetSize(80, 25);
  closeButton->SetPosition((ClientWidth - 80) / 2, ClientHeight - 38);
  closeButton->commandCallback = RouteCommandToForm<FormHelp>;
  closeButton->charCallback = CharRouter;
  closeButton->Create();
  closeButton->Focus();
}

bool FormHelp::OnClosing() {
  LeaveModal(owner);
  return true;
}

void FormHelp::OnResize() {}

bool FormHelp::OnChar(unsigned character) {
  if (character != EnterCharacter && character != EscapeCharacter) return true;
  OnClick(closeButton);
  return false;
}

void FormHelp::OnKeyDown(unsigned) {}

void FormHelp::OnKeyUp(unsigned) {}

void FormHelp::OnClick(GUIElement* element) {
  if (!SameElement(element, closeButton)) return;
  // Handled before SendMessageW returns: the owner is enabled again and the
  // window destroyed, which clears `created`.
  SendMessageW(window, WM_CLOSE, 0, 0);
}

void FormHelp::OnLinkClick(GUIElement* element) {
  if (SameElement(element, webLink)) OpenInShell(webAddress);
}

}  // namespace Tarvex
