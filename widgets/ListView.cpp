#include "widgets/ListView.h"

#include <commctrl.h>

#include <utility>

#include "support/Text.h"
#include "widgets/CommonControls.h"
#include "widgets/StandardControl.h"

namespace Tarvex {

namespace {

int ColumnFormat(TextAlignment alignment) {
  if (alignment == AlignRight) return LVCFMT_RIGHT;
  if (alignment == AlignCenter) return LVCFMT_CENTER;
  return LVCFMT_LEFT;
}

}  // namespace

ListView::ListView(GUIElement* parentElement) : Child(nullptr) {
  parent = parentElement;
  typeName = "listview";
  width = 200;
  height = 100;
}

void ListView::AddColumn(const std::string& title, int columnWidth, TextAlignment alignment) {
  columns.push_back({title, columnWidth, alignment});
}

void ListView::Create() {
  if (created) return;
  InitCommonControlsOnDemand(ICC_LISTVIEW_CLASSES);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER;
  if (!enabled) style |= WS_DISABLED;
  CreateStandardControl(*this, WC_LISTVIEWW, style, WS_EX_CLIENTEDGE);
  created = true;
  if (window != nullptr) {
    SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      std::wstring title = ToWide(columns[i].title);
      LVCOLUMNW column = {};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
      column.fmt = ColumnFormat(columns[i].alignment);
      column.cx = columns[i].width;
      column.pszText = &title[0];
      column.iSubItem = static_cast<int>(i);
      SendMessageW(window, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
  }
  FinishStandardControl(*this);
  FillRows();
}

void ListView::SetRows(std::vector<std::vector<std::string>> newRows) {
  rows = std::move(newRows);
  FillRows();
}

void ListView::FillRows() {
  if (!created || window == nullptr) return;
  SendMessageW(window, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size() && c < columns.size(); ++c) {
      std::wstring text = ToWide(rows[r][c]);
      LVITEMW item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(r);
      item.iSubItem = static_cast<int>(c);
      item.pszText = &text[0];
      // The first column makes the row; the others fill it in.
      SendMessageW(window, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, c == 0 ? 0 : r,
                   reinterpret_cast<LPARAM>(&item));
    }
  }
}

int ListView::RowCount() {
  if (!created || window == nullptr) return 0;
  return static_cast<int>(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListView::CellText(int row, int column) {
  if (!created || window == nullptr) return std::string();
  wchar_t buffer[256] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(sizeof buffer / sizeof buffer[0]);
  SendMessageW(window, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return ToNarrow(buffer);
}

}  // namespace Tarvex
