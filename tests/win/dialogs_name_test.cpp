// The name entry window with real windows and messages under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs_fixture.h"
#include "leaderboard/FormNamePlayer.h"
#include "widgets/Button.h"
#include "widgets/Label.h"
#include "widgets/TextBox.h"

namespace dialogs_test {
namespace {

using Tarvex::FormNamePlayer;
using Tarvex::PlayerName;

// What the creator's destroyedCallback saw, as the game's RecordScore would.
struct DestroyedRecord {
  int calls = 0;
  std::string nameSeen;
  bool ownerEnabledSeen = false;
};
DestroyedRecord destroyedRecord;

void RecordDestroyed(Tarvex::GUIElement* element) {
  auto* window = dynamic_cast<FormNamePlayer*>(element);
  ++destroyedRecord.calls;
  destroyedRecord.nameSeen = PlayerName;
  destroyedRecord.ownerEnabledSeen =
      window != nullptr && window->ownerForm != nullptr && IsWindowEnabled(window->ownerForm->window);
}

class NameWindowTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    destroyedRecord = DestroyedRecord();
    PlayerName = "PRIMA";
  }

  // Opened as the game opens it at game over.
  FormNamePlayer* Open() {
    auto* window = Keep(new FormNamePlayer(owner, GetModuleHandleW(nullptr), "Classifica"));
    window->destroyedCallback = RecordDestroyed;
    window->SetPrompt("Inserisci il tuo nome:");
    ShowWindow(window->window, SW_SHOWNA);
    Pump(30);
    return window;
  }

  void ExpectClosed(FormNamePlayer* window) {
    EXPECT_FALSE(IsWindow(window->window));
    EXPECT_FALSE(window->created);
    EXPECT_TRUE(OwnerEnabled());
    EXPECT_EQ(owner->modalChild, nullptr);
    EXPECT_EQ(destroyedRecord.calls, 1);
    EXPECT_TRUE(destroyedRecord.ownerEnabledSeen);
  }
};

enum class Confirm { EnterInBox, EnterInWindow, OkButton };

// The answer to the message that confirmed: for Enter, 1 when the window
// procedure kept the character from the control.
LRESULT ConfirmBy(FormNamePlayer* window, Confirm how) {
  switch (how) {
    case Confirm::EnterInBox:
      return SendMessageW(window->nameBox->window, WM_CHAR, '\r', 1);
    case Confirm::EnterInWindow:
      return SendMessageW(window->window, WM_CHAR, '\r', 1);
    case Confirm::OkButton:
      return SendMessageW(window->okButton->window, BM_CLICK, 0, 0);
  }
  return 0;
}

const char* Describe(Confirm how) {
  switch (how) {
    case Confirm::EnterInBox:
      return "Enter in the box";
    case Confirm::EnterInWindow:
      return "Enter in the window";
    case Confirm::OkButton:
      return "OK";
  }
  return "";
}

TEST_F(NameWindowTest, OpensAsAFixedDialogOverItsDisabledOwner) {
  FormNamePlayer* window = Open();

  RECT outer = {};
  GetWindowRect(window->window, &outer);
  EXPECT_EQ(outer.right - outer.left, 250);
  EXPECT_EQ(outer.bottom - outer.top, 150);
  EXPECT_EQ(WindowText(window->window), L"Classifica");
  EXPECT_EQ(RequestedStyle(window->window), 0x10C80000u);
  EXPECT_EQ(RequestedExStyle(window->window), 0x81u);
  EXPECT_FALSE(OwnerEnabled());
  EXPECT_EQ(owner->modalChild, window);
  EXPECT_EQ(GetFocus(), window->nameBox->window);
  EXPECT_EQ(WindowText(window->promptLabel->window), L"Inserisci il tuo nome:");
  EXPECT_EQ(WindowText(window->okButton->window), L"OK");
}

TEST_F(NameWindowTest, LaysItsControlsOutOnTheClientWidth) {
  FormNamePlayer* window = Open();
  const int w = ClientSize(window->window).cx;
  ASSERT_GT(w, 200);  // 250 outer minus a dialog frame

  struct Expected {
    const char* name;
    HWND control;
    RECT rect;
  };
  const Expected cases[] = {
      {"prompt", window->promptLabel->window, {5, 5, 5 + w - 10, 30}},
      {"name box", window->nameBox->window, {5, 35, 5 + w / 2 - 10, 60}},
      {"OK", window->okButton->window, {w / 2 + 5, 35, w / 2 + 85, 60}},
  };
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.name);
    const RECT actual = RectInParent(c.control);
    EXPECT_EQ(actual.left, c.rect.left);
    EXPECT_EQ(actual.top, c.rect.top);
    EXPECT_EQ(actual.right, c.rect.right);
    EXPECT_EQ(actual.bottom, c.rect.bottom);
  }
}

