#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "support/Folders.h"

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("zorvik-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root_);
  }
  ~TempFolder() {
    std::error_code ignored;
    // Read-only folders made by a test would stop the removal.
    for (auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Root() const { return root_.string(); }
  std::string Path(const std::string& name) const { return Tarvex::WithTrailingSlash(Root()) + name; }

 private:
  std::filesystem::path root_;
};
