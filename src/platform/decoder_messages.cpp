#include "platform/decoder_messages.h"

#include <unistd.h>

#include <cstring>

namespace tq {

DecoderMessages::DecoderMessages() {
  // A file, not a pipe: a decoder that writes more than a pipe holds would block.
  kept_ = std::tmpfile();
  if (kept_ == nullptr) return;
  std::fflush(stderr);
  saved_ = ::dup(STDERR_FILENO);
  if (saved_ < 0 || ::dup2(::fileno(kept_), STDERR_FILENO) < 0) {
    if (saved_ >= 0) ::close(saved_);
    saved_ = -1;
    std::fclose(kept_);
    kept_ = nullptr;
  }
}

DecoderMessages::~DecoderMessages() { Finish(); }

void DecoderMessages::Finish() {
  if (kept_ == nullptr) return;
  std::fflush(stderr);
  ::dup2(saved_, STDERR_FILENO);
  ::close(saved_);
  saved_ = -1;
  std::rewind(kept_);
  char line[512];
  bool lineStart = true;
  while (std::fgets(line, sizeof line, kept_) != nullptr) {
    if (lineStart) {
      ++lines_;
      if (std::strstr(line, "error") != nullptr || std::strstr(line, "Error") != nullptr) ++errors_;
    }
    lineStart = std::strchr(line, '\n') != nullptr;
  }
  std::fclose(kept_);
  kept_ = nullptr;
}

int DecoderMessages::Lines() {
  Finish();
  return lines_;
}

int DecoderMessages::Errors() {
  Finish();
  return errors_;
}

}  // namespace tq
