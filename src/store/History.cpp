#include "store/History.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <system_error>

#include "store/SafeFile.h"
#include "store/StoredHand.h"

namespace solo {

const char* const kHistorySchemaVersion1 = R"(
CREATE TABLE schema_version (version INTEGER NOT NULL);
INSERT INTO schema_version VALUES (1);
CREATE TABLE runs (
  id INTEGER PRIMARY KEY,
  started TEXT NOT NULL,
  seed INTEGER NOT NULL
);
CREATE TABLE hands (
  id INTEGER PRIMARY KEY,
  run INTEGER NOT NULL REFERENCES runs(id),
  played TEXT NOT NULL,
  seed INTEGER NOT NULL,
  hand INTEGER NOT NULL,
  dealer INTEGER NOT NULL,
  goulash INTEGER NOT NULL,
  dealt TEXT NOT NULL,
  trumps_dealt INTEGER NOT NULL,
  counts TEXT NOT NULL,
  bids TEXT NOT NULL,
  declarer INTEGER NOT NULL,
  contract INTEGER NOT NULL,
  trumps INTEGER NOT NULL,
  tricks TEXT NOT NULL,
  result TEXT NOT NULL,
  points_after TEXT NOT NULL,
  south TEXT NOT NULL,
  west TEXT NOT NULL,
  north TEXT NOT NULL,
  east TEXT NOT NULL
);
)";

namespace {

// Each step brings the schema from the version before it to its own; a database is brought up
// step by step, each step in one transaction, so one left half-way is never seen.
const char* const kMigrations[History::kVersion] = {
    kHistorySchemaVersion1,
    // Version 2: who played each seat (the Expert players came after the first history);
    // hands kept before it were played against the Classic rules.
    R"(
ALTER TABLE hands ADD COLUMN levels TEXT NOT NULL DEFAULT 'person classic classic classic';
CREATE INDEX hands_by_run ON hands(run);
UPDATE schema_version SET version = 2;
)",
    // Version 3: how many cards or bids the person took back in each hand.
    R"(
ALTER TABLE hands ADD COLUMN take_backs INTEGER NOT NULL DEFAULT 0;
UPDATE schema_version SET version = 3;
)",
    // Version 4: the rules each hand was played by (the Standard rules came after), the partner
    // of a Proposal and Acceptance, and the card turned up for trumps.
    R"(
ALTER TABLE hands ADD COLUMN rules TEXT NOT NULL DEFAULT 'classic';
ALTER TABLE hands ADD COLUMN partner INTEGER NOT NULL DEFAULT -1;
ALTER TABLE hands ADD COLUMN turned_up INTEGER NOT NULL DEFAULT 0;
UPDATE schema_version SET version = 4;
)"};

constexpr const char* kColumns =
    "id, run, played, seed, hand, dealer, goulash, dealt, trumps_dealt, counts, bids, declarer, contract, trumps, "
    "tricks, result, points_after, south, west, north, east, levels, take_backs, rules, partner, turned_up";

std::string Text(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text ? reinterpret_cast<const char*>(text) : "";
}

// Runs a statement that gives one whole number (or -1 when it fails or gives no row).
long long Single(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  long long value = -1;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
    value = sqlite3_column_int64(statement, 0);
  sqlite3_finalize(statement);
  return value;
}

// Whether the file is a sound SQLite database (or an empty new one).
bool Sound(sqlite3* db) {
  sqlite3_stmt* statement = nullptr;
  bool ok = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW && Text(statement, 0) == "ok";
  sqlite3_finalize(statement);
  return ok;
}

sqlite3* OpenFile(const std::filesystem::path& path, int flags) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, History::kOpeningWaitMs);
  sqlite3_extended_result_codes(db, 1);
  // A hand may only belong to a run that is kept.
  sqlite3_exec(db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
  return db;
}

// The version of the schema: 0 for a new, empty database; -1 when it cannot be read.
int VersionOf(sqlite3* db) {
  if (Single(db, "SELECT count(*) FROM sqlite_master WHERE name = 'schema_version'") == 0) return 0;
  return static_cast<int>(Single(db, "SELECT max(version) FROM schema_version"));
}

std::string Name(const std::filesystem::path& path) { return path.filename().string(); }

}  // namespace

History::~History() {
  Flush();
  sqlite3_finalize(insert_);
  sqlite3_finalize(replace_);
  sqlite3_close_v2(db_);
}

bool History::Fail(const char* what) {
  const int code = sqlite3_errcode(db_) & 0xff;
  busy_ = code == SQLITE_BUSY || code == SQLITE_LOCKED;
  error_ = std::string(what) + ": " + sqlite3_errmsg(db_);
  RollBack();
  return false;
}

void History::RollBack() {
  if (!sqlite3_get_autocommit(db_)) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    // A run inserted in the transaction went with it.
    if (runUncommitted_) run_ = 0;
  }
  runUncommitted_ = false;
  pending_ = 0;
}

