// The element record: stored values before a window exists, live values
// after, registry lookups, focus-change detection, tooltips and colour.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "tests/win/core_Fixture.h"
#include "widgets/Label.h"
#include "widgets/Menu.h"
#include "widgets/TextBox.h"

using namespace Tarvex;
using coretest::CoreTest;

namespace {

class CoreElement : public CoreTest {};

struct FocusRecord {
  int lost = 0;
  int changed = 0;
};
FocusRecord focusRecord;

void CountLost(GUIElement*) { ++focusRecord.lost; }
void CountChanged(GUIElement*) { ++focusRecord.changed; }

std::wstring ToolText(HWND tooltipWindow, HWND owner) {
  wchar_t buffer[256] = {};
  TOOLINFOW info = {};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(owner);
  info.lpszText = buffer;
  SendMessageW(tooltipWindow, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
  return buffer;
}

}  // namespace

TEST_F(CoreElement, NewElementHasTheDocumentedDefaultsAndIsRegisteredLast) {
  Label* label = Make<Label>(nullptr, "");
  ASSERT_FALSE(elementRegistry.empty());
  EXPECT_EQ(elementRegistry.back(), label);
  // Label sets its own size; the rest are the element's defaults.
  EXPECT_EQ(label->GetPosition().x, 100);
  EXPECT_EQ(label->GetPosition().y, 100);
  EXPECT_TRUE(label->enabled);
  EXPECT_EQ(label->backColor, NoColor);
  EXPECT_TRUE(label->GetText().empty());
  EXPECT_FALSE(label->created);
  EXPECT_EQ(label->window, nullptr);

  Form* form = Make<Form>(GetModuleHandleW(nullptr));
  EXPECT_EQ(form->GetSize().cx, 100);
  EXPECT_EQ(form->GetSize().cy, 50);
}

TEST_F(CoreElement, SettersBeforeCreateOnlyStoreAndCreateUsesTheStoredValues) {
  Form* form = MakeForm();
  Label* label = Make<Label>(form, "");
  label->SetText(std::string("Punteggio \xB0"));
  label->SetSize(120, 40);
  label->SetPosition(15, 25);
  label->SetEnabled(false);
  EXPECT_EQ(label->window, nullptr);
  EXPECT_EQ(label->GetText(), std::wstring(L"Punteggio \u00B0"));

  label->Create();
  ASSERT_NE(label->window, nullptr);
  wchar_t shown[64] = {};
  GetWindowTextW(label->window, shown, 64);
  EXPECT_EQ(std::wstring(shown), L"Punteggio \u00B0");
  EXPECT_FALSE(IsWindowEnabled(label->window));
  label->x = label->y = 0;
  const POINT at = label->GetPosition();  // re-read, relative to the form's client area
  EXPECT_EQ(at.x, 15);
  EXPECT_EQ(at.y, 25);
  label->width = label->height = 0;
  EXPECT_EQ(label->GetSize().cx, 120);
  EXPECT_EQ(label->GetSize().cy, 40);

  // Once created, setters act on the window at once.
  label->SetPosition(30, 35);
  label->SetEnabled(true);
  RECT outer;
  GetWindowRect(label->window, &outer);
  POINT corner = {outer.left, outer.top};
  ScreenToClient(form->window, &corner);
  EXPECT_EQ(corner.x, 30);
  EXPECT_EQ(corner.y, 35);
  EXPECT_TRUE(IsWindowEnabled(label->window));
}

TEST_F(CoreElement, FormPositionIsInScreenCoordinates) {
  Form* form = MakeForm();
  form->SetPosition(150, 120);
  RECT outer;
  GetWindowRect(form->window, &outer);
  EXPECT_EQ(outer.left, 150);
  EXPECT_EQ(outer.top, 120);
  form->x = form->y = 0;
  EXPECT_EQ(form->GetPosition().x, 150);
  EXPECT_EQ(form->GetPosition().y, 120);
}

TEST_F(CoreElement, GetTextRereadsTheWindowAndKeepsWhatItRead) {
  Form* form = MakeForm();
  TextBox* box = Make<TextBox>(form, "prima");
  box->Create();
  SetWindowTextW(box->window, L"digitato \u00E8");
  EXPECT_EQ(box->GetText(), L"digitato \u00E8");
  EXPECT_EQ(box->text, L"digitato \u00E8");
  EXPECT_EQ(box->GetNarrowText(), std::string("digitato \xE8"));
  SetWindowTextW(box->window, L"");
  EXPECT_TRUE(box->GetText().empty());
  EXPECT_TRUE(box->text.empty());
}

TEST_F(CoreElement, FocusLossReportsAChangeOnlyWhenTheTextDiffers) {
  struct Case {
    const wchar_t* typed;
    bool restoreBeforeLeaving;
    int changes;
  };
  const Case cases[] = {
      {L"Mario", false, 1},
      {L"Mario", true, 0},
      {L"prima", false, 0},  // same text written again
  };
  Form* form = MakeForm();
  TextBox* box = Make<TextBox>(form, "prima");
  box->SetPosition(10, 10);
  box->Create();
  TextBox* other = Make<TextBox>(form, "");
  other->SetPosition(10, 60);
  other->Create();
  box->focusLostCallback = CountLost;
  box->changedCallback = CountChanged;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "typed " << testing::PrintToString(std::wstring(c.typed)) << " restore "
                                    << c.restoreBeforeLeaving);
    focusRecord = {};
    SetWindowTextW(box->window, L"prima");
    box->Focus();
    ASSERT_EQ(GetFocus(), box->window);
    SetWindowTextW(box->window, c.typed);
    if (c.restoreBeforeLeaving) SetWindowTextW(box->window, L"prima");
    other->Focus();
    EXPECT_EQ(focusRecord.lost, 1);
    EXPECT_EQ(focusRecord.changed, c.changes);
  }
}

