#pragma once
// A help window: a read-only, scrollable text, a web link at its foot and
// "Chiudi". Escape or Enter close it too. While it is open its owner form
// is disabled.
#include <string>

#include "widgets/FontSpec.h"
#include "widgets/Form.h"

namespace Tarvex {

class Button;
class CellControl;
class TextBox;

class FormHelp : public Form {
 public:
  // Builds the window object only; the opener sets the caption, the text and
  // the address, then creates and shows it.
  explicit FormHelp(Form* owner);
  ~FormHelp() override;  // deletes every element it made

  // Creates and shows the window and gives it its client area.
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
  virtual void OnLinkClick(GUIElement* element);

  static constexpr int ClientWidth = 520;
  static constexpr int ClientHeight = 420;

  Form* owner = nullptr;  // not owned
  FontSpec windowFont;
  FontSpec linkFont;
  TextBox* textBox = nullptr;
  CellControl* webLink = nullptr;
  Button* closeButton = nullptr;
  std::string helpText;  // paragraphs joined by CR LF
  std::string webAddress;
};

}  // namespace Tarvex
