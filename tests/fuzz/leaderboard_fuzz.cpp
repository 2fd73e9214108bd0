// libFuzzer target: any bytes as the stored leaderboard file. Reads them,
// saves what was read, adds an entry, and checks what the store promises.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "leaderboard/Leaderboard.h"
#include "leaderboard/TextFile.h"
#include "support/Folders.h"

using namespace Tarvex;

namespace {

std::string scoreFolder;
std::string filePath;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

std::string ReadBytes(const std::string& path) {
  std::string content;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  Check(file != nullptr, "the written file can be opened");
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
  std::fclose(file);
  return content;
}

// Greater or equal as unsigned bytes, the longer line winning a tie.
bool NotBelow(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  const int order = std::memcmp(a.data(), b.data(), common);
  return order > 0 || (order == 0 && a.size() >= b.size());
}

bool SortedDescending(const std::vector<std::string>& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (!NotBelow(lines[i - 1], lines[i])) return false;
  return true;
}

// A file of whole lines, each ending in CR LF; gives how many.
std::size_t CrLfLines(const std::string& content) {
  std::size_t feeds = 0;
  for (std::size_t i = 0; i < content.size(); ++i) {
    if (content[i] != '\n') continue;
    Check(i > 0 && content[i - 1] == '\r', "every LF written follows a CR");
    ++feeds;
  }
  Check(content.empty() || content.back() == '\n', "the written file ends with a line break");
  return feeds;
}

void OnlyTheFileIsLeft() {
  std::size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(scoreFolder)) {
    (void)entry;
    ++entries;
  }
  Check(entries == 1, "no temporary file is left beside the stored one");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Data goes to a folder of this run; run-suite passes one, by hand a fresh
  // one is made.
  const char* given = std::getenv("XDG_DATA_HOME");
  if (!given || given[0] != '/') {
    static char made[] = "/tmp/zorvik-fuzz-XXXXXX";
    if (!mkdtemp(made)) std::abort();
    setenv("XDG_DATA_HOME", made, 1);
  }
  std::filesystem::create_directories(std::getenv("XDG_DATA_HOME"));
  Leaderboard board("Zorvik");
  scoreFolder = board.ScoreFolder();
  Check(!scoreFolder.empty(), "the score folder can be made");
  filePath = scoreFolder + "Classifica.txt";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  {
    std::FILE* file = std::fopen(filePath.c_str(), "wb");
    Check(file != nullptr, "the input can be stored");
    std::fwrite(input.data(), 1, input.size(), file);
    std::fclose(file);
  }

  // Reading: one line per line feed, plus an unterminated last one; no line
  // holds a NUL or LF, and each is a prefix of its stretch of the input.
  TextFile file(filePath);
  const std::vector<std::string> lines = file.ReadLines();
  Check(!file.error, "a readable file reads without error");
  const std::size_t feeds = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n'));
  Check(lines.size() == feeds + (!input.empty() && input.back() != '\n'), "line count");
  std::size_t at = 0;
  for (const std::string& line : lines) {
    Check(line.find('\n') == std::string::npos, "no LF in a line");
    Check(line.find('\0') == std::string::npos, "no NUL in a line");
    Check(input.compare(at, line.size(), line) == 0, "a line is what the file holds");
    const std::size_t feed = input.find('\n', at);
    at = feed == std::string::npos ? input.size() : feed + 1;
  }

  // Saving what was read: at most ten lines, sorted, each one of the read
  // ones, and nothing dropped that beats the last one kept.
  Leaderboard board("Zorvik");
  Check(board.Save(lines), "Save of read lines succeeds");
  Check(!board.failed, "Save finds its folder");
  const std::string written = ReadBytes(filePath);
  const std::vector<std::string> saved = board.Load();
  Check(CrLfLines(written) == saved.size(), "the file holds exactly the lines read back");
  Check(saved.size() == std::min(lines.size(), MaxLeaderboardLines), "ten lines kept at most");
  Check(SortedDescending(saved), "saved lines are sorted greatest first");
  std::vector<std::string> rest = lines;
  for (const std::string& line : saved) {
    auto found = std::find(rest.begin(), rest.end(), line);
    Check(found != rest.end(), "every saved line was read");
    rest.erase(found);
  }
  for (const std::string& line : rest) Check(NotBelow(saved.back(), line), "the greatest lines are kept");
  OnlyTheFileIsLeft();

  // What was saved is stable: saving it again gives the same bytes.
  Check(board.Save(saved), "Save of saved lines succeeds");
  Check(ReadBytes(filePath) == written, "a second save changes nothing");

  // An entry made from the input's first bytes joins the list in order.
  const int score = size >= 4 ? static_cast<int>(data[0] | data[1] << 8 | data[2] << 16 | (data[3] & 0x7F) << 24) : 1;
  const std::string text = size > 4 ? input.substr(4, 20) : std::string("ANNA");
  Check(board.AddEntry(score, text), "AddEntry finds its folder");
  const std::vector<std::string> added = board.Load();
  Check(added.size() == std::min(saved.size() + 1, MaxLeaderboardLines), "one line more, up to ten");
  Check(SortedDescending(added), "lines stay sorted after AddEntry");
  CrLfLines(ReadBytes(filePath));
  OnlyTheFileIsLeft();
  return 0;
}
