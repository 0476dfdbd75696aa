#include "assets/make_assets.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_writers.h"
#include "assets/drawing_stamp.h"
#include "assets/panel_pictures.h"
#include "platform/paths.h"

namespace assets {

namespace {

// Failures that every file of the folder would meet alike.
bool FolderWide(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == ENOSPC || error == EDQUOT ||
         error == ENOENT || error == ENOTDIR;
}

// FNV-1a over 64 bits: the same value on every run and machine.
class Fnv1a {
 public:
  void Bytes(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) value_ = (value_ ^ p[i]) * 1099511628211ull;
  }
  // Each text ends with a NUL, so "ab","c" and "a","bc" differ.
  void Text(std::string_view text) {
    Bytes(text.data(), text.size());
    Bytes("", 1);
  }
  void Number(int64_t n) {
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(static_cast<uint64_t>(n) >> (8 * i));
    Bytes(bytes, sizeof bytes);
  }
  uint64_t Value() const { return value_; }

 private:
  uint64_t value_ = 14695981039346656037ull;
};

uint64_t BytesHash(const std::vector<uint8_t>& bytes) {
  Fnv1a h;
  h.Bytes(bytes.data(), bytes.size());
  return h.Value();
}

// The hash of a file's bytes as they are now; none when it cannot be read whole.
std::optional<uint64_t> FileHash(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return std::nullopt;
  Fnv1a h;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) h.Bytes(buffer, static_cast<size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return h.Value();
}

// Everything a file's bytes are drawn from: the drawing code's stamp and the row's
// fields the drawing reads. The row's list of numbers is left out: adding a number
// to a row does not change the files it already named. A thumbnail sheet also takes
// the hashes of the pictures it copies (listed before it or not).
std::vector<uint64_t> RowHashes(const std::vector<AssetFile>& files) {
  std::vector<uint64_t> hashes;
  std::map<std::string, uint64_t> byPath;
  for (const AssetFile& f : files) {
    Fnv1a h;
    h.Text(kDrawingStamp);
    h.Text(f.path);
    h.Number(f.number);
    h.Text(f.row->path);
    h.Number(static_cast<int>(f.row->look));
    for (int n : {f.row->width, f.row->height, f.row->cellWidth, f.row->cellHeight, f.row->states}) h.Number(n);
    h.Text(f.row->shows);
    hashes.push_back(h.Value());
    byPath.emplace(f.path, h.Value());
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (files[i].row->look != Look::Thumbs) continue;
    Fnv1a h;
    h.Number(static_cast<int64_t>(hashes[i]));
    for (const std::string& source : ThumbSources(*files[i].row)) {
      const auto found = byPath.find(source);
      h.Number(found == byPath.end() ? 0 : static_cast<int64_t>(found->second));
    }
    hashes[i] = h.Value();
  }
  return hashes;
}

struct Written {
  uint64_t row = 0;    // what drew it
  uint64_t bytes = 0;  // what was written
};
using WrittenList = std::map<std::string, Written>;

constexpr char kListHeader[] =
    "# The files make-assets wrote: the hash of what drew each, the hash of the bytes written, the path.\n"
    "# A file whose bytes differ from these is someone else's, and make-assets keeps it.\n";
// A list larger than this is not one make-assets wrote (the table names a few
// thousand files): it is read as no list.
constexpr uintmax_t kListLimit = 16u << 20;

bool ParseHex(std::string_view text, uint64_t& value) {
  if (text.size() != 16) return false;
  value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return false;
    value = value << 4 | static_cast<uint64_t>(digit);
  }
  return true;
}

// Lines that are not "<16 hex> <16 hex> <path>" are passed over: a damaged line only
// costs that file being taken for someone else's.
WrittenList ReadList(const std::string& path) {
  WrittenList list;
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(std::filesystem::u8path(path), ec);
  if (ec || size > kListLimit) return list;
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    Written w;
    if (line.size() < 35 || line[16] != ' ' || line[33] != ' ') continue;
    if (!ParseHex(std::string_view(line).substr(0, 16), w.row)) continue;
    if (!ParseHex(std::string_view(line).substr(17, 16), w.bytes)) continue;
    list[line.substr(34)] = w;
  }
  return list;
}

