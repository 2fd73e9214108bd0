#include "widgets/FormAbout.h"

#include "support/Folders.h"
#include "support/Text.h"
#include "widgets/Button.h"
#include "widgets/CellControl.h"
#include "widgets/FormEvents.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Link.h"
#include "widgets/PanelChildren.h"
#include "widgets/TextBox.h"

namespace Tarvex {

namespace {

constexpr int ClientWidth = 600;
constexpr int ClientHeight = 300;
constexpr unsigned EnterCharacter = 13;
constexpr unsigned EscapeCharacter = 27;

// The contact mailbox lives at the web host's domain.
const char* const WebPrefix = "http://www.";
const char* const MailboxPrefix = "info@";
const char* const MailScheme = "mailto:";

// Enter and Escape close the window wherever they are typed.
constexpr auto CharRouter = RouteCharToForm<FormAbout>;

// A link opens on the press of the left button, not on its release.
void LinkPressed(GUIElement* link, HWND, int x, int y) {
  if (FormAbout* form = EnclosingForm<FormAbout>(link)) form->OnLinkClick(link, x, y);
}

CellControl* MakeLink(FormAbout& form, const std::string& text, int left) {
  return CreateLink(&form, text, &form.linkFont, left, 55, 150, 22, LinkPressed, CharRouter);
}

}  // namespace

FormAbout::FormAbout(Form* ownerForm)
    : Form(ownerForm != nullptr ? ownerForm->instance : nullptr, true),
      owner(ownerForm),
      titleFont("Arial", 16),
      linkFont("Arial", 16),
      windowFont("Arial", 14) {
  titleFont.bold = true;
  linkFont.underline = true;
  font = &windowFont;

  modalFrame = true;
  topmostDialog = false;
  width = ClientWidth;
  height = ClientHeight;
  // On the screen the game is on, clear of the taskbar.
  CenterOnWorkArea(owner != nullptr ? owner->window : nullptr);
  SetText(std::string("Info..."));
  minimizeBox = false;
  resizable = false;

  Tarvex::WireFormEvents(this);
  charCallback = CharRouter;

  EnterModal(owner);
}

FormAbout::~FormAbout() {
  // Closed while its controls and fonts still exist.
  CloseWithoutNotice();
  delete logoImage;
  delete logoPanel;
  delete titleLabel;
  delete copyrightLabel;
  delete webLink;
  delete mailLink;
  delete noticeBox;
  delete okButton;
  logoImage = nullptr;
  logoPanel = nullptr;
  titleLabel = nullptr;
  copyrightLabel = nullptr;
  webLink = nullptr;
  mailLink = nullptr;
  noticeBox = nullptr;
  okButton = nullptr;
}

void FormAbout::Create() {
  if (created) return;
  Form::Create();
  // The window is first shown inside its own creation, before it counts as
  // created, when resizing it is not possible yet; and a later ShowWindow on
  // a visible window need not announce itself again.
  HandleShown();
}

void FormAbout::HandleShown() { SetClientSize(ClientWidth, ClientHeight); }

void FormAbout::HandleDestroyed() {
  Form::HandleDestroyed();
  created = false;
}

void FormAbout::CreateChildren() {
  // Runs inside WM_CREATE: the handle is known, `created` not yet set.
  RECT client = {};
  GetClientRect(window, &client);
  width = client.right - client.left;
  height = client.bottom - client.top;
  const int textLeft = logoWidth + 45;
  const int textWidth = width - textLeft - 10;

  logoPanel = new PanelChildren(this);
  logoPanel->SetSize(logoWidth + 20, height - 20);
  logoPanel->SetPosition(10, 10);
  logoPanel->SetBordered(true);
  logoPanel->charCallback = CharRouter;
  logoPanel->Create();

  logoImage = new Image(logoPanel, logoResource);
  logoImage->SetSize(logoWidth, logoHeight);
  logoImage->SetPosition(5, 5);
  logoImage->charCallback = CharRouter;
  logoImage->Create();

  titleLabel = new Label(this, titleText);
  titleLabel->SetSize(textWidth, 25);
  titleLabel->SetPosition(textLeft, 10);
  titleLabel->font = &titleFont;
  titleLabel->charCallback = CharRouter;
  titleLabel->Create();

  copyrightLabel = new Label(this, copyrightText);
  copyrightLabel->SetSize(textWidth, 25);
  copyrightLabel->SetPosition(textLeft, 35);
  copyrightLabel->font = font;
  copyrightLabel->charCallback = CharRouter;
  copyrightLabel->Create();

  webLink = MakeLink(*this, webAddress, textLeft);
  mailLink = MakeLink(*this, ReplaceAll(webAddress, WebPrefix, MailboxPrefix), textLeft + 160);

  // The Windows default font: no font of its own.
  noticeBox = new TextBox(this, noticeText);
  noticeBox->SetSize(textWidth, height - 145);
  noticeBox->SetPosition(textLeft, 85);
  noticeBox->multiline = true;
  noticeBox->readOnly = true;
  noticeBox->verticalScroll = true;
  noticeBox->charCallback = CharRouter;
  noticeBox->Create();

  // A standard push button, not owner-drawn, with no font of its own.
  okButton = new Button(this, "OK");
  okButton->SetSize(80, 25);
  okButton->SetPosition(textLeft + textWidth / 2 - okButton->width / 2, height - 50);
  okButton->commandCallback = RouteCommandToForm<FormAbout>;
  okButton->charCallback = CharRouter;
  okButton->Create();
  okButton->Focus();
}

bool FormAbout::OnClosing() {
  LeaveModal(owner);
  return true;
}

void FormAbout::OnResize() {}

bool FormAbout::OnChar(unsigned character) {
  if (character != EnterCharacter && character != EscapeCharacter) return true;
  OnClick(okButton);
  return false;
}

void FormAbout::OnKeyDown(unsigned) {}

void FormAbout::OnKeyUp(unsigned) {}

void FormAbout::OnClick(GUIElement* element) {
  if (!SameElement(element, okButton)) return;
  // Handled before SendMessageW returns: the owner is enabled again and the
  // window destroyed, which clears `created`.
  SendMessageW(window, WM_CLOSE, 0, 0);
}

void FormAbout::OnLinkClick(GUIElement* element, int, int) {
  if (SameElement(element, webLink)) {
    OpenInShell(webAddress);
  } else if (SameElement(element, mailLink)) {
    OpenInShell(MailScheme + mailLink->GetNarrowText());
  }
}

}  // namespace Tarvex
