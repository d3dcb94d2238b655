// libFuzzer target for the names and points readers:
//   build-fuzz/tests/fuzz/solo_fuzz_data_files tests/fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "DataFileCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure =
      solo::fuzz::CheckDataFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
