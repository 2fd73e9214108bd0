// The program: one game window, the message loop until the player has
// confirmed the exit question, then the window object goes.
#include <windows.h>

#include "game/FormMain.h"
#include "support/ComApartment.h"
#include "widgets/MessageLoop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // For the shell's "open" of the web and mail links, made on this thread.
  Tarvex::ComApartment apartment;
  auto* form = new MyGame::FormMain(instance, MyGame::WindowCaption());
  Tarvex::RunMessageLoop(form);
  delete form;
  return 0;
}
