// Construction, layout, painting and destruction of the game window.
#include "game/FormMain.h"

#include "game/FormMainWiring.h"
#include "leaderboard/FormNamePlayer.h"
#include "leaderboard/Leaderboard.h"
#include "resources/Product.h"
#include "leaderboard/FormScores.h"
#include "resources/ResourceIds.h"
#include "support/Settings.h"
#include "widgets/Button.h"
#include "widgets/CellControl.h"
#include "widgets/FormAbout.h"
#include "widgets/FormHelp.h"
#include "widgets/FrameBatch.h"
#include "widgets/Image.h"
#include "widgets/ImageFrame.h"
#include "widgets/Menu.h"
#include "widgets/TileSheet.h"
#include "widgets/Timer.h"

namespace MyGame {

namespace {

constexpr COLORREF BoardCyan = RGB(0, 192, 192);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr int ClientWidth = 640;
constexpr int ClientHeight = 480;
constexpr int BoardLeft = 105;
constexpr int BoardTop = 87;
constexpr int TimerInterval = 30;

// A text display of the window: on the board's cyan, in white.
Tarvex::CellControl* MakeDisplay(FormMain* form, Tarvex::FontSpec* font, const std::string& text, int x, int y,
                                 int width, int height, bool bordered) {
  auto* display = new Tarvex::CellControl(form);
  display->SetText(text);
  display->SetBackColor(form->backColor);
  display->textColor = White;
  display->font = font;
  if (bordered) display->SetBordered(true);
  display->SetSize(width, height);
  display->SetPosition(x, y);
  display->Create();
  return display;
}

Tarvex::Image* MakePicture(FormMain* form, int resourceId, int x, int y, int width, int height) {
  auto* picture = new Tarvex::Image(form, resourceId);
  picture->SetSize(width, height);
  picture->SetPosition(x, y);
  picture->Create();
  return picture;
}

Tarvex::Button* MakeButton(FormMain* form, const std::string& caption, int x, int y) {
  auto* button = new Tarvex::Button(form, caption);
  button->ownerDrawn = true;
  button->commandCallback = ForwardButtonCommand;
  button->keyDownCallback = ForwardKeyDown;
  button->SetSize(100, 40);
  button->SetPosition(x, y);
  button->Create();
  return button;
}

}  // namespace

FormMain* mainForm = nullptr;

std::string WindowCaption() { return std::string(ZORVIK_PRODUCT_NAME) + " " + ZORVIK_COPYRIGHT; }

FormMain::FormMain(HINSTANCE instance, const std::string& caption) : Tarvex::Form(instance) {
  boldDisplayFont.bold = true;
  soundOn = Tarvex::ReadSwitchSetting(ZORVIK_SETTINGS_KEY, SoundSettingName, true);
  font = &formFont;
  SetText(caption);
  minimizeBox = true;
  resizable = false;
  // Made at the outer size of a 640 x 480 client area with the menu bar, so
  // that it is shown and painted once, at its final size, rather than a
  // first time 640 x 480 outside and again after growing.
  RECT outer = {0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&outer, WindowStyle(), TRUE, WindowExStyle());
  SetSize(outer.right - outer.left, outer.bottom - outer.top);
  WireMainWindowEvents(this);
  SetBackColor(BoardCyan);
  // Known before Create, so the window class carries the game's icon too:
  // the large one Alt+Tab and the taskbar show.
  iconId = ZORVIK_ICON;
  Create();  // CreateChildren runs inside
  SetIcon(ZORVIK_ICON);
  if (created && window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(formFont.Handle()), TRUE);
  // Only a menu bar of another height than the system's figure leaves the
  // client area to be corrected, at the price of a second paint.
  RECT client = {};
  if (created && window) GetClientRect(window, &client);
  if (client.right != ClientWidth || client.bottom != ClientHeight) SetClientSize(ClientWidth, ClientHeight);
  // Opened at (100, 100); on a small screen (or a large scale) moved just
  // enough that no part lies off the work area, under the taskbar.
  FitIntoWorkArea();
  if (!mainForm) mainForm = this;
}

void FormMain::CreateChildren() {
  BuildMenu();
  if (created && window) {
    RECT client;
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
  }
  // The layout is that of the 640-pixel client area; while the window is
  // being made the width field holds its outer width.
  const int W = created && window ? width : ClientWidth;
  tileStrip = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(ZORVIK_BITMAP_TILES), IMAGE_BITMAP, 0, 0,
                                              LR_CREATEDIBSECTION));
  tileSheet = new Tarvex::TileSheet(tileStrip);

  logoImage = MakePicture(this, ZORVIK_BITMAP_LOGO, 28, 30, 200, 50);
  statusDisplay = MakeDisplay(this, &boldDisplayFont, "", 228, 30, 280, 45, false);
  counterDisplay = MakeDisplay(this, &boldDisplayFont, "0", 38, 210, 60, 30, true);
  bannerDisplay = MakeDisplay(this, &formFont, "", 0, 0, W, 25, false);
  bannerDisplay->textAlignment = Tarvex::AlignLeft;

  for (int i = 0; i < CellCount; ++i) {
    auto* cell = new Tarvex::ImageFrame(this, tileStrip, InitialTile(i));
    cell->masked = true;
    cell->tileRow = 0;
    cell->tabStop = false;
    cell->sheet = tileSheet;
    if (cell->tile == TileEmpty) cell->tag = "1";
    cell->SetBackColor(0);
    cell->SetSize(TileSize, TileSize);
    cell->leftButtonDownCallback = ForwardLeftButtonDown;
    cell->paintCallback = ForwardCellPainted;
    cell->SetPosition(TileSize * ColumnOf(i) + BoardLeft, TileSize * RowOf(i) + BoardTop);
    cell->Create();
    cells[i] = cell;
  }

  // The displays beside the board line up with its last column.
  const int besideBoard = TileSize * (BoardColumns - 1) + BoardLeft;
  scoreDisplay = MakeDisplay(this, &displayFont, "", besideBoard + 25, 200, 200, 28, true);
  levelDisplay = MakeDisplay(this, &displayFont, "", besideBoard + 25, 240, 200, 28, true);
  UpdateStatus();
  missionImage = MakePicture(this, ZORVIK_BITMAP_MISSION, besideBoard + 35, 300, 183, 172);
  infoButton = MakeButton(this, "Info", W - 128, 90);
  closeButton = MakeButton(this, "Chiudi", W - 128, 140);
  playButton = MakeButton(this, PlayButtonStart, W - 128, 40);
  playButton->SetHandCursor(true);

  leaderboardLines = Tarvex::Leaderboard(ZORVIK_PRODUCT_NAME).Load();
  ShowSplash();

  gameTimer = new Tarvex::Timer(this, TimerInterval);
  gameTimer->tickCallback = ForwardTimerTick;
  gameTimer->Create();
  gameTimer->Start();
}

