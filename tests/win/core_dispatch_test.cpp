// What controls report to their parent: menu picks and clicks, the toolbar
// rows, notifications, owner drawing, scrolling and the wheel.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/win/core_Fixture.h"
#include "widgets/Button.h"
#include "widgets/Label.h"
#include "widgets/Menu.h"
#include "widgets/PanelChildren.h"
#include "widgets/StandardControl.h"

using namespace Tarvex;
using coretest::CoreTest;

namespace {

class CoreDispatch : public CoreTest {};

std::vector<GUIElement*> commands;
void RecordCommand(GUIElement* element) { commands.push_back(element); }

// An element of a kind the game does not make, on a plain static window.
class StaticElement : public Child {
 public:
  StaticElement(GUIElement* parentElement, const char* kind) : Child(nullptr) {
    parent = parentElement;
    typeName = kind;
  }
  void Create() override {
    if (created) return;
    CreateStandardControl(*this, L"static", WS_CHILD | WS_VISIBLE, 0);
    created = true;
  }
};

struct ListCall {
  int kind;
  std::vector<std::int32_t> values;
  std::vector<std::string> texts;
};

class ListElement : public StaticElement {
 public:
  explicit ListElement(GUIElement* parentElement) : StaticElement(parentElement, "list") {}
  void HandleListNotify(int kind, std::vector<std::int32_t> values, std::vector<std::string> texts) override {
    calls.push_back({kind, std::move(values), std::move(texts)});
  }
  std::vector<ListCall> calls;
};

int changes = 0;
void CountChange(GUIElement*) { ++changes; }

std::vector<int> scrolled;
void RecordScroll(PanelChildren*, int delta) { scrolled.push_back(delta); }

bool Checked(Menu* menu, SubMenu* item) {
  return (GetMenuState(menu->menuHandle, static_cast<UINT>(item->id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

}  // namespace

TEST_F(CoreDispatch, MenuPickRunsTheItemAndTogglesACheckableOne) {
  Form* form = MakeForm();
  MenuBar* bar = Make<MenuBar>(form);
  Menu* menu = Make<Menu>(bar, "&Opzioni");
  SubMenu* sound = Make<SubMenu>(menu, "&Suono");
  sound->checkable = true;
  sound->commandCallback = RecordCommand;
  SubMenu* quit = Make<SubMenu>(menu, "&Esci");
  quit->commandCallback = RecordCommand;
  bar->Create();
  ASSERT_TRUE(sound->created);
  commands.clear();

  const WPARAM pickSound = MAKEWPARAM(sound->id, 0);
  EXPECT_EQ(SendMessageW(form->window, WM_COMMAND, pickSound, 0), 0);
  EXPECT_TRUE(sound->checkMark);
  EXPECT_TRUE(Checked(menu, sound));
  SendMessageW(form->window, WM_COMMAND, pickSound, 0);
  EXPECT_FALSE(sound->checkMark);
  EXPECT_FALSE(Checked(menu, sound));
  EXPECT_EQ(commands, (std::vector<GUIElement*>{sound, sound}));

  // A plain item runs without a mark; an accelerator code runs nothing.
  commands.clear();
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(quit->id, 0), 0);
  EXPECT_FALSE(quit->checkMark);
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(quit->id, 1), 0);
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(nextId + 500, 0), 0);
  EXPECT_EQ(commands, std::vector<GUIElement*>{quit});
}

TEST_F(CoreDispatch, ButtonReportsEveryNotificationToItsCommand) {
  Form* form = MakeForm();
  Button* ok = Make<Button>(form, "OK");
  ok->commandCallback = RecordCommand;
  ok->Create();
  Button* silent = Make<Button>(form, "Niente");
  silent->SetPosition(100, 10);
  silent->Create();
  commands.clear();

  SendMessageW(ok->window, BM_CLICK, 0, 0);  // the real click path
  EXPECT_EQ(commands, std::vector<GUIElement*>{ok});
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(ok->id, BN_SETFOCUS), reinterpret_cast<LPARAM>(ok->window));
  EXPECT_EQ(commands.size(), 2u);
  SendMessageW(silent->window, BM_CLICK, 0, 0);  // no command: nothing happens
  EXPECT_EQ(commands.size(), 2u);
}

TEST_F(CoreDispatch, CommandFromAControlNoElementOwnsRunsNothing) {
  Form* form = MakeForm();
  HWND stranger = CreateWindowExW(0, L"Button", L"?", WS_CHILD, 0, 0, 10, 10, form->window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(9)), nullptr, nullptr);
  // The newest element has no window yet; a report from the stranger must
  // not be taken for one of its own.
  Button* pending = Make<Button>(form, "in attesa");
  pending->commandCallback = RecordCommand;
  commands.clear();
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), reinterpret_cast<LPARAM>(stranger));
  EXPECT_TRUE(commands.empty());
  DestroyWindow(stranger);
}