TEST_F(CoreElement, LookupsFindElementsByWindowIdentifierAndKind) {
  Form* form = MakeForm();
  Label* label = Make<Label>(form, "uno");
  label->Create();
  // A plain element registered before the menu item that comes to carry the
  // item's identifier: only the item is a menu item.
  Label* twin = Make<Label>(form, "gemello");
  MenuBar* bar = Make<MenuBar>(form);
  Menu* menu = Make<Menu>(bar, "&Gioco");
  SubMenu* item = Make<SubMenu>(menu, "&Nuova");
  twin->id = item->id;

  EXPECT_EQ(FindByWindow(form->window), form);
  EXPECT_EQ(FindByWindow(label->window), label);
  EXPECT_EQ(FindById(label->id), label);
  EXPECT_EQ(FindById(item->id), twin);
  EXPECT_EQ(FindSubMenuById(item->id), item);
  EXPECT_EQ(FindSubMenuById(label->id), nullptr);

  const std::vector<GUIElement*> children = ChildrenOf(form->window);
  ASSERT_EQ(children.size(), 3u);  // label, twin and bar: the menu and item are the bar's
  EXPECT_EQ(children[0], label);
  EXPECT_EQ(children[1], twin);
  EXPECT_EQ(children[2], bar);
  EXPECT_TRUE(ChildrenOf(label->window).empty());
}

TEST_F(CoreElement, UnknownWindowMeansTheElementBeingCreatedOnlyWhileTheNewestHasNoWindow) {
  Form* form = MakeForm();
  HWND stranger = CreateWindowExW(0, L"static", L"", WS_CHILD, 0, 0, 10, 10, form->window, nullptr, nullptr, nullptr);
  ASSERT_NE(stranger, nullptr);
  // The newest element has a window: nobody owns the stranger.
  EXPECT_EQ(FindByWindow(stranger), nullptr);
  Label* pending = Make<Label>(form, "in costruzione");
  EXPECT_EQ(FindByWindow(stranger), pending);
  EXPECT_EQ(FindByWindow(nullptr), nullptr);  // no window is nobody's, not the first windowless element
  pending->Create();
  EXPECT_EQ(FindByWindow(stranger), nullptr);
  DestroyWindow(stranger);
}

TEST_F(CoreElement, DeletedElementIsNoLongerFoundButTheRegistryKeepsItsSize) {
  Form* form = MakeForm();
  Label* gone = new Label(form, "via");
  gone->Create();
  const std::int32_t goneId = gone->id;
  HWND goneWindow = gone->window;
  const std::size_t size = elementRegistry.size();
  delete gone;
  EXPECT_EQ(elementRegistry.size(), size);
  EXPECT_EQ(FindById(goneId), nullptr);
  EXPECT_EQ(FindByWindow(goneWindow), nullptr);  // also not as the "element being created"
  for (GUIElement* child : ChildrenOf(form->window)) EXPECT_NE(child->id, goneId);
  // The control keeps working as itself: its own procedure is back.
  EXPECT_NE(GetWindowLongPtrW(goneWindow, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&WindowProc));
  EXPECT_EQ(SendMessageW(goneWindow, WM_GETTEXTLENGTH, 0, 0), 3);
  DestroyWindow(goneWindow);
}

TEST_F(CoreElement, TooltipIsAttachedWithItsTextAndFollowsChanges) {
  Form* form = MakeForm();
  Label* plain = Make<Label>(form, "senza");
  plain->Create();
  EXPECT_EQ(plain->tooltipWindow, nullptr);

  Label* tipped = Make<Label>(form, "con");
  tipped->tooltip = "Nuova partita";
  tipped->Create();
  ASSERT_NE(tipped->tooltipWindow, nullptr);
  EXPECT_EQ(SendMessageW(tipped->tooltipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(ToolText(tipped->tooltipWindow, tipped->window), L"Nuova partita");

  tipped->tooltip = "Esci";
  tipped->SetSize(90, 20);
  EXPECT_EQ(ToolText(tipped->tooltipWindow, tipped->window), L"Esci");
  EXPECT_EQ(SendMessageW(tipped->tooltipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);

  // An element without a tooltip gets one once it has a text and is resized.
  plain->tooltip = "Adesso";
  plain->SetSize(70, 20);
  ASSERT_NE(plain->tooltipWindow, nullptr);
  EXPECT_EQ(ToolText(plain->tooltipWindow, plain->window), L"Adesso");
}

TEST_F(CoreElement, BackColourOfACreatedWindowIsPaintedAndRepaintedAfterwards) {
  Form* form = MakeForm();
  const COLORREF green = RGB(10, 200, 30);
  form->SetBackColor(green);
  EXPECT_TRUE(form->backColorApplied);
  // A later repaint (class brush first) must bring the colour back.
  InvalidateRect(form->window, nullptr, TRUE);
  UpdateWindow(form->window);
  coretest::Pump(50);
  HDC dc = GetDC(form->window);
  const COLORREF seen = GetPixel(dc, 5, 5);
  ReleaseDC(form->window, dc);
  EXPECT_EQ(seen, green);

  // Before the window exists the colour is only stored.
  Form* later = Make<Form>(GetModuleHandleW(nullptr));
  later->SetBackColor(green);
  EXPECT_FALSE(later->backColorApplied);
  EXPECT_EQ(later->backColor, green);
}
