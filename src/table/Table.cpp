#include "table/Table.h"

#include <charconv>

namespace solo {

void SetNumber(std::string& caption, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  caption.assign(digits, end);
}

}  // namespace solo