TEST_F(CoreDispatch, ToolbarCommandRunsTheItemWithTheCommandIdentifier) {
  Form* form = MakeForm();
  StaticElement* toolbar = Make<StaticElement>(form, "toolbar");
  toolbar->Create();
  Button* item = Make<Button>(form, "Apri");
  item->commandCallback = RecordCommand;
  item->Create();
  Label* label = Make<Label>(form, "non un comando");
  label->Create();
  StaticElement* other = Make<StaticElement>(form, "panel");
  other->Create();

  struct Case {
    const char* name;
    HWND source;
    std::int32_t id;
    bool runs;
  };
  const Case cases[] = {
      {"item of the toolbar", toolbar->window, item->id, true},
      {"identifier of a label", toolbar->window, label->id, false},
      {"identifier of nothing", toolbar->window, nextId + 100, false},
      {"not a toolbar", other->window, item->id, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    commands.clear();
    SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(c.id, 0), reinterpret_cast<LPARAM>(c.source));
    EXPECT_EQ(commands, c.runs ? std::vector<GUIElement*>{item} : std::vector<GUIElement*>{});
  }
}

TEST_F(CoreDispatch, ToolbarItemTooltipIsHandedOutFromALastingBuffer) {
  Form* form = MakeForm();
  StaticElement* item = Make<StaticElement>(form, "toolbaritem");
  item->id = ++nextId;
  item->tooltip = std::string(3000, 'a');
  item->tooltip[0] = '\xE8';
  StaticElement* wrongKind = Make<StaticElement>(form, "toolbar");
  wrongKind->id = ++nextId;
  wrongKind->tooltip = "no";
  StaticElement* silent = Make<StaticElement>(form, "toolbaritem");
  silent->id = ++nextId;

  auto ask = [form](std::int32_t id) {
    NMTTDISPINFOW info = {};
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(form->window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText;
  };
  const wchar_t* text = ask(item->id);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::wstring(text).size(), 2023u);  // cut to the buffer, terminated
  EXPECT_EQ(text[0], L'\u00E8');
  EXPECT_EQ(text[1], L'a');
  EXPECT_EQ(ask(wrongKind->id), nullptr);
  EXPECT_EQ(ask(silent->id), nullptr);

  item->tooltip = "Gioca";
  EXPECT_EQ(std::wstring(ask(item->id)), L"Gioca");
  EXPECT_EQ(std::wstring(text), L"Gioca");  // the same buffer, overwritten
}

