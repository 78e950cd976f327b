#include "ui/page_text.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "os/windows_1252.h"

namespace vantrel {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::string lowerAscii(std::string s) {
  for (char& c : s) c = lower(c);
  return s;
}

// The tag name of "<name ...>" or "</name>", lower case.
std::string tagName(const std::string& tag) {
  std::size_t i = tag[0] == '/' ? 1 : 0;
  std::size_t end = i;
  while (end < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[end])) != 0)) ++end;
  return lowerAscii(tag.substr(i, end - i));
}

bool breaksLine(const std::string& name) {
  static const char* const names[] = {"br", "p", "div", "li", "ul", "ol", "tr", "table", "h1", "h2", "h3",
                                      "h4", "h5", "h6", "hr", "pre", "blockquote", "dt", "dd", "title"};
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

struct Entity {
  const char* name;
  unsigned codePoint;
};
const Entity kEntities[] = {{"amp", '&'},     {"lt", '<'},      {"gt", '>'},      {"quot", '"'},
                            {"apos", '\''},   {"nbsp", ' '},    {"auml", 0xE4},   {"ouml", 0xF6},
                            {"uuml", 0xFC},   {"Auml", 0xC4},   {"Ouml", 0xD6},   {"Uuml", 0xDC},
                            {"szlig", 0xDF},  {"euro", 0x20AC}, {"copy", 0xA9},   {"reg", 0xAE},
                            {"ndash", 0x2013}, {"mdash", 0x2014}, {"bdquo", 0x201E}, {"ldquo", 0x201C},
                            {"rdquo", 0x201D}, {"hellip", 0x2026}, {"eacute", 0xE9}, {"bull", 0x2022}};

// Decodes the entity at text[i] == '&'; returns its length, 0 when it is none.
std::size_t entity(const std::string& text, std::size_t i, std::string& out) {
  std::size_t semi = text.find(';', i);
  if (semi == std::string::npos || semi - i > 10) return 0;
  std::string name = text.substr(i + 1, semi - i - 1);
  if (name.size() > 1 && name[0] == '#') {
    unsigned long cp = name[1] == 'x' || name[1] == 'X' ? std::strtoul(name.c_str() + 2, nullptr, 16)
                                                      : std::strtoul(name.c_str() + 1, nullptr, 10);
    if (cp == 0 || cp > 0x10FFFF) return 0;
    out += cp == 0xA0 ? ' ' : os::codePointToWindows1252(static_cast<std::uint32_t>(cp));
    return semi - i + 1;
  }
  for (const Entity& e : kEntities) {
    if (name == e.name) {
      out += os::codePointToWindows1252(e.codePoint);
      return semi - i + 1;
    }
  }
  return 0;
}

// A page in UTF-8 (valid, with at least one multi-byte sequence) becomes
// Windows-1252; any other page is taken as Windows-1252 already.
std::string asWindows1252(const std::string& page) {
  std::string out;
  bool multiByte = false;
  for (std::size_t i = 0; i < page.size();) {
    auto c = static_cast<unsigned char>(page[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + len > page.size()) return page;
    std::uint32_t cp = len == 1 ? c : c & (0x7Fu >> len);
    for (std::size_t k = 1; k < len; ++k) {
      auto cc = static_cast<unsigned char>(page[i + k]);
      if ((cc & 0xC0) != 0x80) return page;
      cp = (cp << 6) | (cc & 0x3F);
    }
    multiByte = multiByte || len > 1;
    out += os::codePointToWindows1252(cp);
    i += len;
  }
  return multiByte ? out : page;
}

}  // namespace

std::string pageText(const std::string& page) {
  const std::string html = asWindows1252(page);
  // First pass: tags out, breaks in, entities decoded.
  std::string raw;
  std::size_t i = 0;
  while (i < html.size()) {
    char c = html[i];
    if (c == '<') {
      if (html.compare(i, 4, "<!--") == 0) {
        std::size_t end = html.find("-->", i + 4);
        i = end == std::string::npos ? html.size() : end + 3;
        continue;
      }
      std::size_t end = html.find('>', i + 1);
      if (end == std::string::npos) break;
      std::string tag = html.substr(i + 1, end - i - 1);
      std::string name = tag.empty() ? "" : tagName(tag);
      i = end + 1;
      if ((name == "script" || name == "style") && tag[0] != '/') {
        std::string lowered = lowerAscii(html.substr(i));
        std::size_t close = lowered.find("</" + name);
        i = close == std::string::npos ? html.size() : i + close;
        continue;
      }
      if (name == "li" && tag[0] != '/') raw += "\n- ";
      else if (name != "li" && breaksLine(name)) raw += '\n';
      continue;
    }
    if (c == '&') {
      std::size_t used = entity(html, i, raw);
      if (used > 0) {
        i += used;
        continue;
      }
    }
    raw += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
    ++i;
  }
  // Second pass: blanks collapsed, lines trimmed, at most one empty line.
  std::string out;
  std::string line;
  int emptyLines = 0;
  auto flush = [&] {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (line.empty()) {
      if (!out.empty() && emptyLines == 0) out += '\n';
      ++emptyLines;
    } else {
      out += line + '\n';
      emptyLines = 0;
    }
    line.clear();
  };
  for (char c : raw) {
    if (c == '\n') {
      flush();
    } else if (c == ' ') {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else {
      line += c;
    }
  }
  flush();
  while (!out.empty() && out.back() == '\n' && out.size() >= 2 && out[out.size() - 2] == '\n') out.pop_back();
  return out;
}

std::string localPathOfUrl(const std::string& url) {
  // "file:\\" + a local path, as the program builds it, or the usual "file://".
  std::string scheme = lowerAscii(url.substr(0, 7));
  if (scheme == "file:\\\\" || scheme == "file://") return url.substr(7);
  return {};
}

}  // namespace vantrel
