// The decoder libraries (the MP3 decoder, the PNG reader) print their own
// complaints on standard error, one per damaged frame or chunk: thousands for one
// bad file. While a DecoderMessages lives, what is written to standard error is
// kept aside instead, so that the game reports each file in one line of its own.
#pragma once

#include <cstdio>

namespace tq {

class DecoderMessages {
 public:
  DecoderMessages();
  ~DecoderMessages();
  DecoderMessages(const DecoderMessages&) = delete;
  DecoderMessages& operator=(const DecoderMessages&) = delete;

  // Ends the capture (if still on) and gives the lines written while it ran, and
  // of them those that speak of an error.
  int Lines();
  int Errors();

 private:
  void Finish();
  std::FILE* kept_ = nullptr;
  int saved_ = -1;
  int lines_ = 0, errors_ = 0;
};

}  // namespace tq
