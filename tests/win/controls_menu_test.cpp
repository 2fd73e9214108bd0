#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls_fixture.h"
#include "widgets/Label.h"
#include "widgets/Menu.h"

using controls_test::ControlsTest;
using controls_test::Pump;
using namespace Tarvex;

namespace {

std::wstring EntryText(HMENU menu, int position) {
  wchar_t buffer[64] = {};
  GetMenuStringW(menu, position, buffer, 64, MF_BYPOSITION);
  return buffer;
}

std::vector<std::wstring> Entries(HMENU menu) {
  std::vector<std::wstring> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) texts.push_back(EntryText(menu, i));
  return texts;
}

std::vector<GUIElement*> picked;
bool markSeenAtPick = false;
void RecordPick(GUIElement* element) {
  picked.push_back(element);
  markSeenAtPick = static_cast<SubMenu*>(element)->checkMark;
}

class MenuTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    picked.clear();
  }
  // The game's bar: "&File" with "&Esci", "&?" with "&Guida" and "&Home".
  void BuildGameBar() {
    bar = Own(new MenuBar(form));
    file = Own(new Menu(bar, "&File"));
    quit = Own(new SubMenu(file, "&Esci"));
    help = Own(new Menu(bar, "&?"));
    guide = Own(new SubMenu(help, "&Guida"));
    home = Own(new SubMenu(help, "&Home"));
  }
  void Pick(SubMenu* item) { SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(item->id, 0), 0); }

  MenuBar* bar = nullptr;
  Menu* file = nullptr;
  Menu* help = nullptr;
  SubMenu* quit = nullptr;
  SubMenu* guide = nullptr;
  SubMenu* home = nullptr;
};

TEST_F(MenuTest, BarShowsItsMenusAndItemsInConstructionOrder) {
  BuildGameBar();
  bar->Create();
  ASSERT_EQ(GetMenu(form->window), bar->menuHandle);
  EXPECT_EQ(Entries(bar->menuHandle), (std::vector<std::wstring>{L"&File", L"&?"}));
  EXPECT_EQ(GetSubMenu(bar->menuHandle, 0), file->menuHandle);
  EXPECT_EQ(GetSubMenu(bar->menuHandle, 1), help->menuHandle);
  EXPECT_EQ(Entries(file->menuHandle), (std::vector<std::wstring>{L"&Esci"}));
  EXPECT_EQ(Entries(help->menuHandle), (std::vector<std::wstring>{L"&Guida", L"&Home"}));
  EXPECT_EQ(GetMenuItemID(help->menuHandle, 1), static_cast<UINT>(home->id));
  EXPECT_EQ(guide->id, quit->id + 1);
  EXPECT_EQ(home->id, quit->id + 2);
  EXPECT_EQ(bar->id, 0) << "only items take identifiers";
  EXPECT_EQ(file->id, 0);
  EXPECT_EQ(reinterpret_cast<HMENU>(bar->window), bar->menuHandle);
  EXPECT_EQ(reinterpret_cast<HMENU>(file->window), file->menuHandle);
  EXPECT_EQ(quit->window, nullptr);
  EXPECT_EQ(quit->OwnerMenu(), file->menuHandle);
  EXPECT_EQ(home->typeName, "submenu");
}

TEST_F(MenuTest, ItemIdentifiersInterleaveWithControlsInConstructionOrder) {
  auto* bar2 = Own(new MenuBar(form));
  auto* menu = Own(new Menu(bar2, "&File"));
  auto* first = Own(new SubMenu(menu, "uno"));
  auto* label = Own(new Label(form, "in mezzo"));
  label->Create();
  auto* second = Own(new SubMenu(menu, "due"));
  bar2->Create();
  EXPECT_EQ(label->id, first->id + 1);
  EXPECT_EQ(second->id, first->id + 2);
  EXPECT_EQ(first->id, static_cast<std::int32_t>(GetMenuItemID(menu->menuHandle, 0)));
}

TEST_F(MenuTest, PickingAnItemCallsItsCommand) {
  BuildGameBar();
  home->commandCallback = RecordPick;
  bar->Create();
  Pick(home);
  ASSERT_EQ(picked.size(), 1u);
  EXPECT_EQ(picked[0], home);
  // An accelerator (code 1) and an unknown identifier are ignored.
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(home->id, 1), 0);
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(nextId + 50, 0), 0);
  EXPECT_EQ(picked.size(), 1u);
}