TEST_F(CoreDispatch, ListNotificationsReachTheSourceElement) {
  Form* form = MakeForm();
  ListElement* list = Make<ListElement>(form);
  list->Create();
  HWND stranger = CreateWindowExW(0, L"static", L"", WS_CHILD, 0, 0, 5, 5, form->window, nullptr, nullptr, nullptr);

  struct Case {
    const char* name;
    HWND source;
    UINT code;
    int item;
    int width;
    bool reported;
    int kind;
    std::vector<std::int32_t> values;
  };
  const Case cases[] = {
      {"column resized", list->window, HDN_ITEMCHANGEDW, 3, 120, true, 1, {3, 120}},
      {"column clicked", list->window, HDN_ITEMCLICKW, 2, 0, true, 2, {2}},
      {"right click", list->window, static_cast<UINT>(NM_RCLICK), 0, 0, true, 3, {}},
      {"left click is not a list notification", list->window, static_cast<UINT>(NM_CLICK), 0, 0, false, 0, {}},
      {"from a window no element owns", stranger, HDN_ITEMCLICKW, 1, 0, false, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list->calls.clear();
    HDITEMW header = {};
    header.mask = HDI_WIDTH;
    header.cxy = c.width;
    NMHEADERW info = {};
    info.hdr.hwndFrom = c.source;
    info.hdr.code = c.code;
    info.iItem = c.item;
    info.pitem = &header;
    SendMessageW(form->window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(list->calls.size(), c.reported ? 1u : 0u);
    if (!c.reported) continue;
    EXPECT_EQ(list->calls[0].kind, c.kind);
    EXPECT_EQ(list->calls[0].values, c.values);
    EXPECT_TRUE(list->calls[0].texts.empty());
  }
  DestroyWindow(stranger);
}

TEST_F(CoreDispatch, OwnerDrawRequestPaintsOnlyALibraryButton) {
  Form* form = MakeForm();
  Button* button = Make<Button>(form, "");
  button->ownerDrawn = true;
  button->Create();
  Label* label = Make<Label>(form, "etichetta");
  label->Create();

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 80, 30);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);

  struct Case {
    const char* name;
    std::int32_t id;
    UINT type;
    bool painted;
  };
  const Case cases[] = {
      {"owner-drawn button", button->id, ODT_BUTTON, true},
      {"menu item with the button's id", button->id, ODT_MENU, false},
      {"a label", label->id, ODT_BUTTON, false},
      {"nobody", nextId + 100, ODT_BUTTON, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RECT all = {0, 0, 80, 30};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkColor(memory, RGB(0, 0, 255));
    SetTextColor(memory, RGB(255, 255, 0));
    DRAWITEMSTRUCT item = {};
    item.CtlType = c.type;
    item.CtlID = static_cast<UINT>(c.id);
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button->window;
    item.hDC = memory;
    item.rcItem = all;
    const LRESULT answer = SendMessageW(form->window, WM_DRAWITEM, static_cast<WPARAM>(c.id),
                                        reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(answer, c.painted ? TRUE : FALSE);
    // The button's face is filled with the background colour of the context.
    EXPECT_EQ(GetPixel(memory, 10, 10), c.painted ? RGB(0, 0, 255) : RGB(255, 255, 255));
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

TEST_F(CoreDispatch, ScrollRequestsGoToAPanelOnlyForABarItHas) {
  Form* form = MakeForm();
  PanelChildren* panel = Make<PanelChildren>(form);
  panel->verticalScroll = true;
  panel->verticalScrollCallback = RecordScroll;
  panel->horizontalScrollCallback = RecordScroll;
  panel->Create();
  scrolled.clear();

  EXPECT_EQ(SendMessageW(panel->window, WM_VSCROLL, SB_LINEDOWN, 0), 0);
  EXPECT_EQ(scrolled, std::vector<int>{-1});
  EXPECT_EQ(wheelPanel, panel);

  scrolled.clear();
  SendMessageW(panel->window, WM_HSCROLL, SB_LINEDOWN, 0);  // no horizontal bar
  EXPECT_TRUE(scrolled.empty());
  SendMessageW(form->window, WM_VSCROLL, SB_LINEDOWN, 0);  // the form is no panel
  EXPECT_TRUE(scrolled.empty());
}

TEST_F(CoreDispatch, WheelOverAnyControlScrollsTheLastPressedPanel) {
  Form* form = MakeForm();
  PanelChildren* panel = Make<PanelChildren>(form);
  panel->verticalScroll = true;
  panel->verticalScrollCallback = RecordScroll;
  panel->Create();
  PanelChildren* flat = Make<PanelChildren>(form);  // no scroll bar
  flat->SetPosition(150, 0);
  flat->Create();
  Button* button = Make<Button>(form, "sopra");
  button->SetPosition(10, 160);
  button->Create();
  const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA));

  scrolled.clear();
  SendMessageW(button->window, WM_MOUSEWHEEL, down, 0);  // no panel chosen yet
  EXPECT_TRUE(scrolled.empty());

  SendMessageW(panel->window, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(SendMessageW(button->window, WM_MOUSEWHEEL, down, 0), 0);
  ASSERT_EQ(scrolled.size(), 1u);
  EXPECT_LT(scrolled[0], 0);  // towards the end

  scrolled.clear();
  SendMessageW(flat->window, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
  SendMessageW(button->window, WM_MOUSEWHEEL, down, 0);
  EXPECT_TRUE(scrolled.empty());
}

TEST_F(CoreDispatch, SliderEndOfDragReportsAChange) {
  Form* form = MakeForm();
  StaticElement* slider = Make<StaticElement>(form, "slider");
  slider->changedCallback = CountChange;
  slider->Create();
  StaticElement* plain = Make<StaticElement>(form, "label");
  plain->changedCallback = CountChange;
  plain->Create();

  struct Case {
    const char* name;
    HWND source;
    WORD request;
    int changes;
  };
  const Case cases[] = {
      {"slider, end of drag", slider->window, SB_ENDSCROLL, 1},
      {"slider, other request: the form is the target", slider->window, SB_LINEDOWN, 0},
      {"another kind", plain->window, SB_ENDSCROLL, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    changes = 0;
    SendMessageW(form->window, WM_HSCROLL, MAKEWPARAM(c.request, 0), reinterpret_cast<LPARAM>(c.source));
    EXPECT_EQ(changes, c.changes);
  }
}
