#pragma once
// A real game window per test, with the exit question and the sounds
// replaced, and helpers that act on it as the window procedure would.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "game/FormMain.h"
#include "tests/win/MessagePump.h"
#include "support/Desktop.h"
#include "widgets/Button.h"
#include "widgets/CellControl.h"
#include "widgets/ImageFrame.h"

class GameWindowTest : public ::testing::Test {
 protected:
  static inline std::vector<int> soundsPlayed;
  static inline int questionsAsked = 0;
  static inline bool answerYes = false;

  static void RecordSound(int id) { soundsPlayed.push_back(id); }
  static bool Answer(const std::string& caption, const std::string& question) {
    EXPECT_EQ(caption, "Uscita");
    EXPECT_EQ(question, "Vuoi realmente uscire?");
    ++questionsAsked;
    return answerYes;
  }

  void SetUp() override {
    MyGame::tickState = MyGame::TickState{};
    soundsPlayed.clear();
    questionsAsked = 0;
    answerYes = false;
    previousSound = Tarvex::ReplacePlayWave(RecordSound);
    previousQuestion = Tarvex::ReplaceAskYesNo(Answer);
    form = new MyGame::FormMain(GetModuleHandleW(nullptr), MyGame::WindowCaption());
    Pump(50);
  }

  void TearDown() override {
    delete form;
    Pump(20);
    Tarvex::ReplacePlayWave(previousSound);
    Tarvex::ReplaceAskYesNo(previousQuestion);
  }

  static void Pump(DWORD milliseconds) { zorvik_test::Pump(milliseconds); }
  template <typename Condition>
  static bool PumpUntil(Condition condition, DWORD milliseconds) {
    return zorvik_test::PumpUntil(condition, milliseconds);
  }

  void Click(Tarvex::Button* button) {
    SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button->window));
  }

  void PressCell(int index) {
    SendMessageW(form->cells[index]->window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(13, 13));
    SendMessageW(form->cells[index]->window, WM_LBUTTONUP, 0, MAKELPARAM(13, 13));
  }

  static std::string TextOf(Tarvex::GUIElement* element) { return element->GetNarrowText(); }

  MyGame::FormMain* form = nullptr;

 private:
  Tarvex::PlayWaveFunction previousSound = nullptr;
  Tarvex::AskYesNoFunction previousQuestion = nullptr;
};
