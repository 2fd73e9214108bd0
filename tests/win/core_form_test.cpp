// Top-level forms: classes and identifiers, styles, sizing, the created
// event, closing, the main window, modality, activation and hot keys.
#include <string>

#include "tests/win/core_Fixture.h"
#include "widgets/FontSpec.h"

using namespace Tarvex;
using coretest::CoreTest;

namespace {

class CoreForm : public CoreTest {};

struct CreatedRecord {
  int calls = 0;
  HWND window = nullptr;
  HWND elementWindow = nullptr;
  bool createdFlag = true;
};
CreatedRecord createdRecord;

void RecordCreated(GUIElement* element, HWND window) {
  ++createdRecord.calls;
  createdRecord.window = window;
  createdRecord.elementWindow = element->window;
  createdRecord.createdFlag = element->created;
}

int closeQueries = 0;
bool RefuseClose(GUIElement*) {
  ++closeQueries;
  return false;
}

int destroyedCalls = 0;
void CountDestroyed(GUIElement*) { ++destroyedCalls; }

// The modal protocol of a secondary form, as the game's dialogs follow it.
Form* modalOwner = nullptr;
bool ReleaseOwnerOnClose(GUIElement* element) {
  Form* self = static_cast<Form*>(element);
  self->UnregisterHotKeys();
  modalOwner->modalChild = nullptr;
  modalOwner->SetEnabled(true);
  return true;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct HotKeyRecord {
  int calls = 0;
  Form* form = nullptr;
  UINT modifiers = 0;
  UINT key = 0;
};
HotKeyRecord hotKeyRecord;
void RecordHotKey(Form* form, UINT modifiers, UINT key) {
  ++hotKeyRecord.calls;
  hotKeyRecord.form = form;
  hotKeyRecord.modifiers = modifiers;
  hotKeyRecord.key = key;
}

int activations = 0;
int deactivations = 0;
void CountActivated(GUIElement*) { ++activations; }
void CountDeactivated(GUIElement*) { ++deactivations; }

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return coretest::PumpUntil([window] { return GetForegroundWindow() == window; }, 2000);
}

}  // namespace

TEST_F(CoreForm, EachFormRegistersAClassOfItsOwnAndTakesTheNextIdentifier) {
  const std::int32_t first = nextId;
  Form* forms[3];
  for (Form*& form : forms) {
    form = Make<Form>(GetModuleHandleW(nullptr));
    form->Create();
  }
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ClassNameOf(forms[i]->window), L"Window" + std::to_wstring(first + i));
    EXPECT_EQ(forms[i]->windowClass.lpszClassName, forms[i]->className);
    EXPECT_EQ(forms[i]->id, first + i + 1);
  }
  EXPECT_EQ(nextId, first + 3);

  // A second Create changes nothing.
  HWND window = forms[0]->window;
  forms[0]->Create();
  EXPECT_EQ(forms[0]->window, window);
  EXPECT_EQ(forms[0]->id, first + 1);
  EXPECT_EQ(nextId, first + 3);
}

TEST_F(CoreForm, StylesFollowTheFrameOptions) {
  struct Case {
    const char* name;
    bool dialog, framed, minimizeBox, resizable, topmost, modalFrame, enabled;
    DWORD style, exStyle;
  };
  const Case cases[] = {
      {"main window", false, true, true, false, true, false, true, 0x10CA0000, 0},
      {"sizeable with both boxes", false, true, true, true, true, false, true, 0x10CF0000, 0},
      {"no minimize box", false, true, false, false, true, false, true, 0x10C80000, 0},
      {"secondary window", true, true, false, false, false, false, true, 0x10C80000, 0x81},
      {"secondary with modal frame", true, true, false, false, false, true, true, 0x10C80080, 0x81},
      {"topmost resizable dialog", true, false, true, true, true, false, true, 0x10C90000, 0x89},
      {"borderless popup", false, false, true, true, true, false, true, WS_POPUP, 0},
      {"disabled main window", false, true, true, false, true, false, false, 0x18CA0000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form* form = Make<Form>(GetModuleHandleW(nullptr), c.dialog);
    form->framed = c.framed;
    form->minimizeBox = c.minimizeBox;
    form->resizable = c.resizable;
    form->topmostDialog = c.topmost;
    form->modalFrame = c.modalFrame;
    form->enabled = c.enabled;
    EXPECT_EQ(form->WindowStyle(), c.style);
    EXPECT_EQ(form->WindowExStyle(), c.exStyle);

    form->Create();
    ASSERT_NE(form->window, nullptr);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(form->window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(form->window, GWL_EXSTYLE));
    const DWORD frameBits = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME |
                            WS_DISABLED | 0x80;
    EXPECT_EQ(style & frameBits, c.style & frameBits);
    EXPECT_EQ(exStyle & 0x89u, c.exStyle);
    // Shown even when the style lacks WS_VISIBLE.
    EXPECT_TRUE(IsWindowVisible(form->window));
    EXPECT_TRUE(form->created);
    EXPECT_EQ(form->typeName, "form");
  }
}

TEST_F(CoreForm, ClassBackgroundIsTheButtonFaceOrASolidBrushOfTheColour) {
  Form* plain = MakeForm();
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(plain->window, GCLP_HBRBACKGROUND)),
            GetSysColorBrush(COLOR_BTNFACE));

  Form* coloured = Make<Form>(GetModuleHandleW(nullptr));
  coloured->SetBackColor(RGB(12, 34, 56));
  coloured->Create();
  HBRUSH brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(coloured->window, GCLP_HBRBACKGROUND));
  LOGBRUSH description = {};
  ASSERT_NE(GetObjectW(brush, sizeof description, &description), 0);
  EXPECT_EQ(description.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(description.lbColor, RGB(12, 34, 56));
}

