#pragma once
// A table: the common controls' list view in report view, with a header of
// column titles and rows of plain texts. It only shows; nothing is edited.
#include <string>
#include <vector>

#include "widgets/Child.h"
#include "widgets/Drawing.h"

namespace Tarvex {

class ListView : public Child {
 public:
  explicit ListView(GUIElement* parentElement);
  void Create() override;

  // Columns are set before Create; rows at any time (they replace the old).
  void AddColumn(const std::string& title, int columnWidth, TextAlignment alignment);
  void SetRows(std::vector<std::vector<std::string>> newRows);

  // Read back from the control once it exists.
  int RowCount();
  std::string CellText(int row, int column);

  struct Column {
    std::string title;
    int width;
    TextAlignment alignment;
  };
  std::vector<Column> columns;
  std::vector<std::vector<std::string>> rows;

 private:
  void FillRows();
};

}  // namespace Tarvex