bool History::Exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

History::Opened History::Open(const std::filesystem::path& path) {
  Opened opened;
  const std::string name = Name(path);
  std::error_code ec;
  const bool existed = std::filesystem::exists(std::filesystem::symlink_status(path, ec));
  sqlite3* db = nullptr;
  if (!existed || std::filesystem::is_regular_file(path, ec)) {
    db = OpenFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
    if (!db && !existed) {
      opened.message = "The hand history (" + name + ") could not be created, so hands are not kept in this run.";
      return opened;
    }
    // The journal mode is the first thing read from the file: a file that is no database
    // fails here, a damaged one at the check. Anything else (the file busy or out of reach)
    // leaves the file as it is.
    const int rc = db ? sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) : SQLITE_CANTOPEN;
    const bool damaged = (rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT || (rc == SQLITE_OK && !Sound(db));
    if (rc != SQLITE_OK && !damaged) {
      opened.message = "The hand history (" + name + ") could not be opened (" +
                       (db ? sqlite3_errmsg(db) : "no access") + "), so hands are not kept in this run.";
      sqlite3_close_v2(db);
      return opened;
    }
    if (damaged) {
      sqlite3_close_v2(db);
      db = nullptr;
    }
  }
  if (!db) {
    // Damaged, or not a file at all: set aside with its journal, and begin again.
    const std::string aside = SetAside(path);
    if (aside.empty()) {
      opened.message = "The hand history (" + name + ") is damaged and could not be moved aside, so hands are "
                       "not kept in this run.";
      return opened;
    }
    std::filesystem::rename(path.string() + "-wal", aside + "-wal", ec);
    std::filesystem::remove(path.string() + "-shm", ec);
    opened.message = "The hand history (" + name + ") was damaged. It has been kept as " +
                     Name(aside) + " and a new history begun.";
    db = OpenFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
    if (!db || sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) != SQLITE_OK) {
      sqlite3_close_v2(db);
      opened.message += " The new one could not be created either, so hands are not kept in this run.";
      return opened;
    }
  }
  // In write-ahead mode a commit that returned is kept even if the program is killed the next
  // moment; NORMAL leaves out only the flush that guards against a power cut.
  sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
  std::unique_ptr<History> history(new History(db));
  const int version = VersionOf(db);
  if (version < 0 || version > kVersion) {
    opened.message = "The hand history (" + name + ") was made by a newer Solo Whist, so hands are not kept in "
                     "this run. It has not been changed.";
    return opened;
  }
  for (int step = version; step < kVersion; ++step) {
    if (!history->Exec("BEGIN IMMEDIATE") || !history->Exec(kMigrations[step]) || !history->Exec("COMMIT")) {
      history->Fail("bringing the history up to date");
      opened.message = "The hand history (" + name + ") could not be brought up to date (" + history->error_ +
                       "), so hands are not kept in this run.";
      return opened;
    }
  }
  opened.history = std::move(history);
  return opened;
}

std::unique_ptr<History> History::OpenToRead(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  sqlite3* db = OpenFile(path, SQLITE_OPEN_READONLY);
  if (!db) return nullptr;
  std::unique_ptr<History> history(new History(db));
  const int version = VersionOf(db);
  if (version < 1 || version > kVersion) return nullptr;
  return history;
}

void History::SetBusyWait(int ms) { sqlite3_busy_timeout(db_, ms); }

bool History::BeginRun(std::uint64_t seed) {
  runSeed_ = seed;
  runStarted_ = NowUtc();
  run_ = 0;
  return InsertRun();
}

bool History::InsertRun() {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, "INSERT INTO runs (started, seed) VALUES (?, ?)", -1, &statement, nullptr) != SQLITE_OK)
    return Fail("starting a run");
  sqlite3_bind_text(statement, 1, runStarted_.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int64(statement, 2, static_cast<sqlite3_int64>(runSeed_));
  const int rc = sqlite3_step(statement);
  sqlite3_finalize(statement);
  if (rc != SQLITE_DONE) return Fail("starting a run");
  run_ = sqlite3_last_insert_rowid(db_);
  runUncommitted_ = !sqlite3_get_autocommit(db_);
  return true;
}

