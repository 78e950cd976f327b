// A scratch directory for one test, removed afterwards.
#pragma once

#include <string>

namespace vantrel::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // With the platform's trailing separator.
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + name; }

  void write(const std::string& name, const std::string& content) const;
  std::string read(const std::string& name) const;
  void makeDir(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace vantrel::test
