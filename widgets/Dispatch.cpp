#include "widgets/Dispatch.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/Text.h"
#include "widgets/Button.h"
#include "widgets/Menu.h"
#include "widgets/PanelChildren.h"
#include "widgets/WindowProc.h"

namespace Tarvex {

namespace {

// Tooltip text handed to a tooltip control by TTN_GETDISPINFOW: the control
// reads it after the window procedure has returned, so it lives here, and
// each request overwrites the last.
constexpr std::size_t kToolbarTipLength = 2024;
wchar_t toolbarTipText[kToolbarTipLength] = {};

// The element that owns a control which reported to its parent. The
// registry's stand-in for a window still being created does not apply: a
// report from a control no element owns is left to default processing.
GUIElement* OwnerOfControl(HWND control) {
  if (control == nullptr) return nullptr;
  GUIElement* element = FindByWindow(control);
  return element != nullptr && element->window == control ? element : nullptr;
}

void PickMenuItem(std::int32_t identifier) {
  SubMenu* item = dynamic_cast<SubMenu*>(FindSubMenuById(identifier));
  if (item == nullptr) return;
  if (item->checkable) {
    item->checkMark = !item->IsChecked();
    if (item->created) item->ApplyCheck();
  }
  if (item->commandCallback != nullptr) item->commandCallback(item);
}

void RunToolbarItem(std::int32_t identifier) {
  GUIElement* item = FindById(identifier);
  CommandElement* command = dynamic_cast<CommandElement*>(item);
  if (command != nullptr && command->commandCallback != nullptr) command->commandCallback(item);
}

void SupplyToolbarTip(const NMHDR& header, LPARAM lParam) {
  GUIElement* item = FindById(static_cast<std::int32_t>(header.idFrom));
  if (item == nullptr || item->typeName != "toolbaritem" || item->tooltip.empty()) return;
  const std::wstring wide = ToWide(item->tooltip);
  const std::size_t length = std::min(wide.size(), kToolbarTipLength - 1);
  std::copy(wide.begin(), wide.begin() + static_cast<std::ptrdiff_t>(length), toolbarTipText);
  toolbarTipText[length] = L'\0';
  reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = toolbarTipText;
}

}  // namespace

bool DispatchCommand(GUIElement*, WPARAM wParam, LPARAM lParam, LRESULT*) {
  const unsigned code = HIWORD(wParam);
  const std::int32_t identifier = LOWORD(wParam);
  if (lParam == 0) {
    // Code 0 is a menu pick; 1 an accelerator, which nothing here uses.
    if (code == 0) PickMenuItem(identifier);
    return false;
  }
  GUIElement* element = OwnerOfControl(reinterpret_cast<HWND>(lParam));
  if (element == nullptr) return false;
  if (CommandElement* command = dynamic_cast<CommandElement*>(element)) {
    // Every notification of a button reaches its command, whatever the code.
    if (command->commandCallback != nullptr) command->commandCallback(element);
  } else if (element->typeName == "toolbar") {
    RunToolbarItem(identifier);
  }
  return false;
}

bool DispatchNotify(GUIElement*, LPARAM lParam, LRESULT*) {
  if (lParam == 0) return false;
  const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
  switch (static_cast<int>(header.code)) {
    case static_cast<int>(TTN_GETDISPINFOW):
      SupplyToolbarTip(header, lParam);
      break;
    case static_cast<int>(HDN_ITEMCHANGEDW): {
      GUIElement* element = OwnerOfControl(header.hwndFrom);
      const NMHEADERW& change = *reinterpret_cast<const NMHEADERW*>(lParam);
      if (element != nullptr && change.pitem != nullptr)
        element->HandleListNotify(1, {change.iItem, change.pitem->cxy}, {});
      break;
    }
    case static_cast<int>(HDN_ITEMCLICKW): {
      GUIElement* element = OwnerOfControl(header.hwndFrom);
      const NMHEADERW& click = *reinterpret_cast<const NMHEADERW*>(lParam);
      if (element != nullptr) element->HandleListNotify(2, {click.iItem}, {});
      break;
    }
    case static_cast<int>(NM_RCLICK): {
      GUIElement* element = OwnerOfControl(header.hwndFrom);
      if (element != nullptr) element->HandleListNotify(3, {}, {});
      break;
    }
    default:
      break;
  }
  return false;
}

bool DispatchDrawItem(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (lParam == 0) return false;
  const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  Button* button = dynamic_cast<Button*>(FindById(static_cast<std::int32_t>(wParam)));
  if (button == nullptr || item.CtlType != ODT_BUTTON) return false;
  button->PaintOwnerDrawn(item);
  *result = TRUE;
  return true;
}

bool DispatchScroll(GUIElement* element, HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  GUIElement* target = element;
  // A trackbar's end-of-drag comes from the control itself, not a window bar.
  if (lParam != 0 && LOWORD(wParam) == SB_ENDSCROLL) target = OwnerOfControl(reinterpret_cast<HWND>(lParam));
  if (target == nullptr) return false;

  if (target->typeName == "slider" && target->changedCallback != nullptr) target->changedCallback(target);

  PanelChildren* panel = dynamic_cast<PanelChildren*>(target);
  if (panel == nullptr) return false;
  const bool vertical = message == WM_VSCROLL;
  if (!(vertical ? panel->verticalScroll : panel->horizontalScroll)) return false;
  panel->HandleScrollRequest(vertical ? SB_VERT : SB_HORZ, wParam);
  if (vertical) wheelPanel = panel;
  *result = 0;
  return true;
}

bool DispatchWheel(GUIElement* element, WPARAM wParam, LRESULT* result) {
  PanelChildren* panel = dynamic_cast<PanelChildren*>(element);
  if (panel == nullptr) panel = wheelPanel;
  if (panel == nullptr || !panel->verticalScroll) return false;
  panel->HandleWheel(GET_WHEEL_DELTA_WPARAM(wParam));
  *result = 0;
  return true;
}

}  // namespace Tarvex
