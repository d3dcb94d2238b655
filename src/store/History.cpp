#include "store/History.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <sstream>
#include <string>
#include <system_error>

#include "store/SafeFile.h"

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
)"};

constexpr const char* kColumns =
    "id, run, played, seed, hand, dealer, goulash, dealt, trumps_dealt, counts, bids, declarer, contract, trumps, "
    "tricks, result, points_after, south, west, north, east, levels";

void WriteNumber(std::string& out, long long n) {
  // Most numbers are cards and seats: one or two digits.
  if (n >= 0 && n < 100) {
    if (n >= 10) out += static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
    out += ' ';
    return;
  }
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
  out += ' ';
}

template <typename List>
void Write(std::string& out, const List& list) {
  for (const auto n : list) WriteNumber(out, n);
}

std::vector<long long> Numbers(const unsigned char* text) {
  std::vector<long long> numbers;
  if (!text) return numbers;
  const char* p = reinterpret_cast<const char*>(text);
  while (*p) {
    char* end = nullptr;
    const long long n = std::strtoll(p, &end, 10);
    if (end == p) {
      ++p;
      continue;
    }
    numbers.push_back(n);
    p = end;
  }
  return numbers;
}

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
  sqlite3_busy_timeout(db, 2000);
  sqlite3_extended_result_codes(db, 1);
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
  sqlite3_close_v2(db_);
}

bool History::Fail(const char* what) {
  error_ = std::string(what) + ": " + sqlite3_errmsg(db_);
  if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  pending_ = 0;
  return false;
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

bool History::BeginRun(std::uint64_t seed) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, "INSERT INTO runs (started, seed) VALUES (?, ?)", -1, &statement, nullptr) != SQLITE_OK)
    return Fail("starting a run");
  sqlite3_bind_text(statement, 1, NowUtc().c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int64(statement, 2, static_cast<sqlite3_int64>(seed));
  const int rc = sqlite3_step(statement);
  sqlite3_finalize(statement);
  if (rc != SQLITE_DONE) return Fail("starting a run");
  run_ = sqlite3_last_insert_rowid(db_);
  return true;
}

bool History::Append(const HandRecord& r) {
  if (pending_ == 0 && !Exec("BEGIN IMMEDIATE")) return Fail("keeping a hand");
  if (!insert_ &&
      sqlite3_prepare_v3(db_,
                         "INSERT INTO hands (run, played, seed, hand, dealer, goulash, dealt, trumps_dealt, counts, "
                         "bids, declarer, contract, trumps, tricks, result, points_after, south, west, north, east, "
                         "levels) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                         -1, SQLITE_PREPARE_PERSISTENT, &insert_, nullptr) != SQLITE_OK)
    return Fail("keeping a hand");
  // The lists are written as numbers parted by blanks, into buffers kept from hand to hand.
  for (std::string& text : texts_) text.clear();
  for (const auto& hand : r.hands) Write(texts_[0], hand);
  Write(texts_[1], r.points);
  for (const auto& bid : r.bids) Write(texts_[2], bid);
  for (const TrickRecord& t : r.tricks) {
    WriteNumber(texts_[3], t.leader);
    Write(texts_[3], t.cards);
    WriteNumber(texts_[3], t.winner);
  }
  Write(texts_[4], r.pointsAfter);
  for (const std::string& level : r.levels) {
    texts_[5] += level.empty() ? "?" : level;
    texts_[5] += ' ';
  }
  if (r.when.empty()) when_ = NowUtc();
  sqlite3_stmt* s = insert_;
  int i = 0;
  sqlite3_bind_int64(s, ++i, run_);
  sqlite3_bind_text(s, ++i, r.when.empty() ? when_.c_str() : r.when.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(s, ++i, static_cast<sqlite3_int64>(r.seed));
  sqlite3_bind_int64(s, ++i, r.hand);
  sqlite3_bind_int(s, ++i, r.dealer);
  sqlite3_bind_int(s, ++i, r.goulash);
  sqlite3_bind_text(s, ++i, texts_[0].c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int(s, ++i, r.trumpsDealt);
  sqlite3_bind_text(s, ++i, texts_[1].c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, texts_[2].c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_int(s, ++i, r.declarer);
  sqlite3_bind_int(s, ++i, r.contract);
  sqlite3_bind_int(s, ++i, r.trumps);
  sqlite3_bind_text(s, ++i, texts_[3].c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, r.result.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, texts_[4].c_str(), -1, SQLITE_STATIC);
  for (const std::string& name : r.names) sqlite3_bind_text(s, ++i, name.c_str(), -1, SQLITE_STATIC);
  sqlite3_bind_text(s, ++i, texts_[5].c_str(), -1, SQLITE_STATIC);
  const int rc = sqlite3_step(s);
  sqlite3_reset(s);
  if (rc != SQLITE_DONE) return Fail("keeping a hand");
  if (++pending_ >= batch_) return Flush();
  return true;
}

bool History::Flush() {
  if (pending_ == 0) return true;
  pending_ = 0;
  if (!Exec("COMMIT")) return Fail("keeping a hand");
  return true;
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
    HandRecord r;
    int i = 0;
    r.id = sqlite3_column_int64(statement, i++);
    r.run = sqlite3_column_int64(statement, i++);
    r.when = Text(statement, i++);
    r.seed = static_cast<std::uint64_t>(sqlite3_column_int64(statement, i++));
    r.hand = static_cast<long>(sqlite3_column_int64(statement, i++));
    r.dealer = sqlite3_column_int(statement, i++);
    r.goulash = sqlite3_column_int(statement, i++) != 0;
    const auto dealt = Numbers(sqlite3_column_text(statement, i++));
    for (std::size_t k = 0; k < dealt.size() && k < 52; ++k) r.hands[k / 13][k % 13] = static_cast<int>(dealt[k]);
    r.trumpsDealt = sqlite3_column_int(statement, i++);
    const auto counts = Numbers(sqlite3_column_text(statement, i++));
    for (std::size_t k = 0; k < counts.size() && k < 3; ++k) r.points[k] = static_cast<int>(counts[k]);
    const auto bids = Numbers(sqlite3_column_text(statement, i++));
    for (std::size_t k = 0; k + 1 < bids.size(); k += 2)
      r.bids.push_back({static_cast<int>(bids[k]), static_cast<int>(bids[k + 1])});
    r.declarer = sqlite3_column_int(statement, i++);
    r.contract = sqlite3_column_int(statement, i++);
    r.trumps = sqlite3_column_int(statement, i++);
    const auto tricks = Numbers(sqlite3_column_text(statement, i++));
    for (std::size_t k = 0; k + 5 < tricks.size(); k += 6)
      r.tricks.push_back({static_cast<int>(tricks[k]),
                          {static_cast<int>(tricks[k + 1]), static_cast<int>(tricks[k + 2]),
                           static_cast<int>(tricks[k + 3]), static_cast<int>(tricks[k + 4])},
                          static_cast<int>(tricks[k + 5])});
    r.result = Text(statement, i++);
    const auto after = Numbers(sqlite3_column_text(statement, i++));
    for (std::size_t k = 0; k < after.size() && k < 4; ++k) r.pointsAfter[k] = after[k];
    for (std::string& name : r.names) name = Text(statement, i++);
    std::istringstream levels(Text(statement, i++));
    for (std::string& level : r.levels) levels >> level;
    hands.push_back(std::move(r));
  }
  sqlite3_finalize(statement);
  if (wanted == HandsWanted::Last100) std::reverse(hands.begin(), hands.end());
  return hands;
}

}  // namespace solo
