// What the name box takes: only characters the leaderboard file can hold
// (printable ISO 8859-1, judged after the box's capitals), typed or pasted;
// any other is refused with the default beep.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs_fixture.h"
#include "leaderboard/FormNamePlayer.h"
#include "support/Desktop.h"
#include "widgets/TextBox.h"

namespace dialogs_test {
namespace {

using Tarvex::FormNamePlayer;
using Tarvex::PlayerName;

int beeps = 0;
void CountBeep() { ++beeps; }

bool PutOnClipboard(HWND window, const std::wstring& text) {
  if (!OpenClipboard(window)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  bool put = false;
  if (memory != nullptr) {
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!put) GlobalFree(memory);
  }
  CloseClipboard();
  return put;
}

class NameCharactersTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    beeps = 0;
    previousBeep = Tarvex::ReplaceDefaultBeep(CountBeep);
    PlayerName = "PRIMA";
  }
  void TearDown() override {
    DialogTest::TearDown();
    Tarvex::ReplaceDefaultBeep(previousBeep);
  }

  FormNamePlayer* Open() {
    auto* window = Keep(new FormNamePlayer(owner, GetModuleHandleW(nullptr), "Classifica"));
    ShowWindow(window->window, SW_SHOWNA);
    Pump(30);
    return window;
  }

  HWND Box(FormNamePlayer* window) { return window->nameBox->window; }

  // One character typed into an empty box: what the box shows afterwards
  // and the beeps.
  struct Typed {
    std::wstring shown;
    int beeps;
  };
  Typed TypeOne(FormNamePlayer* window, unsigned character) {
    SetWindowTextW(Box(window), L"");
    beeps = 0;
    SendMessageW(Box(window), WM_CHAR, character, 1);
    return Typed{WindowText(Box(window)), beeps};
  }

  Tarvex::BeepFunction previousBeep = nullptr;
};

// The capital an ISO 8859-1 letter has in ISO 8859-1.
unsigned Latin1Capital(unsigned c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  return c;
}

TEST_F(NameCharactersTest, EveryPrintableLatin1CharacterIsTakenAsItsCapital) {
  FormNamePlayer* window = Open();
  for (unsigned c = 0x20; c <= 0xFF; ++c) {
    if (c >= 0x7F && c < 0xA0) continue;
    // Two small letters have a capital outside ISO 8859-1 in the system's
    // mapping (U+00FF has U+0178; U+00B5 may have U+039C): see below.
    if (c == 0xFF || c == 0xB5) continue;
    SCOPED_TRACE(c);
    const Typed typed = TypeOne(window, c);
    EXPECT_EQ(typed.shown, std::wstring(1, wchar_t(Latin1Capital(c))));
    EXPECT_EQ(typed.beeps, 0);
  }
}

TEST_F(NameCharactersTest, ASmallLetterWhoseCapitalTheFileCannotHoldIsRefused) {
  FormNamePlayer* window = Open();
  const Typed yWithDiaeresis = TypeOne(window, 0xFF);  // its capital is U+0178
  EXPECT_EQ(yWithDiaeresis.shown, L"");
  EXPECT_EQ(yWithDiaeresis.beeps, 1);

  wchar_t micro = 0xB5;
  CharUpperBuffW(&micro, 1);
  const Typed typed = TypeOne(window, 0xB5);
  if (micro == 0xB5) {
    EXPECT_EQ(typed.shown, L"\u00B5");
  } else {
    EXPECT_EQ(typed.shown, L"") << "the system's capital of U+00B5 is U+" << std::hex << unsigned(micro);
    EXPECT_EQ(typed.beeps, 1);
  }
}

