#pragma once
// The hand history: every hand played, kept in an SQLite database (History.sqlite in the data
// folder) beside the names and points files. The points file stays the file of record; the
// history is written after it, and a history that cannot be written never stops the game.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "store/HandRecord.h"

struct sqlite3;
struct sqlite3_stmt;

namespace solo {

// The hands to read back.
enum class HandsWanted { ThisRun, Last100, All };

class History {
 public:
  // The schema this program writes; older databases are brought up to it when opened.
  static constexpr int kVersion = 2;

  struct Opened {
    std::unique_ptr<History> history;  // empty when there is none to use
    std::string message;               // what the person should be told, if anything
  };
  // Opens the database, creating it when missing. A damaged one is set aside as
  // "History.sqlite.bad" and a new one started (the message says so); one made by a newer
  // program, or one that cannot be created, gives no history and a message.
  static Opened Open(const std::filesystem::path& path);
  // Opens for reading only (another copy of the game has the folder): nothing is created,
  // changed or set aside. Empty when there is no history to read.
  static std::unique_ptr<History> OpenToRead(const std::filesystem::path& path);

  ~History();
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // A run of the game begins; the hands appended after it belong to it.
  bool BeginRun(std::uint64_t seed);
  // Keeps one hand. With a batch above 1 the hands are committed that many at a time (the
  // simulator's pace); otherwise each in its own transaction.
  bool Append(const HandRecord& hand);
  void SetBatch(int hands) { batch_ = hands < 1 ? 1 : hands; }
  // Commits hands still waiting in a batch.
  bool Flush();

  std::vector<HandRecord> Hands(HandsWanted wanted) const;
  // The run the hands appended now belong to (0 before BeginRun).
  long long run() const { return run_; }
  // Why the last write failed, in plain words.
  const std::string& error() const { return error_; }

 private:
  explicit History(sqlite3* db) : db_(db) {}
  bool Exec(const char* sql);
  bool Fail(const char* what);

  sqlite3* db_;
  sqlite3_stmt* insert_ = nullptr;
  std::string texts_[6], when_;
  long long run_ = 0;
  int batch_ = 1, pending_ = 0;
  std::string error_;
};

// The schema's first version, as the first program to keep a history made it (for tests of
// the migrations).
extern const char* const kHistorySchemaVersion1;

}  // namespace solo
