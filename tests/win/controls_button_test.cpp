#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls_fixture.h"
#include "widgets/Button.h"
#include "widgets/FontSpec.h"
#include "widgets/GdiCount.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Menu.h"
#include "widgets/PanelChildren.h"
#include "widgets/TextBox.h"
#include "widgets/Timer.h"

using controls_test::ControlsTest;
using controls_test::MakeBitmap;
using controls_test::Pump;
using controls_test::Repaint;
using controls_test::WindowPixel;
using controls_test::WriteBitmapFile;
using namespace Tarvex;

namespace {

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)); }

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

using StandardControlsTest = ControlsTest;

POINT pressedAt = {-1, -1};
void RecordPress(GUIElement*, HWND, int x, int y) { pressedAt = {x, y}; }

TEST_F(StandardControlsTest, ControlsAreSubclassedChildrenWithTheirIdentifier) {
  FontSpec font("Arial", 15);
  auto* label = Own(new Label(form, "Nome"));
  auto* button = Own(new Button(form, "OK"));
  auto* box = Own(new TextBox(form, "abc"));
  for (GUIElement* element : {static_cast<GUIElement*>(label), static_cast<GUIElement*>(button),
                              static_cast<GUIElement*>(box)}) {
    element->font = &font;
    element->tooltip = "suggerimento";
    element->Create();
    ASSERT_NE(element->window, nullptr) << element->typeName;
    EXPECT_TRUE(element->created);
    EXPECT_EQ(GetParent(element->window), form->window);
    EXPECT_EQ(GetDlgCtrlID(element->window), element->id);
    // Subclassed: the control's own messages reach the element.
    EXPECT_NE(element->previousWindowProc, nullptr);
    pressedAt = {-1, -1};
    element->leftButtonDownCallback = RecordPress;
    SendMessageW(element->window, WM_LBUTTONDOWN, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(pressedAt.x, 3) << element->typeName;
    EXPECT_EQ(pressedAt.y, 4) << element->typeName;
    element->leftButtonDownCallback = nullptr;
    EXPECT_EQ(FindByWindow(element->window), element);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(element->window, WM_GETFONT, 0, 0)), font.Handle());
    EXPECT_NE(element->tooltipWindow, nullptr);
  }
  EXPECT_EQ(ClassOf(label->window), L"Static");
  EXPECT_EQ(ClassOf(button->window), L"Button");
  EXPECT_EQ(ClassOf(box->window), L"Edit");
  EXPECT_EQ(label->GetText(), L"Nome");
  EXPECT_EQ(button->GetText(), L"OK");
  EXPECT_EQ(box->GetText(), L"abc");
  EXPECT_EQ(SIZE({80, 30}).cx, label->GetSize().cx);
  EXPECT_EQ(button->GetSize().cy, 30);
}

TEST_F(StandardControlsTest, IdentifiersRunOnAcrossControlsMenuItemsAndTimersInCreationOrder) {
  auto* button = Own(new Button(form, "A"));
  auto* label = Own(new Label(form, "B"));
  auto* timer = Own(new Timer(form, 1000));
  auto* box = Own(new TextBox(form, ""));
  auto* panel = Own(new PanelChildren(form));
  auto* image = Own(new Image(form, 0));
  button->Create();
  const std::int32_t first = button->id;
  label->Create();
  auto* item = Own(new SubMenu(nullptr, "&Esci"));  // takes its identifier when constructed
  timer->Start();
  box->Create();
  panel->Create();
  image->Create();
  button->Create();  // a second Create takes nothing
  label->Create();
  EXPECT_EQ(label->id, first + 1);
  EXPECT_EQ(item->id, first + 2);
  EXPECT_EQ(timer->id, first + 3);
  EXPECT_EQ(box->id, first + 4);
  EXPECT_EQ(panel->id, first + 5);
  EXPECT_EQ(image->id, first + 6);
  EXPECT_EQ(nextId, first + 6);
  EXPECT_EQ(button->id, first);
  timer->Stop();
}

TEST_F(StandardControlsTest, StylesFollowTheOptions) {
  struct LabelCase {
    bool right, centre, bordered, enabled;
    DWORD alignment;
  };
  for (const LabelCase c : {LabelCase{false, false, false, true, SS_LEFT}, LabelCase{true, false, false, true, SS_RIGHT},
                            LabelCase{false, true, true, true, SS_CENTER}, LabelCase{true, true, false, false, SS_RIGHT}}) {
    auto* label = Own(new Label(form, "x"));
    label->alignRight = c.right;
    label->alignCenter = c.centre;
    label->bordered = c.bordered;
    label->enabled = c.enabled;
    label->Create();
    const DWORD style = StyleOf(label->window);
    EXPECT_EQ(style & SS_TYPEMASK, c.alignment) << c.right << c.centre;
    EXPECT_EQ((style & WS_BORDER) != 0, c.bordered);
    EXPECT_EQ((ExStyleOf(label->window) & WS_EX_CLIENTEDGE) != 0, c.bordered);
    EXPECT_EQ((style & WS_DISABLED) != 0, !c.enabled);
    EXPECT_NE(style & SS_NOTIFY, 0u);
  }
  for (const bool ownerDrawn : {false, true}) {
    auto* button = Own(new Button(form, "x"));
    button->ownerDrawn = ownerDrawn;
    button->Create();
    EXPECT_EQ((StyleOf(button->window) & BS_TYPEMASK) == BS_OWNERDRAW, ownerDrawn);
    EXPECT_NE(StyleOf(button->window) & WS_TABSTOP, 0u);
  }
}