TEST_F(MenuTest, CheckableItemTogglesBeforeItsCommandRuns) {
  BuildGameBar();
  auto* sound = Own(new SubMenu(file, "&Suoni"));
  sound->checkable = true;
  sound->commandCallback = RecordPick;
  bar->Create();
  EXPECT_FALSE(sound->IsChecked());
  for (const bool expected : {true, false, true}) {
    Pick(sound);
    EXPECT_EQ(markSeenAtPick, expected);
    EXPECT_EQ(GetMenuState(file->menuHandle, sound->id, MF_BYCOMMAND) & MF_CHECKED, expected ? MF_CHECKED : 0u);
  }
  EXPECT_EQ(picked.size(), 3u);

  // A greyed item still reports its mark as it is shown.
  sound->SetEnabled(false);
  EXPECT_TRUE(sound->IsChecked());
}

TEST_F(MenuTest, CheckMarkNeedsCheckable) {
  BuildGameBar();
  auto* plain = Own(new SubMenu(file, "a"));
  plain->checkMark = true;
  auto* marked = Own(new SubMenu(file, "b"));
  marked->checkable = true;
  marked->checkMark = true;
  bar->Create();
  EXPECT_EQ(GetMenuState(file->menuHandle, plain->id, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(GetMenuState(file->menuHandle, marked->id, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  plain->ApplyCheck();
  EXPECT_EQ(GetMenuState(file->menuHandle, plain->id, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(MenuTest, ItemDisabledBeforeCreationIsGreyed) {
  BuildGameBar();
  guide->enabled = false;
  bar->Create();
  EXPECT_NE(GetMenuState(help->menuHandle, guide->id, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(GetMenuState(help->menuHandle, home->id, MF_BYCOMMAND) & MF_GRAYED, 0u);
  guide->SetEnabled(true);
  EXPECT_EQ(GetMenuState(help->menuHandle, guide->id, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(MenuTest, ItemWithItemsCascades) {
  BuildGameBar();
  auto* levels = Own(new SubMenu(file, "&Livelli"));
  levels->commandCallback = RecordPick;
  auto* easy = Own(new SubMenu(levels, "Facile"));
  auto* hard = Own(new SubMenu(levels, "Difficile"));
  easy->commandCallback = RecordPick;
  bar->Create();
  ASSERT_NE(levels->popupHandle, nullptr);
  EXPECT_EQ(GetSubMenu(file->menuHandle, 1), levels->popupHandle);
  EXPECT_EQ(Entries(levels->popupHandle), (std::vector<std::wstring>{L"Facile", L"Difficile"}));
  EXPECT_EQ(hard->OwnerMenu(), levels->popupHandle);
  // Windows opens a cascading entry instead of sending a command for it.
  EXPECT_EQ(GetMenuItemID(file->menuHandle, 1), static_cast<UINT>(-1));
  Pick(easy);
  EXPECT_EQ(picked, (std::vector<GUIElement*>{easy}));
  // Greying the cascading entry greys it in its menu.
  levels->SetEnabled(false);
  EXPECT_NE(GetMenuState(file->menuHandle, 1, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST_F(MenuTest, ElementsAddedToALiveBarAppendAtTheEnd) {
  BuildGameBar();
  bar->Create();
  HMENU barHandle = bar->menuHandle;
  auto* late = Own(new SubMenu(file, "&Nuovo"));
  EXPECT_TRUE(late->created);
  EXPECT_EQ(Entries(file->menuHandle), (std::vector<std::wstring>{L"&Esci", L"&Nuovo"}));
  auto* extra = Own(new Menu(bar, "&Extra"));
  EXPECT_TRUE(extra->created);
  EXPECT_EQ(Entries(bar->menuHandle), (std::vector<std::wstring>{L"&File", L"&?", L"&Extra"}));
  EXPECT_EQ(bar->menuHandle, barHandle) << "the bar is not rebuilt";
}

TEST_F(MenuTest, SeparatorAndUnattachedItems) {
  BuildGameBar();
  auto* separator = Own(new SubMenu(help, ""));
  separator->menuFlags = MF_SEPARATOR;
  auto* loose = Own(new SubMenu(form, "nessun menu"));
  auto* orphan = Own(new Menu(nullptr, "senza barra"));
  bar->Create();
  MENUITEMINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(help->menuHandle, 2, TRUE, &info);
  EXPECT_NE(info.fType & MFT_SEPARATOR, 0u);
  loose->Create();
  orphan->Create();
  EXPECT_FALSE(loose->created);
  EXPECT_FALSE(orphan->created);
  EXPECT_EQ(loose->OwnerMenu(), nullptr);
}

TEST_F(MenuTest, BarWaitsForItsFormsWindow) {
  Form* later = new Form(GetModuleHandleW(nullptr));
  auto* lateBar = Own(new MenuBar(later));
  auto* menu = Own(new Menu(lateBar, "&File"));
  lateBar->Create();
  EXPECT_FALSE(lateBar->created);
  EXPECT_FALSE(menu->created);
  delete later;
}

}  // namespace
