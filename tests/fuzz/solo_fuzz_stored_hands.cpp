// libFuzzer target for reading a hand back from the history (a row's fields parted by '|'):
//   build-fuzz/tests/fuzz/solo_fuzz_stored_hands tests/fuzz/stored-corpus
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "StoredHandCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string failure = solo::fuzz::CheckStoredRow(solo::fuzz::RowFromBytes(bytes));
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
