#pragma once
// The small window that asks for the player's name when a game with points
// has ended on a mine. While it is open its owner form is disabled.
#include <string>

#include "widgets/Form.h"

namespace Tarvex {

class Button;
class Label;
class TextBox;

// The name last confirmed in any name window of the process; it is only
// ever overwritten with a non-empty name, never cleared.
extern std::string PlayerName;

class FormNamePlayer : public Form {
 public:
  // Builds and creates the window (its children are made during creation).
  FormNamePlayer(Form* ownerForm, HINSTANCE instance, const std::string& caption);
  ~FormNamePlayer() override;  // deletes its three child elements

  void SetPrompt(const std::string& text);

  // A closed window's object lives on: once its window is gone it counts as
  // not created, so setters stop reaching for the old handle.
  void HandleDestroyed() override;
  // Activating a window puts the keyboard focus on the window itself; the
  // name window hands it on to the name box, so after the player comes back
  // from another program typing goes on where it stopped.
  void HandleFocusGained() override;

  virtual void CreateChildren();
  virtual bool OnClosing();
  virtual void OnResize();
  virtual bool OnChar(unsigned character);
  virtual void OnKeyDown(unsigned key);
  virtual void OnKeyUp(unsigned key);
  virtual void OnClick(GUIElement* element);

  Form* ownerForm = nullptr;  // not owned
  TextBox* nameBox = nullptr;
  Label* promptLabel = nullptr;
  Button* okButton = nullptr;
  std::string prompt;
};

}  // namespace Tarvex