TEST_F(StandardControlsTest, ButtonClickReachesItsCommand) {
  static GUIElement* clicked = nullptr;
  auto* button = Own(new Button(form, "GIOCA"));
  button->commandCallback = [](GUIElement* element) { clicked = element; };
  button->Create();
  clicked = nullptr;
  SendMessageW(button->window, BM_CLICK, 0, 0);
  EXPECT_EQ(clicked, button);
}

// Owner-drawn buttons ----------------------------------------------------

constexpr COLORREF Ink = RGB(250, 240, 0);
constexpr COLORREF Paper = RGB(0, 0, 128);

// The parent answers its buttons' colour requests as the game's main window does.
class ColourForm : public Form {
 public:
  ColourForm() : Form(GetModuleHandleW(nullptr)) {}
  ~ColourForm() override { DeleteObject(brush); }
  HBRUSH HandleControlColor(HDC dc) override {
    SetTextColor(dc, Ink);
    SetBkColor(dc, Paper);
    return brush;
  }
  HBRUSH brush = CreateSolidBrush(Paper);
};

class OwnerDrawnTest : public ControlsTest {
 protected:
  void SetUp() override { form = MakeForm(new ColourForm()); }

  Button* MakeButton() {
    auto* button = Own(new Button(form, "GIOCA"));
    button->ownerDrawn = true;
    button->x = 20;
    button->y = 20;
    button->width = 120;
    button->height = 40;
    button->Create();
    Pump(30);
    Repaint(button->window);
    return button;
  }

  // Pixels of one colour inside the outline.
  static controls_test::Canvas::Extent Inside(HWND window, COLORREF color) {
    controls_test::Canvas::Extent extent;
    HDC dc = GetDC(window);
    for (int y = 1; y < 39; ++y)
      for (int x = 1; x < 119; ++x) {
        if (GetPixel(dc, x, y) != color) continue;
        ++extent.count;
        extent.left = std::min(extent.left, x);
        extent.right = std::max(extent.right, x);
      }
    ReleaseDC(window, dc);
    return extent;
  }
};

TEST_F(OwnerDrawnTest, PaintsWithTheParentsColoursAndCentresItsText) {
  Button* button = MakeButton();
  EXPECT_EQ(WindowPixel(button->window, 4, 4), Paper);
  EXPECT_EQ(WindowPixel(button->window, 115, 35), Paper);
  for (const POINT p : {POINT{0, 0}, POINT{119, 0}, POINT{0, 39}, POINT{119, 39}, POINT{60, 39}})
    EXPECT_EQ(WindowPixel(button->window, p.x, p.y), Ink) << p.x << "," << p.y;
  const auto text = Inside(button->window, Ink);
  ASSERT_GT(text.count, 0);
  EXPECT_NEAR((text.left + text.right) / 2.0, 60.0, 3.0);
}

TEST_F(OwnerDrawnTest, PressedOutlineIsTheInverseOfTheTextColour) {
  Button* button = MakeButton();
  SendMessageW(button->window, BM_SETSTATE, TRUE, 0);
  Pump(30);
  EXPECT_EQ(WindowPixel(button->window, 0, 0), RGB(5, 15, 255));
  EXPECT_EQ(WindowPixel(button->window, 119, 39), RGB(5, 15, 255));
  EXPECT_GT(Inside(button->window, Ink).count, 0) << "the text keeps its colour";
  SendMessageW(button->window, BM_SETSTATE, FALSE, 0);
  Pump(30);
  EXPECT_EQ(WindowPixel(button->window, 0, 0), Ink);
}

TEST_F(OwnerDrawnTest, DisabledButtonIsGrey) {
  Button* button = MakeButton();
  button->SetEnabled(false);
  Pump(30);
  Repaint(button->window);
  EXPECT_EQ(WindowPixel(button->window, 0, 0), RGB(105, 105, 105));
  EXPECT_EQ(WindowPixel(button->window, 4, 4), Paper);
  EXPECT_GT(Inside(button->window, RGB(150, 150, 150)).count, 0);
  EXPECT_EQ(Inside(button->window, Ink).count, 0);
}