bool WriteList(const std::string& path, const WrittenList& list, int* error) {
  std::string text = kListHeader;
  char hashes[40];
  for (const auto& [file, w] : list) {
    if (file.find('\n') != std::string::npos) continue;
    std::snprintf(hashes, sizeof hashes, "%016" PRIx64 " %016" PRIx64 " ", w.row, w.bytes);
    text += hashes + file + "\n";
  }
  return WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()), error);
}

}  // namespace

GenerateResult GenerateAssets(const std::string& root) { return GenerateAssets(root, AssetTable()); }

GenerateResult GenerateAssets(const std::string& root, std::span<const AssetRow> table) {
  GenerateResult result;
  const std::vector<AssetFile> files = ExpandAssets(table);
  const std::vector<uint64_t> rowHashes = RowHashes(files);
  const std::string listPath = root + "/" + kWrittenListName;
  WrittenList list = ReadList(listPath);
  bool listChanged = false;
  // A folder that cannot be written fails thousands of files alike: the first such
  // failure stops the run, with its reason.
  for (size_t i = 0; i < files.size(); ++i) {
    const AssetFile& file = files[i];
    const uint64_t rowHash = rowHashes[i];
    // The exact name first: resolving each component without regard to case lists
    // whole folders, which thousands of voices would make slow.
    std::error_code ec;
    std::string path = root + "/" + file.path;
    if (!std::filesystem::exists(path, ec)) path = tq::ResolvePath(path);
    const bool there = std::filesystem::exists(path, ec);
    const auto entry = list.find(file.path);
    if (there) {
      // Up to date, or not ours: either way it stays, without reading it.
      if (entry == list.end() || entry->second.row == rowHash) {
        ++result.kept;
        continue;
      }
      // Ours once, but changed since (or replaced under another letter case): the
      // user's now, for good.
      if (FileHash(path) != entry->second.bytes) {
        list.erase(entry);
        listChanged = true;
        ++result.kept;
        continue;
      }
    } else {
      const std::filesystem::path folder = std::filesystem::path(path).parent_path();
      std::filesystem::create_directories(folder, ec);
      if (ec) {
        ++result.failed;
        result.stopped = true;
        std::fprintf(stderr, "make-assets: cannot make the folder %s: %s\n", folder.c_str(), ec.message().c_str());
        break;
      }
    }
    const bool picture = IsPicture(file.row->look);
    const std::vector<uint8_t> bytes = picture ? EncodeBmp(DrawPicture(file)) : EncodeWav(SynthesizeSound(file));
    const uint64_t bytesHash = BytesHash(bytes);
    if (there && bytesHash == entry->second.bytes) {
      // The change did not reach this file's bytes: nothing to write.
      entry->second.row = rowHash;
      listChanged = true;
      ++result.kept;
      continue;
    }
    int error = 0;
    if (WriteFileAtomically(path, bytes, &error)) {
      ++(there ? result.refreshed : result.written);
      list[file.path] = {rowHash, bytesHash};
      listChanged = true;
    } else {
      ++result.failed;
      std::fprintf(stderr, "make-assets: cannot write %s: %s\n", path.c_str(), std::strerror(error));
      if (FolderWide(error)) {
        result.stopped = true;
        break;
      }
    }
  }
  int error = 0;
  if (listChanged && !WriteList(listPath, list, &error)) {
    // The files stay, but are not known as ours: they will not be redrawn.
    ++result.failed;
    std::fprintf(stderr, "make-assets: cannot write %s: %s\n", listPath.c_str(), std::strerror(error));
  }
  return result;
}

}  // namespace assets
