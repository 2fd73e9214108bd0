#pragma once
// The whole leaderboard as a table (position, name, level, score, in file
// order), with "Azzera" to empty the file and "Chiudi". While it is open its
// owner form is disabled.
#include <string>
#include <vector>

#include "widgets/FontSpec.h"
#include "widgets/Form.h"

namespace Tarvex {

class Button;
class Label;
class ListView;

class FormScores : public Form {
 public:
  // Builds the window object only; the opener creates and shows it. The
  // lines are read from the game's leaderboard file when it is created.
  FormScores(Form* owner, const std::string& gameName);
  ~FormScores() override;  // deletes every element it made

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

  // Reads the file again and shows what it holds.
  void ShowLines();

  static constexpr int ClientWidth = 380;
  static constexpr int ClientHeight = 300;

  Form* owner = nullptr;  // not owned
  std::string gameName;
  std::vector<std::string> lines;  // as last read
  FontSpec windowFont;
  ListView* table = nullptr;
  Label* emptyLabel = nullptr;
  Button* clearButton = nullptr;
  Button* closeButton = nullptr;
};

}  // namespace Tarvex
