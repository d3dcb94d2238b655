#include "store/NameText.h"

#include <cstdint>
#include <vector>

namespace solo {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned bytes map to the C1 controls of the same
// number, which CleanName then drops.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the valid UTF-8 sequence at the start of `b`, with its code point; 0 if invalid.
std::size_t DecodeOne(std::string_view b, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(b[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) {
    cp = lead;
    return 1;
  }
  std::size_t len;
  char32_t min;
  if ((lead & 0xE0) == 0xC0) {
    len = 2, cp = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    len = 3, cp = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    len = 4, cp = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (b.size() < len) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are not valid UTF-8.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> out;
  while (!text.empty()) {
    char32_t cp = 0;
    std::size_t len = DecodeOne(text, cp);
    if (len == 0) {
      cp = 0xFFFD;
      len = 1;
    }
    out.push_back(cp);
    text.remove_prefix(len);
  }
  return out;
}

bool IsDropped(char32_t c) {
  return c == U'"' || c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0xFEFF;
}

bool IsBlank(char32_t c) { return c == U' ' || c == 0xA0 || c == 0x3000; }

}  // namespace

std::string DecodeFileText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t cp = 0;
    std::size_t len = DecodeOne(bytes, cp);
    if (len == 0) {
      const auto b = static_cast<std::uint8_t>(bytes[0]);
      cp = b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : b;
      len = 1;
    }
    AppendUtf8(out, cp);
    bytes.remove_prefix(len);
  }
  return out;
}

std::string CleanName(std::string_view raw) {
  std::vector<char32_t> kept;
  for (char32_t c : CodePoints(raw))
    if (!IsDropped(c)) kept.push_back(c);
  std::size_t begin = 0, end = kept.size();
  while (begin < end && IsBlank(kept[begin])) ++begin;
  while (end > begin && IsBlank(kept[end - 1])) --end;
  if (end - begin > kMaxNameLength) end = begin + kMaxNameLength;
  while (end > begin && IsBlank(kept[end - 1])) --end;
  std::string out;
  for (std::size_t i = begin; i < end; ++i) AppendUtf8(out, kept[i]);
  return out;
}

std::string QuoteForMessage(std::string_view text) {
  std::string out = "\"";
  std::size_t count = 0;
  while (!text.empty()) {
    if (count == kMaxQuoted) {
      out += "\xE2\x80\xA6";  // …
      break;
    }
    char32_t cp = 0;
    std::size_t len = DecodeOne(text, cp);
    if (len == 0) cp = 0xFFFD, len = 1;
    AppendUtf8(out, IsDropped(cp) && cp != U'"' ? U'?' : cp);
    text.remove_prefix(len);
    ++count;
  }
  return out + "\"";
}

}  // namespace solo
