#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "ChildProcess.h"
#include "store/DataFiles.h"
#include "store/FolderLock.h"
#include "store/NameText.h"
#include "store/Storage.h"

namespace solo {
namespace {

namespace fs = std::filesystem;

class DataFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("solo-files-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::all);
    fs::remove_all(dir_);
  }
  void Put(const char* name, const std::string& bytes) { std::ofstream(dir_ / name, std::ios::binary) << bytes; }
  std::string Get(const fs::path& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  std::string Dir() const { return dir_.string(); }
  fs::path dir_;
};

TEST_F(DataFilesTest, NamesAndNegativePointsRoundTripByteForByte) {
  const SeatNames names = {"Ann", "West Bot", "Zoë, the North", "East Bot"};
  const SeatPoints points = {-6, 2, 2147483647, -2147483647 - 1};
  ASSERT_EQ(WriteNamesFile(Dir(), names), "");
  ASSERT_EQ(WritePointsFile(Dir(), points), "");
  EXPECT_EQ(Get(kNamesFileName), "\"Ann\",\"West Bot\",\"Zo\xC3\xAB, the North\",\"East Bot\"\r\n");
  EXPECT_EQ(Get(kPointsFileName), "-6,2,2147483647,-2147483648\r\n");
  const NamesRead n = ReadNamesFile(Dir());
  const PointsRead p = ReadPointsFile(Dir());
  EXPECT_EQ(n.message, "");
  EXPECT_EQ(p.message, "");
  EXPECT_EQ(n.names, names);
  EXPECT_EQ(p.points, points);
}

TEST_F(DataFilesTest, MissingFilesAreCreatedWithTheDefaults) {
  const NamesRead n = ReadNamesFile(Dir());
  const PointsRead p = ReadPointsFile(Dir());
  EXPECT_EQ(n.message, "");
  EXPECT_EQ(p.message, "");
  EXPECT_EQ(n.names, (SeatNames{"Player", "West Bot", "North Bot", "East Bot"}));
  EXPECT_EQ(p.points, (SeatPoints{0, 0, 0, 0}));
  EXPECT_EQ(Get(kNamesFileName), "\"Player\",\"West Bot\",\"North Bot\",\"East Bot\"\r\n");
  EXPECT_EQ(Get(kPointsFileName), "0,0,0,0\r\n");
}

TEST_F(DataFilesTest, DamagedPointsFilesAreSetAsideAndReported) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* problem;
  };
  const Case cases[] = {
      {"empty", "", "it is empty"},
      {"truncated", "12,-3,4", "it holds 3 values where 4 are expected"},
      {"not a number", "1,2,three,4\r\n", "\"three\" is not a whole number"},
      {"a fraction", "1,2.5,3,4\r\n", "\"2.5\" is not a whole number"},
      {"out of range", "1,2,3,2147483648\r\n", "\"2147483648\" is too large for a points total"},
      {"garbage", "\x01\x02\xff\xfe", "1 value where 4 are expected"},
      {"two lines", "1,2,3,4\r\n5,6,7,8\r\n", "it holds more than one line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    Put(kPointsFileName, c.bytes);
    const PointsRead p = ReadPointsFile(Dir());
    EXPECT_EQ(p.points, (SeatPoints{0, 0, 0, 0}));
    EXPECT_NE(p.message.find(c.problem), std::string::npos) << p.message;
    EXPECT_NE(p.message.find("Points.dat"), std::string::npos);
    // The damaged file is kept beside, never overwritten; a good file takes its place.
    EXPECT_EQ(Get("Points.dat.bad"), c.bytes);
    EXPECT_EQ(Get(kPointsFileName), "0,0,0,0\r\n");
  }
}

TEST_F(DataFilesTest, AnOlderDamagedCopyIsKept) {
  Put("Names2.dat.bad", "older");
  Put(kNamesFileName, "\"Ann\",\"Bob\"\r\n");
  const NamesRead n = ReadNamesFile(Dir());
  EXPECT_EQ(n.names, DefaultNames());
  EXPECT_EQ(Get("Names2.dat.bad"), "older");
  EXPECT_EQ(Get("Names2.dat.bad2"), "\"Ann\",\"Bob\"\r\n");
}

TEST_F(DataFilesTest, ReadingToleratesWhatRealFilesHold) {
  struct Case {
    const char* what;
    std::string names;
    SeatNames expected;
  };
  const Case cases[] = {
      {"LF only", "\"Ann\",\"W\",\"N\",\"E\"\n", {"Ann", "W", "N", "E"}},
      {"no line end", "\"Ann\",\"W\",\"N\",\"E\"", {"Ann", "W", "N", "E"}},
      {"blanks around fields", " \"Ann\" , \"W\",\"N\" ,\"E\"\r\n", {"Ann", "W", "N", "E"}},
      {"byte order mark", "\xEF\xBB\xBF\"Ann\",\"W\",\"N\",\"E\"\r\n", {"Ann", "W", "N", "E"}},
      {"Windows-1252 name", "\"Ren\xE9\",\"W\",\"N\",\"\x80uro\"\r\n", {"Ren\xC3\xA9", "W", "N", "\xE2\x82\xACuro"}},
      {"unquoted names", "Ann,West,North,East\r\n", {"Ann", "West", "North", "East"}},
      {"an empty name keeps the seat's default", "\"Ann\",\"\",\"N\",\"E\"\r\n", {"Ann", "West Bot", "N", "E"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Put(kNamesFileName, c.names);
    const NamesRead n = ReadNamesFile(Dir());
    EXPECT_EQ(n.message, "");
    EXPECT_EQ(n.names, c.expected);
  }
  Put(kPointsFileName, " -3 , 4,5 ,+6\n");
  EXPECT_EQ(ReadPointsFile(Dir()).points, (SeatPoints{-3, 4, 5, 6}));
}

// A file that is there but can't be used is set aside when the folder allows it, and otherwise
// left exactly as it is: nothing is ever saved over it in that run.
TEST_F(DataFilesTest, AFileThatCannotBeUsedIsNeverSavedOver) {
  struct Case {
    const char* what;
    std::string bytes;
    fs::perms fileMode;
    bool folderWritable;
    const char* says;
  };
  const fs::perms rw = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
  const Case cases[] = {
      {"unreadable, set aside", "5,6,7,-18\r\n", fs::perms::none, true, "could not be opened"},
      {"unreadable, cannot be set aside", "5,6,7,-18\r\n", fs::perms::none, false, "could not be set aside either"},
      {"damaged, cannot be set aside", "5,6,seven\r\n", rw, false, "could not be set aside either"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::permissions(dir_, fs::perms::all);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    Put(kPointsFileName, c.bytes);
    fs::permissions(dir_ / kPointsFileName, c.fileMode);
    fs::permissions(dir_, c.folderWritable ? fs::perms::all : fs::perms::owner_all | fs::perms::others_read |
                                                                  fs::perms::others_exec | fs::perms::group_read |
                                                                  fs::perms::group_exec);
    const std::string answer = test::AsUnprivilegedUser([&] {
      FolderStorage storage(Dir());
      const PointsRead read = storage.LoadPoints();
      const SaveResult save = storage.SavePoints({1, 2, 3, -6});
      return read.message + "|" + (save.saved ? "saved" : "not saved") + "|" + save.message;
    });
    fs::permissions(dir_, fs::perms::all);
    fs::permissions(dir_ / (c.folderWritable ? "Points.dat.bad" : kPointsFileName), rw);
    EXPECT_NE(answer.find(c.says), std::string::npos) << answer;
    EXPECT_NE(answer.find("Points.dat"), std::string::npos) << answer;
    if (c.folderWritable) {
      EXPECT_EQ(Get("Points.dat.bad"), c.bytes);
      EXPECT_EQ(Get(kPointsFileName), "1,2,3,-6\r\n");
    } else {
      EXPECT_NE(answer.find("|not saved|"), std::string::npos) << answer;
      EXPECT_EQ(Get(kPointsFileName), c.bytes);
    }
  }
}

TEST_F(DataFilesTest, AFailedWriteSaysWhyAndOnlyClaimsAnUnchangedFileWhenThereWasOne) {
  ASSERT_EQ(WritePointsFile(Dir(), {1, 2, 3, -6}), "");
  fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  const std::string answer = test::AsUnprivilegedUser(
      [&] { return WritePointsFile(Dir(), {9, 9, 9, -27}) + "|" + WriteNamesFile(Dir(), DefaultNames()); });
  fs::permissions(dir_, fs::perms::all);
  const std::string points = answer.substr(0, answer.find('|'));
  const std::string names = answer.substr(answer.find('|') + 1);
  EXPECT_NE(points.find("could not be saved"), std::string::npos) << points;
  EXPECT_NE(points.find("The old file is unchanged."), std::string::npos) << points;
  EXPECT_NE(names.find("could not be saved"), std::string::npos) << names;
  EXPECT_EQ(names.find("unchanged"), std::string::npos) << names;
  EXPECT_EQ(Get(kPointsFileName), "1,2,3,-6\r\n");
  EXPECT_FALSE(fs::exists(dir_ / kNamesFileName));
}

// What is not a small ordinary file is set aside without being read: it neither hangs the game
// (a pipe), nor fills its memory (a device, a huge file), nor floods the message.
TEST_F(DataFilesTest, PipesDevicesFoldersAndHugeFilesAreSetAsideUnread) {
  struct Case {
    const char* what;
    std::function<void(const fs::path&)> make;
    const char* problem;
  };
  const Case cases[] = {
      {"a pipe", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, "not an ordinary file"},
      {"a device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, "not an ordinary file"},
      {"a folder", [](const fs::path& p) { fs::create_directories(p / "inside"); }, "a folder"},
      {"10 MB", [](const fs::path& p) { std::ofstream(p) << "1" << std::string(10 << 20, '0') << ",0,0,0"; },
       "far too large"},
      {"a 60 KB number", [](const fs::path& p) { std::ofstream(p) << "1,2,3," << std::string(60000, '7'); },
       "\"7777777777777777777777777777777777777777\xE2\x80\xA6\" is too large"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    c.make(dir_ / kPointsFileName);
    const PointsRead p = ReadPointsFile(Dir());
    EXPECT_EQ(p.points, (SeatPoints{0, 0, 0, 0}));
    EXPECT_NE(p.message.find(c.problem), std::string::npos) << p.message.substr(0, 300);
    EXPECT_LT(p.message.size(), 400u);
    EXPECT_FALSE(p.mustNotSave);
    EXPECT_TRUE(fs::exists(fs::symlink_status(dir_ / "Points.dat.bad")));
    EXPECT_EQ(Get(kPointsFileName), "0,0,0,0\r\n");
  }
}

TEST_F(DataFilesTest, TheFolderLockAdmitsOneProgramAndClearsOnlyOurLeftovers) {
  for (const char* name : {"Points.dat.tmp", "Points.dat.tmp-a1b2c3", "Names2.dat.tmp-zz9zz9", "Points.dat.tmp-notours",
                           "Points.dat.bad", "Points.dat.tmpx"})
    Put(name, "x");
  {
    const FolderLock first(Dir());
    EXPECT_EQ(first.state(), FolderLock::State::Held);
    const FolderLock second(Dir());
    EXPECT_EQ(second.state(), FolderLock::State::Busy);
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir_)) left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{kLockFileName, "Points.dat.tmp-notours", "Points.dat.bad",
                                            "Points.dat.tmpx"}));
  }
  // The lock goes with the program that held it.
  EXPECT_EQ(FolderLock(Dir()).state(), FolderLock::State::Held);
  // A copy that may not write leaves a missing or damaged file alone.
  Put(kNamesFileName, "\"Ann\"\r\n");
  FolderStorage readOnly(Dir(), FileAccess::ReadOnly);
  EXPECT_EQ(readOnly.LoadNames().names, DefaultNames());
  EXPECT_EQ(readOnly.LoadPoints().points, (SeatPoints{0, 0, 0, 0}));
  EXPECT_FALSE(readOnly.SavePoints({1, 2, 3, -6}).saved);
  EXPECT_EQ(Get(kNamesFileName), "\"Ann\"\r\n");
  EXPECT_FALSE(fs::exists(dir_ / kPointsFileName));
  EXPECT_FALSE(fs::exists(dir_ / "Names2.dat.bad"));
}

// A write that fails half-way (the disk full) or at its rename (a folder in the file's place)
// leaves no temporary file behind.
TEST_F(DataFilesTest, AFailedWriteLeavesNoTemporaryFile) {
  fs::create_directories(dir_ / kPointsFileName / "inside");
  EXPECT_NE(WritePointsFile(Dir(), {1, 2, 3, -6}), "");
  const std::string full = test::InChild(
      [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4, 4};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
      },
      [&] { return WriteNamesFile(Dir(), DefaultNames()); });
  EXPECT_NE(full.find("could not be saved"), std::string::npos) << full;
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir_)) left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{kPointsFileName});
}

TEST(CleanName, MakesANameStorable) {
  struct Case {
    std::string raw;
    std::string clean;
  };
  const Case cases[] = {
      {"  Ann  ", "Ann"},
      {"Say \"hi\"", "Say hi"},
      {"two\r\nlines", "twolines"},
      {"tab\there", "tabhere"},
      {"Abcdefghijklmnopqrstuvwxyz", "Abcdefghijklmnopqrstuvwx"},
      {"\"\"", ""},
      {"a, b", "a, b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.raw);
    EXPECT_EQ(CleanName(c.raw), c.clean);
  }
  // The limit counts characters, not bytes.
  std::string accents;
  for (int i = 0; i < 30; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(CleanName(accents), accents.substr(0, 48));
}

}  // namespace
}  // namespace solo