TEST_F(CoreForm, SetClientSizeGivesExactlyThatClientArea) {
  struct Case {
    const char* name;
    bool dialog;
    bool resizable;
  };
  const Case cases[] = {{"main window", false, false}, {"sizeable", false, true}, {"dialog", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form* form = Make<Form>(GetModuleHandleW(nullptr), c.dialog);
    form->resizable = c.resizable;
    form->topmostDialog = false;
    form->SetClientSize(640, 480);  // no window yet: nothing happens
    EXPECT_EQ(form->width, 100);
    form->Create();
    form->SetClientSize(640, 480);
    RECT client;
    GetClientRect(form->window, &client);
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
  }
}

TEST_F(CoreForm, CenterOnScreenUsesTheOuterSize) {
  Form* form = MakeForm();
  form->SetSize(301, 151);
  form->width = form->height = 0;  // re-read from the window
  form->CenterOnScreen();
  RECT outer;
  GetWindowRect(form->window, &outer);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 301) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 151) / 2);

  Form* unmade = Make<Form>(GetModuleHandleW(nullptr));
  unmade->width = 201;
  unmade->CenterOnScreen();
  EXPECT_EQ(unmade->x, (GetSystemMetrics(SM_CXSCREEN) - 201) / 2);
}

TEST_F(CoreForm, CreatedCallbackRunsOnceInsideWindowCreation) {
  createdRecord = {};
  Form* form = Make<Form>(GetModuleHandleW(nullptr));
  form->createdCallback = RecordCreated;
  form->Create();
  EXPECT_EQ(createdRecord.calls, 1);
  // It ran from WM_CREATE: the handle was known, the form not yet marked created.
  EXPECT_NE(createdRecord.window, nullptr);
  EXPECT_EQ(createdRecord.window, form->window);
  EXPECT_EQ(createdRecord.elementWindow, form->window);
  EXPECT_FALSE(createdRecord.createdFlag);
  EXPECT_TRUE(form->createdNotified);

  form->HandleCreated(form->window);
  EXPECT_EQ(createdRecord.calls, 1);
}

TEST_F(CoreForm, RefusedCloseKeepsTheWindowAndAnswersOne) {
  Form* form = MakeForm();
  form->closeQueryCallback = RefuseClose;
  form->destroyedCallback = CountDestroyed;
  closeQueries = 0;
  destroyedCalls = 0;
  EXPECT_EQ(SendMessageW(form->window, WM_CLOSE, 0, 0), 1);
  EXPECT_EQ(closeQueries, 1);
  EXPECT_TRUE(IsWindow(form->window));
  EXPECT_FALSE(form->destroyed);

  form->closeQueryCallback = nullptr;  // absent: the window may close
  SendMessageW(form->window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(form->window));
  EXPECT_EQ(destroyedCalls, 1);
  EXPECT_TRUE(form->destroyed);
}

