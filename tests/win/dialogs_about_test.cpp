// The About window with real windows and messages under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs_fixture.h"
#include "resources/Product.h"
#include "support/Text.h"
#include "widgets/Button.h"
#include "widgets/CellControl.h"
#include "widgets/Drawing.h"
#include "widgets/FormAbout.h"
#include "widgets/GdiCount.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/PanelChildren.h"
#include "widgets/TextBox.h"
#include "widgets/WindowProc.h"

namespace dialogs_test {
namespace {

using Tarvex::FormAbout;

const std::string WebAddress = std::string("http://www.") + ZORVIK_WEB_HOST;

// Where the pixels of one colour lie in a window's client area, read back
// from the screen after the window has painted.
struct ColourExtent {
  int count = 0;
  int left = 1 << 20;
  int right = -1;
};

ColourExtent FindColour(HWND window, COLORREF colour) {
  UpdateWindow(window);
  const SIZE size = ClientSize(window);
  BITMAPINFO info = Tarvex::TopDown32BitInfo(size.cx, size.cy);
  void* bits = nullptr;
  HDC windowDC = GetDC(window);
  HBITMAP copy = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memoryDC = CreateCompatibleDC(windowDC);
  HGDIOBJ previous = SelectObject(memoryDC, copy);
  BitBlt(memoryDC, 0, 0, size.cx, size.cy, windowDC, 0, 0, SRCCOPY);
  GdiFlush();

  ColourExtent extent;
  const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) {
      if ((pixels[y * size.cx + x] & 0xFFFFFF) != wanted) continue;
      ++extent.count;
      if (x < extent.left) extent.left = x;
      if (x > extent.right) extent.right = x;
    }
  }
  SelectObject(memoryDC, previous);
  DeleteDC(memoryDC);
  DeleteObject(copy);
  ReleaseDC(window, windowDC);
  return extent;
}

class AboutWindowTest : public DialogTest {
 protected:
  // Constructed, filled in, created and shown as the game's "Info" does.
  FormAbout* Construct() { return Keep(new FormAbout(owner)); }

  FormAbout* Open(bool showAfterCreate = true) {
    FormAbout* about = Construct();
    about->logoResource = 1006;  // not in this executable: the frame stays empty
    about->logoWidth = 164;
    about->logoHeight = 50;
    about->titleText = std::string(ZORVIK_PRODUCT_NAME) + " " + ZORVIK_VERSION_TEXT;
    about->copyrightText = ZORVIK_COPYRIGHT;
    about->noticeText = ZORVIK_FREEWARE_NOTICE;
    about->webAddress = WebAddress;
    if (!about->created) about->Create();
    if (showAfterCreate) {
      ShowWindow(about->window, SW_SHOWNA);
      about->visible = true;
    }
    Pump(50);
    return about;
  }

  void ExpectClosed(FormAbout* about) {
    EXPECT_FALSE(IsWindow(about->window));
    EXPECT_FALSE(about->created);
    EXPECT_TRUE(OwnerEnabled());
    EXPECT_EQ(owner->modalChild, nullptr);
  }
};

TEST_F(AboutWindowTest, ConstructionAloneDisablesTheOwner) {
  FormAbout* about = Construct();
  EXPECT_EQ(about->window, nullptr);
  EXPECT_FALSE(about->created);
  EXPECT_FALSE(OwnerEnabled());
  EXPECT_EQ(owner->modalChild, about);
  // Centred on the screen for its 600 x 300 size.
  EXPECT_EQ(about->x, (GetSystemMetrics(SM_CXSCREEN) - 600) / 2);
  EXPECT_EQ(about->y, (GetSystemMetrics(SM_CYSCREEN) - 300) / 2);
}

