#include "widgets/Menu.h"

#include "support/Text.h"

namespace Tarvex {

namespace {

HWND AsWindowField(HMENU menu) { return reinterpret_cast<HWND>(menu); }

}  // namespace

MenuBar::MenuBar(GUIElement* form) : Child(nullptr) {
  parent = form;
  typeName = "menubar";
}

void MenuBar::Create() {
  if (parent == nullptr || parent->window == nullptr) return;
  menuHandle = CreateMenu();
  for (Menu* menu : items) menu->Create();
  SetMenu(parent->window, menuHandle);
  created = true;
  window = AsWindowField(menuHandle);
}

Menu::Menu(MenuBar* bar, const std::string& caption) : Child(nullptr) {
  parent = bar;
  typeName = "menu";
  text = ToWide(caption);
  if (bar == nullptr) return;
  bar->items.push_back(this);
  if (!bar->created) return;
  Create();
  // A title added to a bar already on screen shows only once the bar is redrawn.
  if (bar->parent != nullptr && bar->parent->window != nullptr) DrawMenuBar(bar->parent->window);
}

void Menu::Create() {
  if (created) return;
  MenuBar* bar = dynamic_cast<MenuBar*>(parent);
  if (bar == nullptr || bar->menuHandle == nullptr) return;
  menuHandle = CreateMenu();
  for (SubMenu* item : items) item->Create();
  AppendMenuW(bar->menuHandle, MF_POPUP, reinterpret_cast<UINT_PTR>(menuHandle), text.c_str());
  created = true;
  window = AsWindowField(menuHandle);
}

SubMenu::SubMenu(GUIElement* container, const std::string& caption) : Child(nullptr) {
  parent = container;
  typeName = "submenu";
  text = ToWide(caption);
  id = ++nextId;
  if (Menu* menu = dynamic_cast<Menu*>(container)) {
    menu->items.push_back(this);
    if (menu->created) Create();
  } else if (SubMenu* item = dynamic_cast<SubMenu*>(container)) {
    item->items.push_back(this);
    if (item->created) Create();
  }
}

HMENU SubMenu::OwnerMenu() const {
  if (const Menu* menu = dynamic_cast<const Menu*>(parent)) return menu->menuHandle;
  if (const SubMenu* item = dynamic_cast<const SubMenu*>(parent)) return item->popupHandle;
  return nullptr;
}

void SubMenu::Create() {
  if (created) return;
  HMENU owner = OwnerMenu();
  if (owner == nullptr) return;
  if (items.empty()) {
    AppendMenuW(owner, menuFlags, static_cast<UINT_PTR>(id), text.empty() ? nullptr : text.c_str());
    if (checkable) CheckMenuItem(owner, static_cast<UINT>(id), MF_BYCOMMAND | (checkMark ? MF_CHECKED : MF_UNCHECKED));
  } else {
    popupHandle = CreatePopupMenu();
    for (SubMenu* item : items) item->Create();
    AppendMenuW(owner, MF_POPUP, reinterpret_cast<UINT_PTR>(popupHandle), text.c_str());
  }
  created = true;
  window = AsWindowField(popupHandle);
  if (!enabled) SetEnabled(false);
}

void SubMenu::SetEnabled(bool on) {
  enabled = on;
  if (!created) return;
  HMENU owner = OwnerMenu();
  if (owner == nullptr) return;
  // A cascading entry is known to its menu by its pop-up's handle, not by
  // the identifier, which only plain items carry.
  const UINT entry = popupHandle != nullptr ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(popupHandle))
                                            : static_cast<UINT>(id);
  EnableMenuItem(owner, entry, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

bool SubMenu::IsChecked() {
  HMENU owner = OwnerMenu();
  if (!created || owner == nullptr) return checkMark;
  const UINT state = GetMenuState(owner, static_cast<UINT>(id), MF_BYCOMMAND);
  // The state also carries the greyed and highlighted bits: only the check
  // bit says whether the mark is shown.
  if (state == static_cast<UINT>(-1)) return checkMark;
  checkMark = (state & MF_CHECKED) != 0;
  return checkMark;
}

void SubMenu::ApplyCheck() {
  HMENU owner = OwnerMenu();
  if (owner == nullptr) return;
  CheckMenuItem(owner, static_cast<UINT>(id), MF_BYCOMMAND | (checkMark && checkable ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace Tarvex