void FormMain::BuildMenu() {
  menuBar = new Tarvex::MenuBar(this);
  fileMenu = new Tarvex::Menu(menuBar, "&File");
  // A tab puts the shortcut in the menu's right-hand column.
  newGameItem = new Tarvex::SubMenu(fileMenu, "&Nuova partita\tF2");
  scoresItem = new Tarvex::SubMenu(fileMenu, "&Migliori punteggi...");
  soundItem = new Tarvex::SubMenu(fileMenu, "&Suoni");
  soundItem->checkable = true;
  soundItem->checkMark = soundOn;
  fileSeparator = new Tarvex::SubMenu(fileMenu, "");
  fileSeparator->menuFlags = MF_SEPARATOR;
  exitItem = new Tarvex::SubMenu(fileMenu, "&Esci");
  helpMenu = new Tarvex::Menu(menuBar, "&?");
  guideItem = new Tarvex::SubMenu(helpMenu, "&Guida\tF1");
  homeItem = new Tarvex::SubMenu(helpMenu, "&Home");
  for (Tarvex::SubMenu* item : {newGameItem, scoresItem, soundItem, exitItem, guideItem, homeItem})
    item->commandCallback = ForwardMenuCommand;
  menuBar->Create();
}

void FormMain::HandlePaint() {
  // The window has no WS_CLIPCHILDREN: its background is painted over the
  // children in its update region, and only those have anything new to show.
  // The board's cells there are drawn again right after the background, in
  // this same pass; the other children there are marked to paint themselves.
  HRGN area = CreateRectRgn(0, 0, 0, 0);
  const bool painting = area != nullptr && GetUpdateRgn(window, area, FALSE) > NULLREGION;
  if (painting)
    for (Tarvex::GUIElement* child : Tarvex::ChildrenOf(window)) {
      RECT box = {};
      if (dynamic_cast<Tarvex::ImageFrame*>(child) == nullptr && Tarvex::RectangleInParent(child, &box) &&
          RectInRegion(area, &box))
        child->Redraw();
    }
  if (backColorApplied) SetBackColor(backColor);
  if (painting) {
    PAINTSTRUCT paint = {};
    BeginPaint(window, &paint);  // the class brush erases the background
    EndPaint(window, &paint);
    Tarvex::PaintFramesIn(this, area);
  }
  if (area) DeleteObject(area);
  if (paintCallback) paintCallback(this);
}

HBRUSH FormMain::HandleControlColor(HDC deviceContext) {
  if (controlBrush) DeleteObject(controlBrush);
  SelectObject(deviceContext, formFont.Handle());
  const bool isPlayButton = playButton && WindowFromDC(deviceContext) == playButton->window;
  const COLORREF background = isPlayButton ? RGB(255, 0, 0) : RGB(220, 220, 220);
  SetBkColor(deviceContext, background);
  SetTextColor(deviceContext, isPlayButton ? White : RGB(0, 0, 0));
  controlBrush = CreateSolidBrush(background);
  return controlBrush;
}

FormMain::~FormMain() {
  if (gameTimer) gameTimer->Stop();
  delete gameTimer;
  gameTimer = nullptr;
  // The secondary windows go first and without notice: their windows are
  // owned by this one, and destroying it would otherwise destroy them with
  // it and record an open name window's game while the program tears down.
  delete aboutWindow;
  aboutWindow = nullptr;
  delete nameWindow;
  nameWindow = nullptr;
  delete scoresWindow;
  scoresWindow = nullptr;
  delete helpWindow;
  helpWindow = nullptr;
  // Deleting the object ends its window without asking: the question belongs
  // to a person's close request, not to the program tearing down.
  if (created && window && IsWindow(window)) DestroyWindow(window);
  created = false;
  for (Tarvex::SubMenu* item : {newGameItem, scoresItem, soundItem, fileSeparator, exitItem, guideItem, homeItem})
    delete item;
  delete fileMenu;
  delete helpMenu;
  delete menuBar;
  delete playButton;
  delete infoButton;
  delete closeButton;
  delete logoImage;
  delete missionImage;
  for (Tarvex::CellControl* display : {statusDisplay, counterDisplay, bannerDisplay, scoreDisplay, levelDisplay})
    delete display;
  for (Tarvex::ImageFrame* cell : cells) delete cell;
  delete tileSheet;
  if (tileStrip) DeleteObject(tileStrip);
  if (controlBrush) DeleteObject(controlBrush);
  if (mainForm == this) mainForm = nullptr;
}

}  // namespace MyGame