TEST_F(AboutWindowTest, OpensAsAFixedDialogWithAClientAreaOf600By300) {
  // Creating it is enough; the opener's own ShowWindow changes nothing.
  for (bool showAfterCreate : {false, true}) {
    SCOPED_TRACE(showAfterCreate ? "shown by the opener" : "created only");
    FormAbout* about = Open(showAfterCreate);
    const SIZE client = ClientSize(about->window);
    EXPECT_EQ(client.cx, 600);
    EXPECT_EQ(client.cy, 300);
    SendMessageW(about->window, WM_CLOSE, 0, 0);
  }
  FormAbout* about = Open();
  EXPECT_EQ(WindowText(about->window), L"Info...");
  EXPECT_EQ(RequestedStyle(about->window), 0x10C80080u);
  EXPECT_EQ(RequestedExStyle(about->window), 0x81u);
  EXPECT_FALSE(OwnerEnabled());
  EXPECT_EQ(owner->modalChild, about);
}

TEST_F(AboutWindowTest, ShowsTheTextsItWasGiven) {
  FormAbout* about = Open();
  const struct {
    const char* name;
    HWND control;
    std::wstring text;
  } cases[] = {
      {"title", about->titleLabel->window, L"Zorvik 1.0.2.0"},
      {"copyright", about->copyrightLabel->window, Tarvex::ToWide(ZORVIK_COPYRIGHT)},
      {"web link", about->webLink->window, L"http://www.zorvikgiochi.it"},
      {"mail link", about->mailLink->window, L"info@zorvikgiochi.it"},
      {"notice", about->noticeBox->window, Tarvex::ToWide(ZORVIK_FREEWARE_NOTICE)},
      {"button", about->okButton->window, L"OK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WindowText(c.control), c.text);
  }
}

TEST_F(AboutWindowTest, NoticeIsThreeReadOnlyLinesWithAVerticalScrollBar) {
  FormAbout* about = Open();
  HWND box = about->noticeBox->window;
  EXPECT_EQ(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 3);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE));
  EXPECT_NE(style & ES_MULTILINE, 0u);
  EXPECT_NE(style & ES_READONLY, 0u);
  EXPECT_NE(style & WS_VSCROLL, 0u);
  // The notice is narrow ISO 8859-1 text: its accented letters arrive whole.
  EXPECT_NE(WindowText(box).find(L"\u00E8 gratuito"), std::wstring::npos);

  // Typing into it changes nothing.
  Type(box, "x");
  EXPECT_EQ(WindowText(box), Tarvex::ToWide(ZORVIK_FREEWARE_NOTICE));
}

