// A private directory under the system temp directory, removed with everything in it
// when the object goes.
#pragma once

#include <string>

namespace kx760sim {

class TempDir {
 public:
  // `stem` names the directory (/tmp/STEM-XXXXXX); throws std::runtime_error on failure.
  explicit TempDir(const std::string& stem);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace kx760sim
