#pragma once
// A window's menu as a tree of elements: the bar, its drop-down menus and
// their items. Only items take identifiers, when they are constructed.
#include <string>
#include <vector>

#include "widgets/Child.h"

namespace Tarvex {

class Menu;
class SubMenu;

class MenuBar : public Child {
 public:
  explicit MenuBar(GUIElement* form);
  void Create() override;

  std::vector<Menu*> items;  // not owned
  HMENU menuHandle = nullptr;
};

class Menu : public Child {
 public:
  Menu(MenuBar* bar, const std::string& caption);
  void Create() override;

  std::vector<SubMenu*> items;  // not owned
  HMENU menuHandle = nullptr;
};

class SubMenu : public Child, public CommandElement {
 public:
  SubMenu(GUIElement* container, const std::string& caption);
  void Create() override;
  void SetEnabled(bool on) override;

  bool IsChecked();
  void ApplyCheck();
  // The Windows menu this item is an entry of, or null while unattached.
  HMENU OwnerMenu() const;

  std::vector<SubMenu*> items;  // not owned
  HMENU popupHandle = nullptr;
  UINT menuFlags = MF_STRING;
  bool checkable = false;
  bool checkMark = false;
};

}  // namespace Tarvex
