// Two copies of the game adding results at the same moment into one file:
// each addition reads, merges and writes back as one step, so no result is
// lost and nothing is left beside the file.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
extern char** environ;
#endif

#include "support/Folders.h"
#include "support/Text.h"
#include "tests/host/TempFolder.h"
#include "tests/host/leaderboard_fixture.h"

using namespace Tarvex;

namespace {

constexpr auto ProcessPatience = std::chrono::minutes(5);

// leaderboard_writer (tests/host/writer) started beside this test program.
class Writer {
 public:
  explicit Writer(const std::vector<std::string>& arguments) {
#ifdef _WIN32
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring program(self);
    program.resize(program.find_last_of(L"\\/") + 1);
    program += L"leaderboard_writer.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::string& argument : arguments) commandLine += L" \"" + ToWide(argument) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
      CloseHandle(info.hThread);
      process_ = info.hProcess;
    }
#else
    char self[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string program(self, length > 0 ? static_cast<std::size_t>(length) : 0);
    program.resize(program.find_last_of('/') + 1);
    program += "leaderboard_writer";
    std::vector<std::string> all = {program};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&process_, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) process_ = -1;
#endif
  }

  bool Started() const {
#ifdef _WIN32
    return process_ != nullptr;
#else
    return process_ > 0;
#endif
  }

  // The exit code, or -1 when the process did not end in time (it is ended).
  int Wait() {
#ifdef _WIN32
    if (process_ == nullptr) return -1;
    DWORD code = 0;
    const bool ended = WaitForSingleObject(process_, static_cast<DWORD>(ProcessPatience / std::chrono::milliseconds(1))) ==
                       WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process_, 99);
    if (ended) GetExitCodeProcess(process_, &code);
    CloseHandle(process_);
    process_ = nullptr;
    return ended ? static_cast<int>(code) : -1;
#else
    if (process_ <= 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + ProcessPatience;
    int status = 0;
    while (waitpid(process_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(process_, SIGKILL);
        waitpid(process_, &status, 0);
        process_ = -1;
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    process_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  }

  ~Writer() {
    if (Started()) Wait();
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

 private:
#ifdef _WIN32
  HANDLE process_ = nullptr;
#else
  pid_t process_ = -1;
#endif
};

bool WaitForFile(const std::string& path) {
  const auto deadline = std::chrono::steady_clock::now() + ProcessPatience;
  while (!PathExists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace

TEST(LeaderboardProcesses, TwoProcessesAddingAtOnceKeepTheTenGreatestOfAll) {
  LeaderboardPlace place;
  TempFolder signals;
  const std::string go = signals.Path("go");
  // 200 even scores from one, 200 odd ones from the other, each in an order
  // of its own, so that the greatest arrive all through the run.
  Writer even({place.gameName, "PARI", "2", "2", "200", "1", signals.Path("ready-even"), go});
  Writer odd({place.gameName, "DISPARI", "1", "2", "200", "2", signals.Path("ready-odd"), go});
  ASSERT_TRUE(even.Started());
  ASSERT_TRUE(odd.Started());
  // Both are waiting before either starts adding.
  ASSERT_TRUE(WaitForFile(signals.Path("ready-even")));
  ASSERT_TRUE(WaitForFile(signals.Path("ready-odd")));
  WriteBytes(go, "");
  EXPECT_EQ(even.Wait(), 0);
  EXPECT_EQ(odd.Wait(), 0);

  std::vector<std::string> expected;
  for (int score = 400; score > 390; --score)
    expected.push_back(ZeroPad(score, 8) + (score % 2 == 0 ? " PROCESSO PARI" : " PROCESSO DISPARI"));
  EXPECT_EQ(place.Stored(), WithCrLf(expected));
  EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"})
      << "no temporary or lock file is left";
}