TEST_F(OwnerDrawnTest, PictureShowsTheBackgroundThroughBlackAndMovesTheTextAside) {
  // Enabled: blue with a black first column; disabled: green.
  HBITMAP enabledPicture = MakeBitmap(10, 10, [](int x, int) { return x == 0 ? RGB(0, 0, 0) : RGB(0, 0, 230); });
  HBITMAP disabledPicture = MakeBitmap(10, 10, [](int, int) { return RGB(0, 200, 0); });
  Button* button = MakeButton();
  button->pictureEnabled = enabledPicture;
  button->pictureDisabled = disabledPicture;
  Repaint(button->window);
  EXPECT_EQ(WindowPixel(button->window, 5, 15), Paper);
  EXPECT_EQ(WindowPixel(button->window, 6, 15), RGB(0, 0, 230));
  EXPECT_EQ(WindowPixel(button->window, 14, 24), RGB(0, 0, 230));
  EXPECT_EQ(WindowPixel(button->window, 14, 25), Paper);
  const auto text = Inside(button->window, Ink);
  ASSERT_GT(text.count, 0);
  // The text box starts at the picture's width plus 8, left-aligned.
  EXPECT_GE(text.left, 10 + 8);
  EXPECT_LE(text.left, 10 + 8 + 3);

  button->SetEnabled(false);
  Pump(30);
  Repaint(button->window);
  EXPECT_EQ(WindowPixel(button->window, 6, 15), RGB(0, 200, 0));
  DeleteObject(enabledPicture);
  DeleteObject(disabledPicture);
}

// Images -----------------------------------------------------------------

using ImageTest = ControlsTest;

HBITMAP Shown(Image* image) {
  return reinterpret_cast<HBITMAP>(SendMessageW(image->window, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST_F(ImageTest, ShowsAFilePictureAndOwnsIt) {
  const std::string first = WriteBitmapFile("controls_image_a.bmp", 6, 4, RGB(200, 10, 10));
  const std::string second = WriteBitmapFile("controls_image_b.bmp", 8, 8, RGB(10, 10, 200));
  const auto alive = GdiObjectsAlive();
  auto* image = new Image(form, -1);
  image->picturePath = first;
  image->x = 10;
  image->y = 10;
  image->Create();
  ASSERT_NE(image->bitmap, nullptr);
  EXPECT_EQ(Shown(image), image->bitmap);
  EXPECT_NE(StyleOf(image->window) & SS_BITMAP, 0u);
  Pump(30);
  Repaint(image->window);
  EXPECT_EQ(WindowPixel(image->window, 2, 2), RGB(200, 10, 10));
  EXPECT_EQ(GdiObjectsAlive(), alive + 1);

  HBITMAP old = image->bitmap;
  image->SetPictureFile(second);
  EXPECT_NE(image->bitmap, old);
  EXPECT_EQ(Shown(image), image->bitmap);
  EXPECT_EQ(GetObjectType(old), 0u) << "the replaced picture is freed";
  EXPECT_EQ(GdiObjectsAlive(), alive + 1);

  // An empty path keeps the picture on screen but forgets the resource.
  image->pictureResource = 5;
  HBITMAP current = image->bitmap;
  image->SetPictureFile("");
  EXPECT_EQ(image->bitmap, current);
  EXPECT_EQ(Shown(image), current);
  EXPECT_EQ(image->pictureResource, -1);

  // A picture that cannot be loaded leaves none, also on screen.
  image->SetPictureResource(4242);
  EXPECT_EQ(image->bitmap, nullptr);
  EXPECT_EQ(Shown(image), nullptr);
  EXPECT_TRUE(image->picturePath.empty());
  EXPECT_EQ(GdiObjectsAlive(), alive);

  image->SetPictureFile(first);
  EXPECT_EQ(GdiObjectsAlive(), alive + 1);
  delete image;
  EXPECT_EQ(GdiObjectsAlive(), alive);
  DeleteFileA(first.c_str());
  DeleteFileA(second.c_str());
}

TEST_F(ImageTest, NoPictureForResourceZeroOrNegative) {
  const std::string path = WriteBitmapFile("controls_image_c.bmp", 4, 4, RGB(1, 2, 3));
  for (const int resource : {0, -5}) {
    auto* image = Own(new Image(form, resource));
    image->picturePath = path;  // not used: a resource was named
    image->Create();
    EXPECT_TRUE(image->created);
    EXPECT_EQ(image->bitmap, nullptr) << resource;
    EXPECT_EQ(Shown(image), nullptr);
  }
  DeleteFileA(path.c_str());
}

TEST_F(ImageTest, BeforeCreationOnlyStores) {
  auto* image = Own(new Image(form, 7));
  image->SetPictureFile("C:\\nowhere.bmp");
  EXPECT_EQ(image->pictureResource, -1);
  EXPECT_EQ(image->picturePath, "C:\\nowhere.bmp");
  EXPECT_EQ(image->bitmap, nullptr);
  image->SetPictureResource(9);
  EXPECT_EQ(image->pictureResource, 9);
  EXPECT_TRUE(image->picturePath.empty());
  EXPECT_EQ(image->typeName, "image");
  EXPECT_EQ(image->width, 100);
  EXPECT_EQ(image->height, 50);
}

}  // namespace
