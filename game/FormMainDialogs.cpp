// The windows the menu opens besides the About window: the whole
// leaderboard and the guide.
#include "game/FormMain.h"
#include "game/FormMainWiring.h"
#include "leaderboard/FormScores.h"
#include "leaderboard/Leaderboard.h"
#include "resources/Product.h"
#include "resources/ResourceIds.h"
#include "widgets/CellControl.h"
#include "widgets/FormHelp.h"
#include "widgets/MessageLoop.h"

namespace MyGame {

void FormMain::OpenScoresWindow() {
  // The previous window is long closed; its object waits for the end of the
  // message loop, since messages may still name it.
  if (scoresWindow) Tarvex::RetireElement(scoresWindow);
  scoresWindow = new Tarvex::FormScores(this, ZORVIK_PRODUCT_NAME);
  scoresWindow->changedCallback = ForwardLeaderboardChanged;
  ShowOverGame(scoresWindow);
}

void FormMain::OpenHelpWindow() {
  if (helpWindow) Tarvex::RetireElement(helpWindow);
  helpWindow = new Tarvex::FormHelp(this);
  helpWindow->SetText(std::string("Guida"));
  helpWindow->helpText = GuideText();
  helpWindow->webAddress = GuideAddress();
  ShowOverGame(helpWindow);
}

void FormMain::ShowOverGame(Tarvex::Form* dialog) {
  if (!dialog->created) dialog->Create();
  dialog->SetIcon(ZORVIK_ICON);
  dialog->CenterOver(this);
  ShowWindow(dialog->window, SW_SHOWNA);
  dialog->visible = true;
}

void FormMain::ReloadLeaderboard() {
  leaderboardLines = Tarvex::Leaderboard(ZORVIK_PRODUCT_NAME).Load();
  // With no lines the banner step leaves the text alone, so the line it
  // showed last is taken down here; the cycle starts again at line 1.
  tickState.bannerIndex = 0;
  ShowBannerText("");
}

}  // namespace MyGame
