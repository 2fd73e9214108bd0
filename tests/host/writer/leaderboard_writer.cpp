// Adds results to a leaderboard from a process of its own, for the test of
// two copies of the game adding at the same time.
//
//   leaderboard_writer GAME TAG FIRST STEP COUNT SEED READY GO
//
// Makes the file READY, waits (up to a minute) for the file GO, then adds
// COUNT results with the scores FIRST, FIRST + STEP, ... in an order shuffled
// by SEED, each with the text "PROCESSO " TAG. Exits 0 when every AddEntry
// reported success.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "leaderboard/Leaderboard.h"
#include "support/Folders.h"

namespace {

bool Touch(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  return file != nullptr && std::fclose(file) == 0;
}

bool WaitFor(const std::string& path) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!Tarvex::PathExists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 9) {
    std::fprintf(stderr, "usage: %s GAME TAG FIRST STEP COUNT SEED READY GO\n", argv[0]);
    return 2;
  }
  const std::string game = argv[1];
  const std::string text = std::string("PROCESSO ") + argv[2];
  const int first = std::stoi(argv[3]);
  const int step = std::stoi(argv[4]);
  const int count = std::stoi(argv[5]);
  std::vector<int> scores;
  for (int i = 0; i < count; ++i) scores.push_back(first + i * step);
  std::shuffle(scores.begin(), scores.end(), std::mt19937(static_cast<unsigned>(std::stoul(argv[6]))));

  if (!Touch(argv[7]) || !WaitFor(argv[8])) return 3;
  int failures = 0;
  for (int score : scores) {
    Tarvex::Leaderboard board(game);
    if (!board.AddEntry(score, text)) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