TEST_F(CoreForm, OnlyTheFirstFormIsTheMainWindowAndOnlyItsEndPostsQuit) {
  ASSERT_EQ(mainWindow, nullptr);
  Form* main = MakeForm();
  Form* secondary = MakeForm(true);
  EXPECT_EQ(mainWindow, main->window);

  modalOwner = main;
  main->SetEnabled(false);
  main->modalChild = secondary;
  secondary->closeQueryCallback = ReleaseOwnerOnClose;
  EXPECT_FALSE(IsWindowEnabled(main->window));

  SendMessageW(secondary->window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(secondary->window));
  EXPECT_TRUE(IsWindowEnabled(main->window));
  EXPECT_EQ(main->modalChild, nullptr);
  EXPECT_FALSE(coretest::TakeQuitMessage());

  DestroyWindow(main->window);
  EXPECT_TRUE(coretest::TakeQuitMessage());
}

TEST_F(CoreForm, DeletingALiveFormDestroysItsWindowWithoutCallingBack) {
  Form* owner = MakeForm();
  Form* form = new Form(GetModuleHandleW(nullptr), true);
  form->Create();
  owner->modalChild = form;
  HWND window = form->window;
  form->closeQueryCallback = RefuseClose;
  form->destroyedCallback = CountDestroyed;
  closeQueries = 0;
  destroyedCalls = 0;
  delete form;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(closeQueries, 0);
  EXPECT_EQ(destroyedCalls, 0);
  EXPECT_EQ(owner->modalChild, nullptr);
  EXPECT_EQ(FindByWindow(window), nullptr);
}

TEST_F(CoreForm, FontIsMadeAtCreationAndAMissingIconIsNotSent) {
  FontSpec font("Arial", 18);
  Form* form = Make<Form>(GetModuleHandleW(nullptr));
  form->font = &font;
  form->Create();
  EXPECT_NE(font.handle, nullptr);

  // No icon resource in this program: the load fails and nothing is sent.
  form->SetIcon(4242);
  EXPECT_EQ(form->iconId, 4242);
  EXPECT_EQ(form->icon, nullptr);
}

TEST_F(CoreForm, ActivationFollowsTheForegroundWindow) {
  Form* a = MakeForm();
  Form* b = MakeForm();
  a->activatedCallback = CountActivated;
  a->deactivatedCallback = CountDeactivated;
  ASSERT_TRUE(BringToFront(a->window));
  EXPECT_EQ(activeForm, a);

  activations = deactivations = 0;
  ASSERT_TRUE(BringToFront(b->window));
  EXPECT_EQ(activeForm, b);
  EXPECT_GE(deactivations, 1);
  EXPECT_EQ(activations, 0);

  activations = 0;
  ASSERT_TRUE(BringToFront(a->window));
  EXPECT_EQ(activeForm, a);
  EXPECT_EQ(activations, 1);
}

TEST_F(CoreForm, HotKeysRunTheEntryOfTheirIdentifierOrTheForegroundFormsTwin) {
  Form* a = MakeForm();
  Form* b = MakeForm();
  a->hotKeys.push_back({MOD_CONTROL, 'N', RecordHotKey});
  a->hotKeys.push_back({MOD_ALT, 'X', RecordHotKey});
  b->hotKeys.push_back({MOD_SHIFT, 'Q', RecordHotKey});
  b->hotKeys.push_back({MOD_ALT, 'X', RecordHotKey});
  ASSERT_TRUE(BringToFront(a->window));

  struct Case {
    WPARAM id;
    int calls;
    UINT modifiers;
    UINT key;
  };
  const Case cases[] = {{0, 0, 0, 0}, {1, 1, MOD_CONTROL, 'N'}, {2, 1, MOD_ALT, 'X'}, {3, 0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    hotKeyRecord = {};
    SendMessageW(a->window, WM_HOTKEY, c.id, 0);
    EXPECT_EQ(hotKeyRecord.calls, c.calls);
    if (c.calls == 0) continue;
    EXPECT_EQ(hotKeyRecord.form, a);
    EXPECT_EQ(hotKeyRecord.modifiers, c.modifiers);
    EXPECT_EQ(hotKeyRecord.key, c.key);
  }

  // Received by b while a is in front: a's entry with the same keys runs.
  hotKeyRecord = {};
  SendMessageW(b->window, WM_HOTKEY, 2, 0);
  EXPECT_EQ(hotKeyRecord.calls, 1);
  EXPECT_EQ(hotKeyRecord.form, a);
  hotKeyRecord = {};
  SendMessageW(b->window, WM_HOTKEY, 1, 0);  // Shift+Q: a has no such entry
  EXPECT_EQ(hotKeyRecord.calls, 0);
}
