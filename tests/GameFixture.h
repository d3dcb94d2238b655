#pragma once
// A game on a scripted host with its own temporary data folder.
#include <atomic>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "game/TablePresentation.h"
#include "table/Game.h"
#include "support/ScriptedHost.h"

namespace solo::test {

inline std::filesystem::path FreshFolder() {
  static std::atomic<int> counter{0};
  auto dir = std::filesystem::temp_directory_path() /
             ("solo-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

struct TestGame {
  explicit TestGame(std::uint64_t seed = 7) : dir(FreshFolder()), storage(dir.string()), g(host, storage, seed) {
    SetUpTable(g);
  }
  ~TestGame() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
  std::filesystem::path dir;
  FolderStorage storage;
  ScriptedHost host;
  Game g;
};

// Boxes recorded so far with the given title.
inline int CountBoxes(const ScriptedHost& host, const std::string& title) {
  int n = 0;
  for (const auto& b : host.boxes) n += b.title == title;
  return n;
}

}  // namespace solo::test
