// Memory and handles over 100 games played through a real game window: each
// game starts with the play button, opens a cell, presses a mine and answers
// the name window with a name and its OK button. Before and after: the
// process's working set, the library's own GDI balance and the number of the
// thread's windows. Prints "key value" lines for bench/run.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "bench/WindowBench.h"
#include "game/Random.h"
#include "leaderboard/FormNamePlayer.h"
#include "widgets/GdiCount.h"
#include "widgets/TextBox.h"

namespace {

using namespace MyGame;

// The first press of every game: a cell in the middle of the field (the
// first press of a level is never a mine).
constexpr int FirstPress = 6 * BoardColumns + 5;

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

struct Snapshot {
  double workingSetMiB = 0;
  long long gdiObjects = 0;
  long windows = 0;
};

Snapshot Take() {
  Snapshot snapshot;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
    snapshot.workingSetMiB = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
  snapshot.gdiObjects = Tarvex::GdiObjectsAlive();
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&snapshot.windows));
  return snapshot;
}

void Print(const char* name, const Snapshot& snapshot) {
  std::printf("%s_workingset_mib %.3f\n", name, snapshot.workingSetMiB);
  std::printf("%s_gdi %lld\n", name, snapshot.gdiObjects);
  std::printf("%s_windows %ld\n", name, snapshot.windows);
}

// One game to its end on a mine and the name window answered; false when
// the window did not behave so.
bool PlayOneGame(FormMain* form) {
  Bench::Click(form->window, form->playButton);
  Bench::Pump(2);
  Bench::PressCell(form, FirstPress);
  if (form->mines.empty() || form->score <= 0) return false;
  Bench::PressCell(form, form->mines.front());
  Bench::Pump(2);
  Tarvex::FormNamePlayer* name = form->nameWindow;
  if (name == nullptr || !IsWindow(name->window) || name->nameBox == nullptr) return false;
  SetWindowTextW(name->nameBox->window, L"BANCO");
  Bench::Click(name->window, name->okButton);
  Bench::Pump(2);
  return !IsWindow(name->window) && IsWindowEnabled(form->window);
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 100;
  Bench::QuietDesktop quiet;
  SeedRandom(2024);
  auto* form = new FormMain(GetModuleHandleW(nullptr), WindowCaption());
  Bench::Pump(500);
  const Snapshot start = Take();
  Snapshot afterFirst;
  for (int game = 0; game < games; ++game) {
    if (!PlayOneGame(form)) {
      std::fprintf(stderr, "games_bench: game %d did not end with the name window answered\n", game + 1);
      return 1;
    }
    if (game == 0) afterFirst = Take();
  }
  Bench::Pump(300);
  const Snapshot end = Take();

  std::printf("games_played %d\n", games);
  Print("games_start", start);
  Print("games_first", afterFirst);
  Print("games_end", end);
  delete form;
  return 0;
}
