// The message loop and its clean-up of retired elements, dialog navigation,
// fonts and the wide number text.
#include <cstdint>
#include <limits>
#include <string>

#include "tests/win/core_Fixture.h"
#include "widgets/Button.h"
#include "widgets/FontSpec.h"
#include "widgets/MessageLoop.h"

using namespace Tarvex;
using coretest::CoreTest;

namespace {

class CoreLoop : public CoreTest {};

// Records its own destruction, so a test sees that it was freed as itself.
int destructions = 0;
class RecordingElement : public Child {
 public:
  RecordingElement() : Child(nullptr) {}
  ~RecordingElement() override { ++destructions; }
  void Create() override {}
};

// No loop may outlive a few seconds, whatever goes wrong in a test.
void CALLBACK QuitLater(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

struct Guard {
  Guard() : timer(SetTimer(nullptr, 0, 5000, QuitLater)) {}
  ~Guard() { KillTimer(nullptr, timer); }
  UINT_PTR timer;
};

RecordingElement* toRetire = nullptr;
int destructionsDuringLoop = -1;
void RetireAndQuit(GUIElement*, HWND, int, int) {
  RetireElement(toRetire);
  RetireElement(toRetire);  // handed over twice: still freed once
  RetireElement(nullptr);
  destructionsDuringLoop = destructions;
  PostQuitMessage(0);
}

int tabsSeen = 0;
void CountTab(GUIElement*, unsigned key) {
  if (key == VK_TAB) ++tabsSeen;
}

LOGFONTW Describe(HFONT font) {
  LOGFONTW description = {};
  GetObjectW(font, sizeof description, &description);
  return description;
}

}  // namespace

TEST_F(CoreLoop, RetiredElementsAreFreedAsThemselvesOnlyAfterTheLoopEnds) {
  Form* form = MakeForm();
  form->leftButtonUpCallback = RetireAndQuit;
  toRetire = new RecordingElement();
  const std::int32_t retiredId = toRetire->id = ++nextId;
  destructions = 0;
  destructionsDuringLoop = -1;

  Guard guard;
  PostMessageW(form->window, WM_LBUTTONUP, 0, 0);
  RunMessageLoop(form);

  EXPECT_EQ(destructionsDuringLoop, 0);
  EXPECT_EQ(destructions, 1);
  EXPECT_TRUE(retiredElements.empty());
  EXPECT_EQ(FindById(retiredId), nullptr);
}

TEST_F(CoreLoop, OnlyADialogStyleFormGetsDialogNavigation) {
  struct Case {
    const char* name;
    bool passForm;
    bool dialog;
    int tabsReachingTheButton;
  };
  const Case cases[] = {
      {"no form", false, false, 1},
      {"main window", true, false, 1},
      {"dialog-style form", true, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form* form = MakeForm(c.dialog);
    Button* first = Make<Button>(form, "uno");
    first->keyDownCallback = CountTab;
    first->Create();
    Button* second = Make<Button>(form, "due");
    second->SetPosition(100, 10);
    second->Create();
    first->Focus();
    ASSERT_EQ(GetFocus(), first->window);
    tabsSeen = 0;

    Guard guard;
    PostMessageW(first->window, WM_KEYDOWN, VK_TAB, 1);
    PostQuitMessage(0);
    RunMessageLoop(c.passForm ? form : nullptr);
    EXPECT_EQ(tabsSeen, c.tabsReachingTheButton);
    // Either way the focus moved on: by the dialog manager or by the library.
    EXPECT_EQ(GetFocus(), second->window);
  }
}

TEST_F(CoreLoop, WideNumberTextMatchesTheNarrowFormatter) {
  struct Case {
    std::int64_t value;
    const wchar_t* text;
  };
  const Case cases[] = {
      {0, L"0"},
      {-12, L"-12"},
      {2147483648LL, L"2147483648"},
      {std::numeric_limits<std::int64_t>::max(), L"9223372036854775807"},
      {std::numeric_limits<std::int64_t>::min(), L"-9223372036854775808"},
  };
  for (const Case& c : cases) EXPECT_EQ(Int64ToWideText(c.value), c.text) << c.value;
}

TEST_F(CoreLoop, FontIsMadeOnceFromItsDescriptionAndFreedWithIt) {
  struct Case {
    const char* name;
    bool useDefault;
    bool bold, italic, underline, fixedPitch;
    const wchar_t* face;
    LONG height;
  };
  const Case cases[] = {
      {"default", true, false, false, false, false, L"System", 0},
      {"bold Tahoma 14", false, true, false, false, false, L"Tahoma", 14},
      {"italic underlined fixed", false, false, true, true, true, L"Tahoma", 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FontSpec* font = c.useDefault ? new FontSpec() : new FontSpec("Tahoma", 14);
    font->bold = c.bold;
    font->italic = c.italic;
    font->underline = c.underline;
    font->fixedPitch = c.fixedPitch;
    HFONT handle = font->Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(font->Handle(), handle);

    const LOGFONTW description = Describe(handle);
    EXPECT_EQ(std::wstring(description.lfFaceName), c.face);
    EXPECT_EQ(description.lfHeight, c.height);
    EXPECT_EQ(description.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(description.lfItalic != 0, c.italic);
    EXPECT_EQ(description.lfUnderline != 0, c.underline);
    EXPECT_EQ(description.lfPitchAndFamily & 3, c.fixedPitch ? FIXED_PITCH : 0);
    EXPECT_EQ(description.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(description.lfQuality, CLEARTYPE_QUALITY);

    // Fields changed afterwards do not touch the font already made.
    font->bold = !c.bold;
    EXPECT_EQ(font->Handle(), handle);
    EXPECT_EQ(Describe(handle).lfWeight, c.bold ? FW_BOLD : FW_NORMAL);

    delete font;
    EXPECT_EQ(GetObjectType(handle), 0u);
  }
}
