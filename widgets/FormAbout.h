#pragma once
// The information window: logo, product name and version, copyright line,
// web and mail links, a read-only notice and "OK". While it is open its
// owner form is disabled.
#include <string>

#include "widgets/FontSpec.h"
#include "widgets/Form.h"

namespace Tarvex {

class Button;
class CellControl;
class Image;
class Label;
class PanelChildren;
class TextBox;

class FormAbout : public Form {
 public:
  // Builds the window object only; the opener fills in the texts and the
  // logo, then creates and shows it.
  explicit FormAbout(Form* owner);
  ~FormAbout() override;  // deletes every element and font it made

  // Creates and shows the window and gives it its 600 x 300 client area.
  void Create() override;
  void HandleShown() override;
  // A closed window's object lives on: once its window is gone it counts as
  // not created, so setters stop reaching for the old handle.
  void HandleDestroyed() override;

  virtual void CreateChildren();
  virtual bool OnClosing();
  virtual void OnResize();
  virtual bool OnChar(unsigned character);
  virtual void OnKeyDown(unsigned key);
  virtual void OnKeyUp(unsigned key);
  virtual void OnClick(GUIElement* element);
  virtual void OnLinkClick(GUIElement* element, int x, int y);

  Form* owner = nullptr;  // not owned
  FontSpec titleFont;
  FontSpec linkFont;
  FontSpec windowFont;  // the window's own font
  Image* logoImage = nullptr;
  Label* titleLabel = nullptr;
  Label* copyrightLabel = nullptr;
  PanelChildren* logoPanel = nullptr;
  TextBox* noticeBox = nullptr;
  Button* okButton = nullptr;
  CellControl* webLink = nullptr;
  CellControl* mailLink = nullptr;
  int logoResource = 0;
  int logoWidth = 0;
  int logoHeight = 0;
  std::string titleText;
  std::string copyrightText;
  std::string noticeText;
  std::string webAddress;
};

}  // namespace Tarvex
