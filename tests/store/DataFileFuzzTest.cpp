// Feeds the fuzz target's checks 100,000 generated files, so every build runs them, with or
// without a fuzzing compiler: mutations of the corpus with the bytes that matter to the format.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "fuzz/DataFileCheck.h"

namespace solo {
namespace {

std::vector<std::string> Corpus() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(SOLO_FUZZ_CORPUS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    files.push_back(bytes.str());
  }
  return files;
}

std::string Mutate(std::string text, std::mt19937_64& random) {
  static const std::string kPieces[] = {
      "\"", ",", "\r\n", "\n", " ", "-", "+", "0", "9", "2147483647", "-2147483648", "99999999999999999999",
      "\xEF\xBB\xBF", "\xC3\xA9", "\x80", "\xFF", std::string(1, '\0'), "\t", "\"\"", ",,,,", "\xE2\x80\xA8"};
  const auto below = [&](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(random() % n); };
  for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
    const std::size_t at = below(text.size() + 1);
    switch (random() % 5) {
      case 0: text.insert(at, kPieces[below(std::size(kPieces))]); break;
      case 1: if (at < text.size()) text.erase(at, 1 + below(4)); break;
      case 2: if (at < text.size()) text[at] = static_cast<char>(random()); break;
      case 3: text.insert(at, text.substr(below(text.size()), below(50))); break;
      default: text.insert(at, std::string(1 + below(300), static_cast<char>('0' + random() % 10))); break;
    }
  }
  return text;
}

TEST(DataFileFuzz, HundredThousandGeneratedFilesReadSafely) {
  const std::vector<std::string> corpus = Corpus();
  ASSERT_FALSE(corpus.empty());
  std::mt19937_64 random(20261206);
  int parsed = 0;
  for (int i = 0; i < 100000; ++i) {
    const std::string bytes = Mutate(corpus[random() % corpus.size()], random);
    const std::string failure = fuzz::CheckDataFileText(bytes);
    ASSERT_EQ(failure, "") << "input #" << i << ": " << testing::PrintToString(bytes);
    SeatPoints points{};
    parsed += ParsePointsText(bytes, points).empty();
  }
  // The mutations must reach both sides of the reader, not only its refusals.
  EXPECT_GT(parsed, 1000);
}

}  // namespace
}  // namespace solo
