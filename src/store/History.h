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
#include "store/StoredHand.h"

struct sqlite3;
struct sqlite3_stmt;

namespace solo {

// The hands to read back.
enum class HandsWanted { ThisRun, Last100, All };

class History {
 public:
  // The schema this program writes; older databases are brought up to it when opened.
  static constexpr int kVersion = 4;

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

  // How long a statement waits for another program's lock while the database is opened.
  static constexpr int kOpeningWaitMs = 2000;

  // How long later statements wait for another program's lock before failing as busy.
  void SetBusyWait(int ms);
  // A run of the game begins; the hands appended after it belong to it. When the run cannot
  // be kept now (say the database is busy), it is kept with the first hand that can be.
  bool BeginRun(std::uint64_t seed);
  // Keeps one hand. With a batch above 1 the hands are committed that many at a time (the
  // simulator's pace); otherwise each in its own transaction.
  bool Append(const HandRecord& hand);
  void SetBatch(int hands) { batch_ = hands < 1 ? 1 : hands; }
  // Commits hands still waiting in a batch, or drops them.
  bool Flush();
  void Discard();

  std::vector<HandRecord> Hands(HandsWanted wanted) const;
  // The run the hands appended now belong to (0 before BeginRun).
  long long run() const { return run_; }
  // Why the last write failed, in plain words, and whether it failed only because another
  // program held the database.
  const std::string& error() const { return error_; }
  bool busy() const { return busy_; }
  // Hands appended but not yet committed.
  int pending() const { return pending_; }

 private:
  explicit History(sqlite3* db) : db_(db) {}
  bool Exec(const char* sql);
  bool Fail(const char* what);
  void RollBack();
  bool InsertRun();
  // Removes the abandoned row a resumed hand's row (just written) takes the place of.
  bool ReplaceAbandoned();

  sqlite3* db_;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt* replace_ = nullptr;
  StoredHand row_;
  long long run_ = 0;
  std::uint64_t runSeed_ = 0;
  std::string runStarted_;
  bool runUncommitted_ = false;
  int batch_ = 1, pending_ = 0;
  std::string error_;
  bool busy_ = false;
};

// The schema's first version, as the first program to keep a history made it (for tests of
// the migrations).
extern const char* const kHistorySchemaVersion1;

}  // namespace solo
