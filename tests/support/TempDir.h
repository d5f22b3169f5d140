#pragma once
// A throwaway folder for one test, removed with everything in it afterwards.
#include <string>

namespace tarvo::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Writes bytes to a file below the folder (parents created).
  void Write(const std::string& name, std::string_view bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace tarvo::testing
