#include "os/file_version.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "os/files.h"
#include "os/windows_1252.h"

// Linux programs carry no version resource. A Windows executable (a PE
// image) is read here exactly as Windows reads its version resource; any
// other file whose first line is a dotted version is a plain version file,
// and that line is its FileVersion.

namespace vantrel::os {

namespace {

std::uint16_t u16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

std::uint32_t u32(const std::string& b, std::size_t at) { return u16(b, at) | (static_cast<std::uint32_t>(u16(b, at + 2)) << 16); }

bool fits(const std::string& b, std::size_t at, std::size_t size) { return at <= b.size() && size <= b.size() - at; }

// The bytes of the first RT_VERSION resource of a PE image.
bool versionResourceOf(const std::string& image, std::string& block) {
  if (!fits(image, 0, 0x40) || image[0] != 'M' || image[1] != 'Z') return false;
  std::size_t pe = u32(image, 0x3C);
  if (!fits(image, pe, 24) || std::memcmp(image.data() + pe, "PE\0\0", 4) != 0) return false;
  std::size_t sections = u16(image, pe + 6);
  std::size_t optionalSize = u16(image, pe + 20);
  std::size_t optional = pe + 24;
  if (!fits(image, optional, optionalSize) || optionalSize < 2) return false;
  std::uint16_t magic = u16(image, optional);
  std::size_t directories = magic == 0x20B ? optional + 112 : magic == 0x10B ? optional + 96 : 0;
  if (directories == 0 || !fits(image, directories + 2 * 8, 8)) return false;
  std::uint32_t resourceRva = u32(image, directories + 2 * 8);
  if (resourceRva == 0) return false;

  std::size_t sectionTable = optional + optionalSize;
  auto toOffset = [&](std::uint32_t rva, std::size_t& offset) {
    for (std::size_t i = 0; i < sections; ++i) {
      std::size_t s = sectionTable + i * 40;
      if (!fits(image, s, 40)) return false;
      std::uint32_t va = u32(image, s + 12);
      std::uint32_t size = std::max(u32(image, s + 8), u32(image, s + 16));
      std::uint32_t raw = u32(image, s + 20);
      if (rva >= va && rva - va < size) {
        offset = raw + (rva - va);
        return true;
      }
    }
    return false;
  };
  std::size_t root = 0;
  if (!toOffset(resourceRva, root)) return false;

  // Three levels: type (16 is the version), name, language; the first entry
  // of each level below the type.
  std::size_t directory = root;
  for (int level = 0; level < 3; ++level) {
    if (!fits(image, directory, 16)) return false;
    std::size_t entries = static_cast<std::size_t>(u16(image, directory + 12)) + u16(image, directory + 14);
    std::size_t chosen = 0;
    bool found = false;
    for (std::size_t i = 0; i < entries && i < 4096; ++i) {
      std::size_t e = directory + 16 + i * 8;
      if (!fits(image, e, 8)) return false;
      std::uint32_t name = u32(image, e);
      if (level > 0 || name == 16) {
        chosen = u32(image, e + 4);
        found = true;
        break;
      }
    }
    if (!found) return false;
    bool subdirectory = (chosen & 0x80000000u) != 0;
    if (level < 2 ? !subdirectory : subdirectory) return false;
    directory = root + (chosen & 0x7FFFFFFFu);
  }
  if (!fits(image, directory, 16)) return false;
  std::size_t offset = 0;
  std::uint32_t size = u32(image, directory + 4);
  if (!toOffset(u32(image, directory), offset) || !fits(image, offset, size)) return false;
  block = image.substr(offset, size);
  return true;
}

// One node of a version block: its key, value and children.
struct Node {
  std::u16string key;
  std::size_t valueAt = 0;
  std::size_t valueSize = 0;
  bool text = false;
  std::vector<Node> children;
};

std::size_t align4(std::size_t v) { return (v + 3) & ~static_cast<std::size_t>(3); }

bool parseNode(const std::string& b, std::size_t at, std::size_t end, int depth, Node& node) {
  if (depth > 6 || !fits(b, at, 6)) return false;
  std::size_t length = u16(b, at);
  std::size_t valueLength = u16(b, at + 2);
  node.text = u16(b, at + 4) == 1;
  if (length < 6 || at + length > end) return false;
  std::size_t nodeEnd = at + length;
  std::size_t p = at + 6;
  while (p + 1 < nodeEnd && u16(b, p) != 0) {
    node.key += static_cast<char16_t>(u16(b, p));
    p += 2;
  }
  p = align4(p + 2);
  std::size_t valueBytes = node.text ? valueLength * 2 : valueLength;
  node.valueAt = p;
  node.valueSize = p <= nodeEnd ? std::min(valueBytes, nodeEnd - p) : 0;
  p = align4(p + valueBytes);
  while (p + 6 <= nodeEnd) {
    Node child;
    if (!parseNode(b, p, nodeEnd, depth + 1, child)) break;
    std::size_t childLength = u16(b, p);
    node.children.push_back(std::move(child));
    p = align4(p + childLength);
  }
  // A text leaf whose length was counted in bytes: its text runs to the node's end.
  if (node.text && node.children.empty() && p <= nodeEnd) node.valueSize = nodeEnd - node.valueAt;
  return true;
}

char16_t foldCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool sameKey(const std::u16string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldCase(a[i]) != foldCase(static_cast<char16_t>(static_cast<unsigned char>(b[i])))) return false;
  return true;
}

bool isDottedVersion(const std::string& line) {
  if (line.empty() || line.front() == '.' || line.back() == '.') return false;
  bool lastDot = false;
  for (char c : line) {
    if (c == '.') {
      if (lastDot) return false;
      lastDot = true;
    } else if (c >= '0' && c <= '9') {
      lastDot = false;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

struct FileVersionResource::State {
  std::string block;
  Node root;
  bool loaded = false;
  std::string plainVersion;  // the first line of a plain version file
};

FileVersionResource::FileVersionResource() : state_(std::make_unique<State>()) {}
FileVersionResource::~FileVersionResource() = default;

bool FileVersionResource::load(const std::string& file) {
  State& s = *state_;
  std::string content;
  if (!readWholeFile(file, content)) return false;
  if (versionResourceOf(content, s.block)) {
    s.loaded = parseNode(s.block, 0, s.block.size(), 0, s.root);
    return s.loaded;
  }
  std::string line = content.substr(0, content.find('\n'));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (!isDottedVersion(line)) return false;
  s.plainVersion = line;
  s.loaded = true;
  return true;
}

bool FileVersionResource::translation(std::uint16_t& language, std::uint16_t& codePage) const {
  const State& s = *state_;
  if (!s.loaded) return false;
  if (!s.plainVersion.empty()) {
    language = 0;
    codePage = 0;
    return true;
  }
  for (const Node& info : s.root.children) {
    if (!sameKey(info.key, "VarFileInfo")) continue;
    for (const Node& var : info.children) {
      if (sameKey(var.key, "Translation") && var.valueSize >= 4) {
        language = u16(s.block, var.valueAt);
        codePage = u16(s.block, var.valueAt + 2);
        return true;
      }
    }
  }
  return false;
}

bool FileVersionResource::queryText(const std::string& path, std::string& value) const {
  const State& s = *state_;
  if (!s.loaded) return false;
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  if (!s.plainVersion.empty()) {
    if (parts.size() == 3 && parts[0] == "StringFileInfo" && parts[1] == "00000000" && parts[2] == "FileVersion") {
      value = s.plainVersion;
      return true;
    }
    return false;
  }
  const Node* node = &s.root;
  for (const std::string& part : parts) {
    const Node* next = nullptr;
    for (const Node& child : node->children) {
      if (sameKey(child.key, part)) {
        next = &child;
        break;
      }
    }
    if (next == nullptr) return false;
    node = next;
  }
  value.clear();
  for (std::size_t i = 0; i + 1 < node->valueSize; i += 2) {
    std::uint32_t c = u16(s.block, node->valueAt + i);
    if (c == 0) break;
    if (c >= 0xD800 && c <= 0xDFFF) {
      value += '?';
      continue;
    }
    value += codePointToWindows1252(c);
  }
  return true;
}

std::string FileVersionResource::languageName(std::uint16_t language) const {
  switch (language) {
    case 0x0000: return "Sprachneutral";
    case 0x0407: return "Deutsch (Deutschland)";
    case 0x0807: return "Deutsch (Schweiz)";
    case 0x0C07: return "Deutsch (\xD6sterreich)";
    case 0x0409: return "Englisch (USA)";
    case 0x0809: return "Englisch (Gro\xDF" "britannien)";
    case 0x040C: return "Franz\xF6sisch (Frankreich)";
    default: return {};
  }
}

}  // namespace vantrel::os