TEST_F(AboutWindowTest, LaysItsControlsOutBesideTheLogoFrame) {
  FormAbout* about = Open();
  // The layout was made for the client area the window had when it was
  // created at 600 x 300 outer, before it was grown to a 600 x 300 client.
  RECT outer = {};
  GetWindowRect(about->window, &outer);
  const SIZE client = ClientSize(about->window);
  const int w = 600 - ((outer.right - outer.left) - client.cx);
  const int h = 300 - ((outer.bottom - outer.top) - client.cy);
  const int left = 164 + 45;
  const int textWidth = w - left - 10;
  ASSERT_EQ(left, 209);

  const struct {
    const char* name;
    HWND control;
    RECT rect;
  } cases[] = {
      {"logo frame", about->logoPanel->window, {10, 10, 10 + 184, 10 + h - 20}},
      {"logo", about->logoImage->window, {5, 5, 5 + 164, 5 + 50}},
      {"title", about->titleLabel->window, {left, 10, left + textWidth, 35}},
      {"copyright", about->copyrightLabel->window, {left, 35, left + textWidth, 60}},
      {"web link", about->webLink->window, {left, 55, left + 150, 77}},
      {"mail link", about->mailLink->window, {left + 160, 55, left + 310, 77}},
      {"notice", about->noticeBox->window, {left, 85, left + textWidth, 85 + h - 145}},
      {"OK", about->okButton->window, {left + textWidth / 2 - 40, h - 50, left + textWidth / 2 + 40, h - 25}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RECT actual = RectInParent(c.control);
    EXPECT_EQ(actual.left, c.rect.left);
    EXPECT_EQ(actual.top, c.rect.top);
    EXPECT_EQ(actual.right, c.rect.right);
    EXPECT_EQ(actual.bottom, c.rect.bottom);
  }
  EXPECT_EQ(GetParent(about->logoImage->window), about->logoPanel->window);
  EXPECT_NE(GetWindowLongPtrW(about->logoPanel->window, GWL_STYLE) & WS_BORDER, 0);
}

TEST_F(AboutWindowTest, EachControlHasItsOwnFontOrTheDefault) {
  FormAbout* about = Open();
  const auto fontOf = [](HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); };
  EXPECT_EQ(fontOf(about->titleLabel->window), about->titleFont.Handle());
  EXPECT_EQ(fontOf(about->copyrightLabel->window), about->windowFont.Handle());
  // The notice and the button keep the Windows default font.
  EXPECT_EQ(fontOf(about->noticeBox->window), nullptr);
  EXPECT_EQ(fontOf(about->okButton->window), nullptr);

  LOGFONTW title = {};
  ASSERT_NE(GetObjectW(about->titleFont.Handle(), sizeof title, &title), 0);
  EXPECT_EQ(std::wstring(title.lfFaceName), L"Arial");
  EXPECT_EQ(title.lfHeight, 16);
  EXPECT_EQ(title.lfWeight, FW_BOLD);
  LOGFONTW link = {};
  ASSERT_NE(GetObjectW(about->linkFont.Handle(), sizeof link, &link), 0);
  EXPECT_EQ(link.lfHeight, 16);
  EXPECT_TRUE(link.lfUnderline);
  EXPECT_EQ(link.lfWeight, FW_NORMAL);
}

TEST_F(AboutWindowTest, OkIsAStandardPushButtonWithTheFocus) {
  FormAbout* about = Open();
  EXPECT_EQ(GetFocus(), about->okButton->window);
  const DWORD type = static_cast<DWORD>(GetWindowLongPtrW(about->okButton->window, GWL_STYLE)) & BS_TYPEMASK;
  EXPECT_TRUE(type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) << type;
}

