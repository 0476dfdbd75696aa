#include "platform/paths.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace tq {

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}
namespace {

// '\' becomes '/', and runs of separators become one.
std::string NormaliseSeparators(const std::string& path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path) {
    if (c == '\\') c = '/';
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out += c;
  }
  return out;
}

// True when the directory entry itself is there (a dangling link counts: it is a name
// the folder holds, and creating through it is the caller's business).
bool EntryExists(const std::string& path) {
  std::error_code ec;
  fs::file_status st = fs::symlink_status(path, ec);
  return !ec && st.type() != fs::file_type::not_found && st.type() != fs::file_type::none;
}

// The entry of folder whose name equals name ignoring ASCII case. When several do,
// the smallest name wins, so the answer does not depend on the directory's order.
bool FindIgnoringCase(const std::string& folder, const std::string& name, std::string& found) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? "." : folder, ec);
  if (ec) return false;
  bool any = false;
  for (fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    std::string candidate = it->path().filename().string();
    if (EqualIgnoringAsciiCase(candidate, name) && (!any || candidate < found)) {
      found = candidate;
      any = true;
    }
  }
  return any;
}

}  // namespace

std::string ExecutableFolder() {
  static const std::string folder = [] {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path()) return exe.parent_path().string();
    fs::path cwd = fs::current_path(ec);
    return ec ? std::string(".") : cwd.string();
  }();
  return folder;
}

std::string ResolvePath(const std::string& path) {
  const std::string norm = NormaliseSeparators(path);
  if (norm.empty()) return norm;

  const bool absolute = norm.front() == '/';
  const bool trailingSlash = norm.size() > 1 && norm.back() == '/';

  std::vector<std::string> parts;
  size_t start = absolute ? 1 : 0;
  while (start < norm.size()) {
    size_t slash = norm.find('/', start);
    if (slash == std::string::npos) slash = norm.size();
    parts.push_back(norm.substr(start, slash - start));
    start = slash + 1;
  }

  std::string out = absolute ? "/" : "";
  bool lookingUp = true;  // once a component is missing, the rest cannot exist either
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    std::string chosen = part;
    if (lookingUp && !EntryExists(out + part)) {
      std::string found;
      if (FindIgnoringCase(out, part, found)) {
        chosen = found;
      } else {
        lookingUp = false;
      }
    }
    out += chosen;
    if (i + 1 < parts.size()) out += '/';
  }
  if (trailingSlash && out.back() != '/') out += '/';
  return out;
}

bool EnsureFolderOf(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  const size_t slash = resolved.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return true;
  std::error_code ec;
  fs::create_directories(resolved.substr(0, slash), ec);
  return !ec;
}

std::string RelativeTo(const std::string& path, const std::string& root) {
  const std::string p = NormaliseSeparators(path);
  std::string r = NormaliseSeparators(root);
  if (r.size() > 1 && r.back() == '/') r.pop_back();
  if (r.empty()) return p;
  if (r == "/") return (!p.empty() && p.front() == '/') ? p.substr(1) : p;
  if (p == r) return "";
  if (p.size() > r.size() && p.compare(0, r.size(), r) == 0 && p[r.size()] == '/') {
    return p.substr(r.size() + 1);
  }
  return p;
}

}  // namespace tq
