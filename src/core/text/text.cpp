#include "core/text/text.h"

#include <cstdint>

#include "os/windows_1252.h"

namespace vantrel {

namespace {

unsigned char lowerByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  return c;
}

unsigned char upperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  return c;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string toLowerAnsi(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
  return out;
}

std::string toUpperAnsi(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
  return out;
}

bool equalsIgnoreCaseAnsi(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerByte(static_cast<unsigned char>(a[i])) != lowerByte(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string bytesToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) appendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string ansiToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char ch : text) {
    appendUtf8(out, os::windows1252ToCodePoint(static_cast<unsigned char>(ch)));
  }
  return out;
}

std::string utf8ToAnsi(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    auto c = static_cast<unsigned char>(text[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + len > text.size()) {  // stray byte: keep it as it is
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    std::uint32_t cp = len == 1 ? c : c & (0x7F >> len);
    bool valid = true;
    for (std::size_t k = 1; k < len; ++k) {
      auto cc = static_cast<unsigned char>(text[i + k]);
      if ((cc & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!valid) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    out += os::codePointToWindows1252(cp);
    i += len;
  }
  return out;
}

std::string_view trimBlanks(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return text.substr(b, e - b);
}

bool isBlankText(std::string_view text) { return trimBlanks(text).empty(); }

std::string replaceAll(std::string text, std::string_view what, std::string_view with) {
  if (what.empty()) return text;
  std::size_t pos = 0;
  while ((pos = text.find(what, pos)) != std::string::npos) {
    text.replace(pos, what.size(), with);
    pos += with.size();
  }
  return text;
}

}  // namespace vantrel
