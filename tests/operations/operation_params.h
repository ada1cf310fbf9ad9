#pragma once

#include <string>

#include "operations/frame.h"

namespace lumetra::testing {

inline constexpr auto kSub = SubtitleFormat::MicroDvd;
inline constexpr auto kSrt = SubtitleFormat::SubRip;

// The window's values for one run, with both post-success options off.
inline CommonParams Params(const std::string& input, SubtitleFormat output = kSub,
                           double rate = 25.0) {
  CommonParams params;
  params.inputPath = input;
  params.frameRate = rate;
  params.outputFormat = output;
  return params;
}

}  // namespace lumetra::testing
