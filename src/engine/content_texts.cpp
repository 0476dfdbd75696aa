#include "engine/content_texts.h"

std::span<const char* const> ContentLines(std::string_view game, std::string_view name) {
  for (const ContentFile& file : ContentFiles()) {
    if (game == file.Game && name == file.Name) return {file.Lines, static_cast<size_t>(file.LineCount)};
  }
  return {};
}