TEST_F(AboutWindowTest, LinksAreBlueLeftAlignedAndShowTheHand) {
  FormAbout* about = Open();
  for (Tarvex::CellControl* link : {about->webLink, about->mailLink}) {
    SCOPED_TRACE(Tarvex::ToNarrow(WindowText(link->window)));
    InvalidateRect(link->window, nullptr, TRUE);
    const ColourExtent blue = FindColour(link->window, RGB(0, 0, 255));
    EXPECT_GT(blue.count, 30);
    EXPECT_LT(blue.left, 4);
    EXPECT_LT(blue.right, 150);

    SendMessageW(link->window, WM_SETCURSOR, reinterpret_cast<WPARAM>(link->window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  }
}

TEST_F(AboutWindowTest, LinksOpenOnThePressOfTheLeftButton) {
  const struct {
    const char* name;
    bool mail;
    const char* opened;
  } cases[] = {
      {"web", false, "http://www.zorvikgiochi.it"},
      {"mail", true, "mailto:info@zorvikgiochi.it"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ShellRequests().clear();
    FormAbout* about = Open();
    HWND link = (c.mail ? about->mailLink : about->webLink)->window;
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    ASSERT_EQ(ShellRequests().size(), 1u);
    EXPECT_EQ(ShellRequests()[0], c.opened);
    // The release opens nothing more, and the window stays open.
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(ShellRequests().size(), 1u);
    EXPECT_TRUE(IsWindow(about->window));
    SendMessageW(about->window, WM_CLOSE, 0, 0);
  }
}

TEST_F(AboutWindowTest, MailLinkOpensTheAddressItShows) {
  FormAbout* about = Open();
  // Whatever the link shows when pressed is what the mail program gets.
  about->mailLink->SetText(std::string("posta@esempio.it"));
  SendMessageW(about->mailLink->window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(ShellRequests().size(), 1u);
  EXPECT_EQ(ShellRequests()[0], "mailto:posta@esempio.it");
}

TEST_F(AboutWindowTest, EnterAndEscapeCloseItFromAnywhere) {
  enum Target { Window, Notice, Ok, Logo, WebLink };
  const struct {
    const char* name;
    Target target;
    unsigned character;
    bool closes;
  } cases[] = {
      {"Escape in the notice", Notice, 27, true},   {"Enter in the notice", Notice, 13, true},
      {"Enter on OK", Ok, 13, true},                 {"Escape on OK", Ok, 27, true},
      {"Escape in the window", Window, 27, true},   {"Escape on the logo", Logo, 27, true},
      {"Enter on a link", WebLink, 13, true},       {"a letter on OK", Ok, 'a', false},
      {"a letter in the window", Window, 'q', false}, {"Tab in the notice", Notice, 9, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FormAbout* about = Open();
    HWND targets[] = {about->window, about->noticeBox->window, about->okButton->window, about->logoImage->window,
                      about->webLink->window};
    const LRESULT answer = SendMessageW(targets[c.target], WM_CHAR, c.character, 1);
    Pump(20);
    if (c.closes) {
      // Answered by the window procedure: the control never saw it.
      EXPECT_EQ(answer, 1);
      ExpectClosed(about);
    } else {
      EXPECT_TRUE(IsWindow(about->window));
      EXPECT_FALSE(OwnerEnabled());
      SendMessageW(about->window, WM_CLOSE, 0, 0);
    }
  }
}

TEST_F(AboutWindowTest, OkAndTheCloseBoxReleaseTheOwner) {
  for (bool byButton : {true, false}) {
    SCOPED_TRACE(byButton ? "OK" : "close box");
    FormAbout* about = Open();
    if (byButton) {
      SendMessageW(about->okButton->window, BM_CLICK, 0, 0);
    } else {
      SendMessageW(about->window, WM_CLOSE, 0, 0);
    }
    Pump(20);
    ExpectClosed(about);
    EXPECT_TRUE(about->destroyed);
  }
}

TEST_F(AboutWindowTest, OpeningAgainGivesAFreshWindow) {
  FormAbout* first = Open();
  SendMessageW(first->window, WM_CLOSE, 0, 0);
  FormAbout* second = Open();
  EXPECT_NE(second->window, first->window);
  EXPECT_TRUE(IsWindow(second->window));
  EXPECT_EQ(owner->modalChild, second);
  EXPECT_FALSE(OwnerEnabled());
  // The closed one still answers: its clicks do nothing to the new one.
  first->OnClick(first->okButton);
  EXPECT_TRUE(IsWindow(second->window));
  EXPECT_EQ(GetFocus(), second->okButton->window);
}

TEST_F(AboutWindowTest, DeletingReleasesWindowsFontsAndOwner) {
  const std::int64_t gdiBefore = Tarvex::GdiObjectsAlive();
  FormAbout* about = Open();
  for (Tarvex::CellControl* link : {about->webLink, about->mailLink}) {
    InvalidateRect(link->window, nullptr, TRUE);
    UpdateWindow(link->window);
  }
  HWND handle = about->window;
  const HFONT fonts[] = {about->titleFont.Handle(), about->linkFont.Handle(), about->windowFont.Handle()};
  dialogs.pop_back();
  delete about;  // still open
  // Checked at once, before any other font may take a freed handle.
  for (HFONT font : fonts) EXPECT_EQ(GetObjectType(font), 0u);
  Pump(20);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(OwnerEnabled());
  EXPECT_EQ(owner->modalChild, nullptr);
  EXPECT_EQ(Tarvex::GdiObjectsAlive(), gdiBefore);
}

}  // namespace
}  // namespace dialogs_test
