#include "support/test_folders.h"

#include <stdlib.h>

#include <cstdio>
#include <mutex>
#include <system_error>

namespace tq::testing {

namespace {

namespace fs = std::filesystem;

// This process's folder, removed with everything in it when the process ends.
class ProcessFolder {
 public:
  ProcessFolder() {
    std::string pattern = (fs::temp_directory_path() / "thornquill-tests-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("thornquill-tests: cannot make a temporary folder");
      std::abort();
    }
    path_ = pattern;
  }
  ~ProcessFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

const fs::path& Root() {
  static const ProcessFolder folder;
  return folder.Path();
}

}  // namespace

fs::path TestFolder(const std::string& name) {
  fs::path path = Root() / name;
  fs::create_directories(path);
  return path;
}

fs::path FreshTestFolder(const std::string& prefix) {
  static std::mutex mutex;
  static int serial = 0;
  std::lock_guard<std::mutex> lock(mutex);
  for (;;) {
    fs::path path = Root() / (prefix + "-" + std::to_string(++serial));
    if (fs::create_directories(path)) return path;
  }
}

}  // namespace tq::testing