TEST_F(NameCharactersTest, OtherLettersAndControlCharactersAreRefusedWithABeep) {
  FormNamePlayer* window = Open();
  const struct {
    unsigned character;
    const char* what;
  } cases[] = {
      {0x0416, "Cyrillic capital Zhe"}, {0x0436, "Cyrillic small zhe"}, {0x044F, "Cyrillic small ya"},
      {0x6771, "CJK east"},            {0x4EAC, "CJK capital"},        {0xAC00, "Hangul"},
      {0xD83D, "high surrogate"},      {0xDE00, "low surrogate"},      {0x010A, "C with dot (was a line feed)"},
      {0x010C, "C with caron (was a form feed)"}, {0x010D, "c with caron (was a carriage return)"},
      {0x0141, "L with stroke"},       {0x007F, "DEL"},                {0x0080, "C1 control"},
      {0x0085, "next line"},           {0x009F, "C1 control"},         {0xFEFF, "byte order mark"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Typed typed = TypeOne(window, c.character);
    EXPECT_EQ(typed.shown, L"");
    EXPECT_EQ(typed.beeps, 1);
  }
  // Control characters below U+0020 are editing commands the box never
  // shows; they pass without a beep (backspace still deletes).
  SetWindowTextW(Box(window), L"AB");
  SendMessageW(Box(window), EM_SETSEL, 2, 2);
  beeps = 0;
  SendMessageW(Box(window), WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(WindowText(Box(window)), L"A");
  for (unsigned c : {0x01u, 0x09u, 0x0Au, 0x1Bu, 0x1Fu}) SendMessageW(Box(window), WM_CHAR, c, 1);
  EXPECT_EQ(WindowText(Box(window)), L"A");
  EXPECT_EQ(beeps, 0);
}

TEST_F(NameCharactersTest, ANameInMixedScriptsKeepsItsLatin1LettersAndIsStoredAsTheirBytes) {
  FormNamePlayer* window = Open();
  for (unsigned c : {0x0411u, unsigned('n'), unsigned('i'), 0x0416u, unsigned('c'), unsigned('o'), unsigned('l'),
                     0xF2u, 0x6771u})
    SendMessageW(Box(window), WM_CHAR, c, 1);
  EXPECT_EQ(WindowText(Box(window)), L"NICOL\u00D2");
  EXPECT_EQ(beeps, 3);
  SendMessageW(Box(window), WM_CHAR, '\r', 1);
  Pump(20);
  EXPECT_EQ(PlayerName, "NICOL\xD2");
  EXPECT_FALSE(IsWindow(window->window));
}

TEST_F(NameCharactersTest, APasteKeepsOnlyTheStorableCharacters) {
  const struct {
    const wchar_t* clipboard;
    const wchar_t* shown;
    int beeps;
  } cases[] = {
      {L"nicol\u00F2", L"NICOL\u00D2", 0},
      {L"\u0416\u00E8\u0085" L"1\u6771", L"\u00C81", 1},
      {L"\u0411\u0416\u0415\u041D\u042F", L"", 1},
      // Line breaks are not name characters; the box stops at ten.
      {L"nicol\u00F2 \u0414\u043C\u0438\u0442\u0440\u0438\u0439 \u6771\u4EAC\r\n\u0141ukasz \u00FF", L"NICOL\u00D2  UK", 1},
  };
  for (const char* how : {"WM_PASTE", "Ctrl+V"}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(how));
      FormNamePlayer* window = Open();
      ASSERT_TRUE(PutOnClipboard(window->window, c.clipboard));
      beeps = 0;
      if (std::string(how) == "WM_PASTE") {
        SendMessageW(Box(window), WM_PASTE, 0, 0);
      } else {
        SendMessageW(Box(window), WM_CHAR, 0x16, 1);  // what Ctrl+V types
      }
      EXPECT_EQ(WindowText(Box(window)), c.shown);
      EXPECT_EQ(beeps, c.beeps);
      EXPECT_TRUE(IsWindow(window->window)) << "a pasted line break is not Enter";
      SendMessageW(window->window, WM_CLOSE, 0, 0);
    }
  }
}

TEST_F(NameCharactersTest, TextThatReachedTheBoxAnotherWayIsNotStored) {
  // As an input method's composed text would: straight into the control.
  FormNamePlayer* window = Open();
  SetWindowTextW(Box(window), L"\u0416ANNA\u0085");
  SendMessageW(Box(window), WM_CHAR, '\r', 1);
  Pump(20);
  EXPECT_EQ(PlayerName, "ANNA");

  FormNamePlayer* second = Open();
  SetWindowTextW(Box(second), L"\u6771\u4EAC");
  SendMessageW(Box(second), WM_CHAR, '\r', 1);
  Pump(20);
  EXPECT_EQ(PlayerName, "ANNA") << "nothing storable is no name";
  EXPECT_TRUE(IsWindow(second->window));
}

TEST(TextBoxWithoutFilter, TakesEveryCharacterAsBefore) {
  Tarvex::Form form(GetModuleHandleW(nullptr));
  form.Create();
  Tarvex::TextBox box(&form, "");
  box.Create();
  for (unsigned c : {0x0416u, 0x0085u, 0x00FFu}) SendMessageW(box.window, WM_CHAR, c, 1);
  EXPECT_EQ(WindowText(box.window), L"\u0416\u0085\u00FF");
  DestroyWindow(form.window);
}

}  // namespace
}  // namespace dialogs_test
