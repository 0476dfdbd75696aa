// Draws the stand-in pictures and synthesizes the stand-in sounds of the asset table.
#pragma once

#include <vector>

#include "assets/asset_table.h"
#include "platform/pixels.h"

namespace assets {

tq::Surface DrawPicture(const AssetFile& file);
std::vector<float> SynthesizeSound(const AssetFile& file);
bool IsPicture(Look look);

}  // namespace assets