bool History::Append(const HandRecord& r) {
  if (pending_ == 0 && !Exec("BEGIN IMMEDIATE")) return Fail("keeping a hand");
  // A run that could not be kept when it began (the database was busy) is kept with its first hand.
  if (run_ == 0 && !InsertRun()) return false;
  if (!insert_ &&
      sqlite3_prepare_v3(db_,
                         "INSERT INTO hands (run, played, seed, hand, dealer, goulash, dealt, trumps_dealt, counts, "
                         "bids, declarer, contract, trumps, tricks, result, points_after, south, west, north, east, "
                         "levels, take_backs, rules, partner, turned_up) "
                         "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                         -1, SQLITE_PREPARE_PERSISTENT, &insert_, nullptr) != SQLITE_OK)
    return Fail("keeping a hand");
  // The row is written into fields kept from hand to hand.
  EncodeHand(r, row_);
  if (r.when.empty()) row_.played = NowUtc();
  const StoredHand& h = row_;
  sqlite3_stmt* s = insert_;
  int i = 0;
  sqlite3_bind_int64(s, ++i, run_);
  sqlite3_bind_text(s, ++i, h.played.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(s, ++i, h.seed);
  sqlite3_bind_int64(s, ++i, h.hand);
  sqlite3_bind_int64(s, ++i, h.dealer);
  sqlite3_bind_int64(s, ++i, h.goulash);
  sqlite3_bind_text(s, ++i, h.dealt.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(s, ++i, h.trumpsDealt);
  sqlite3_bind_text(s, ++i, h.counts.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, h.bids.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(s, ++i, h.declarer);
  sqlite3_bind_int64(s, ++i, h.contract);
  sqlite3_bind_int64(s, ++i, h.trumps);
  sqlite3_bind_text(s, ++i, h.tricks.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, h.result.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, h.pointsAfter.c_str(), -1, SQLITE_STATIC);
  for (const std::string& name : h.names) sqlite3_bind_text(s, ++i, name.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, h.levels.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(s, ++i, h.takeBacks);
  sqlite3_bind_text(s, ++i, h.rules.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(s, ++i, h.partner);
  sqlite3_bind_int64(s, ++i, h.turnedUp);
  const int rc = sqlite3_step(s);
  sqlite3_reset(s);
  if (rc != SQLITE_DONE) return Fail("keeping a hand");
  if (r.resumed && !ReplaceAbandoned()) return false;
  if (++pending_ >= batch_) return Flush();
  return true;
}

bool History::ReplaceAbandoned() {
  // The game that closed during the hand wrote it last, as abandoned, with the same run seed and
  // deal (none yet, when it closed while dealing). A row that does not fit stays: that game may
  // not have managed to write it.
  static const std::string undealt = [] {
    StoredHand none;
    EncodeHand(HandRecord{}, none);
    return none.dealt;
  }();
  if (!replace_ && sqlite3_prepare_v3(db_,
                                      "DELETE FROM hands WHERE id = (SELECT id FROM hands WHERE run <> ? ORDER BY id DESC LIMIT 1) "
                                      "AND result = 'abandoned' AND seed = ? AND rules = ? AND dealt IN (?, ?)",
                                      -1, SQLITE_PREPARE_PERSISTENT, &replace_, nullptr) != SQLITE_OK)
    return Fail("keeping a hand");
  sqlite3_stmt* s = replace_;
  sqlite3_bind_int64(s, 1, run_);
  sqlite3_bind_int64(s, 2, row_.seed);
  sqlite3_bind_text(s, 3, row_.rules.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, 4, row_.dealt.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, 5, undealt.c_str(), -1, SQLITE_STATIC);
  const int rc = sqlite3_step(s);
  sqlite3_reset(s);
  return rc == SQLITE_DONE || Fail("keeping a hand");
}

bool History::Flush() {
  if (pending_ == 0) return true;
  if (!Exec("COMMIT")) return Fail("keeping a hand");
  pending_ = 0;
  runUncommitted_ = false;
  return true;
}

void History::Discard() {
  if (pending_ > 0) RollBack();
}

std::vector<HandRecord> History::Hands(HandsWanted wanted) const {
  std::string sql = std::string("SELECT ") + kColumns + " FROM hands";
  if (wanted == HandsWanted::ThisRun) sql += " WHERE run = ?";
  sql += wanted == HandsWanted::Last100 ? " ORDER BY id DESC LIMIT 100" : " ORDER BY id";
  std::vector<HandRecord> hands;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) return hands;
  if (wanted == HandsWanted::ThisRun) sqlite3_bind_int64(statement, 1, run_);
  while (sqlite3_step(statement) == SQLITE_ROW) {
    StoredHand row;
    int i = 0;
    const auto number = [&] { return static_cast<long long>(sqlite3_column_int64(statement, i++)); };
    const auto text = [&] { return Text(statement, i++); };
    row.id = number();
    row.run = number();
    row.played = text();
    row.seed = number();
    row.hand = number();
    row.dealer = number();
    row.goulash = number();
    row.dealt = text();
    row.trumpsDealt = number();
    row.counts = text();
    row.bids = text();
    row.declarer = number();
    row.contract = number();
    row.trumps = number();
    row.tricks = text();
    row.result = text();
    row.pointsAfter = text();
    for (std::string& name : row.names) name = text();
    row.levels = text();
    row.takeBacks = number();
    row.rules = text();
    row.partner = number();
    row.turnedUp = number();
    hands.push_back(DecodeHand(row));
  }
  sqlite3_finalize(statement);
  if (wanted == HandsWanted::Last100) std::reverse(hands.begin(), hands.end());
  return hands;
}

}  // namespace solo
