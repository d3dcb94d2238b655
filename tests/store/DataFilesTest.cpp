#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "store/DataFiles.h"
#include "store/NameText.h"

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
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
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

TEST_F(DataFilesTest, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  ASSERT_EQ(WritePointsFile(Dir(), {1, 2, 3, -6}), "");
  // Root may write into a read-only folder, so the temporary file is also blocked by a folder
  // of its name: either way nothing can be written beside the points file.
  fs::create_directories(dir_ / "Points.dat.tmp" / "in-the-way");
  if (::geteuid() != 0) fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  const std::string error = WritePointsFile(Dir(), {9, 9, 9, -27});
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_NE(error.find("could not be saved"), std::string::npos) << error;
  EXPECT_NE(error.find("Points.dat"), std::string::npos) << error;
  EXPECT_EQ(Get(kPointsFileName), "1,2,3,-6\r\n");
}

TEST_F(DataFilesTest, AWriteIntoAMissingFolderFailsWithAMessage) {
  const std::string error = WritePointsFile((dir_ / "gone").string(), {1, 2, 3, -6});
  EXPECT_NE(error.find("could not be saved"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(dir_ / "gone"));
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
