#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "os/paths.h"

namespace vantrel::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path dir = fs::temp_directory_path() /
                 ("vantrel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(dir);
  path_ = dir.string();
  if (path_.back() != os::pathSeparator()) path_ += os::pathSeparator();
}

TempDir::~TempDir() {
  std::error_code ec;
  // Files a test made read-only must not stay behind.
  for (auto& entry : fs::recursive_directory_iterator(path_, ec)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& content) const {
  std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + file(name));
  out << content;
}

std::string TempDir::read(const std::string& name) const {
  std::ifstream in(file(name), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void TempDir::makeDir(const std::string& name) const { fs::create_directories(file(name)); }

}  // namespace vantrel::test
