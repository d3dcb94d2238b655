#pragma once
// Text of player names as the files hold it: decoding what old files contain, and making a
// name storable in the one-line, comma-separated, quoted format.
#include <string>
#include <string_view>

namespace solo {

// The longest name kept, in characters.
constexpr std::size_t kMaxNameLength = 24;

// UTF-8 text from the bytes of a file: a leading byte order mark is dropped, and bytes that are
// not valid UTF-8 are read as the old single-byte Windows encoding (Windows-1252).
std::string DecodeFileText(std::string_view bytes);

// The name as it can be kept: double quotes, line breaks and other control characters removed,
// blanks trimmed, at most kMaxNameLength characters. Input is UTF-8.
std::string CleanName(std::string_view raw);

// Text from a file quoted for a message: in double quotes, at most kMaxQuoted characters (then
// "…"), control characters shown as "?". A huge or hostile field stays a short, safe message.
constexpr std::size_t kMaxQuoted = 40;
std::string QuoteForMessage(std::string_view text);

}  // namespace solo