TEST_F(NameWindowTest, TypedLettersBecomeCapitalsAndStopAtTen) {
  const struct {
    const char* typed;
    const wchar_t* shown;
  } cases[] = {
      {"anna", L"ANNA"},
      {"Mario Rossi", L"MARIO ROSS"},
      {"abcdefghijk", L"ABCDEFGHIJ"},
      {"x1 y2", L"X1 Y2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    FormNamePlayer* window = Open();
    Type(window->nameBox->window, c.typed);
    EXPECT_EQ(WindowText(window->nameBox->window), c.shown);
    EXPECT_TRUE(IsWindow(window->window));
  }
}

TEST_F(NameWindowTest, EmptyNameIsIgnoredAndTheWindowStaysOpen) {
  for (Confirm how : {Confirm::EnterInBox, Confirm::EnterInWindow, Confirm::OkButton}) {
    SCOPED_TRACE(Describe(how));
    FormNamePlayer* window = Open();
    const LRESULT answer = ConfirmBy(window, how);
    // The Enter never reaches the text box, even when there is no name.
    if (how != Confirm::OkButton) {
      EXPECT_EQ(answer, 1);
    }
    Pump(20);
    EXPECT_TRUE(IsWindow(window->window));
    EXPECT_TRUE(window->created);
    EXPECT_EQ(PlayerName, "PRIMA");
    EXPECT_FALSE(OwnerEnabled());
    EXPECT_EQ(owner->modalChild, window);
    EXPECT_EQ(destroyedRecord.calls, 0);
    EXPECT_EQ(WindowText(window->nameBox->window), L"");
  }
}

TEST_F(NameWindowTest, ConfirmedNameIsStoredBeforeTheWindowIsDestroyed) {
  const struct {
    const char* typed;
    Confirm how;
    const char* stored;
  } cases[] = {
      {"anna", Confirm::EnterInBox, "ANNA"},
      {"anna", Confirm::OkButton, "ANNA"},
      {"luca", Confirm::EnterInWindow, "LUCA"},
      {"   ", Confirm::EnterInBox, "   "},  // blanks are a name, kept as typed
      {" bo ", Confirm::OkButton, " BO "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("'") + c.typed + "' by " + Describe(c.how));
    PlayerName = "PRIMA";
    destroyedRecord = DestroyedRecord();
    FormNamePlayer* window = Open();
    Type(window->nameBox->window, c.typed);
    ConfirmBy(window, c.how);
    Pump(20);
    EXPECT_EQ(PlayerName, c.stored);
    EXPECT_EQ(destroyedRecord.nameSeen, c.stored);
    ExpectClosed(window);
  }
}

TEST_F(NameWindowTest, CloseRequestKeepsTheLastNameAndReleasesTheOwner) {
  FormNamePlayer* window = Open();
  Type(window->nameBox->window, "anna");
  EXPECT_EQ(SendMessageW(window->window, WM_CLOSE, 0, 0), 0);
  Pump(20);
  EXPECT_EQ(PlayerName, "PRIMA");
  EXPECT_EQ(destroyedRecord.nameSeen, "PRIMA");
  ExpectClosed(window);
}

TEST_F(NameWindowTest, SecondWindowAfterAConfirmationStartsEmpty) {
  FormNamePlayer* first = Open();
  Type(first->nameBox->window, "anna\r");
  ASSERT_EQ(PlayerName, "ANNA");

  FormNamePlayer* second = Open();
  EXPECT_NE(second->window, first->window);
  EXPECT_EQ(WindowText(second->nameBox->window), L"");
  EXPECT_FALSE(OwnerEnabled());
  EXPECT_EQ(owner->modalChild, second);
  // Closing without a name keeps the first one.
  SendMessageW(second->window, WM_CLOSE, 0, 0);
  EXPECT_EQ(PlayerName, "ANNA");
  EXPECT_TRUE(OwnerEnabled());
}

TEST_F(NameWindowTest, DeletingAnOpenWindowGivesTheOwnerItsInputBack) {
  FormNamePlayer* window = Open();
  HWND handle = window->window;
  HWND box = window->nameBox->window;
  dialogs.pop_back();
  delete window;
  Pump(20);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_FALSE(IsWindow(box));
  EXPECT_TRUE(OwnerEnabled());
  EXPECT_EQ(owner->modalChild, nullptr);
  // The creator is not called back for an object it is deleting itself.
  EXPECT_EQ(destroyedRecord.calls, 0);
}

}  // namespace
}  // namespace dialogs_test
