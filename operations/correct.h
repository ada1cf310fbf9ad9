#pragma once

#include "operations/frame.h"

namespace lumetra {

enum class CorrectLanguage { English, French };

// Which repairs run (the four check boxes of the Correct tab) and the language buttons.
struct CorrectSettings {
  bool quotes = true;       // chkQuotes
  bool il = true;           // chkIl
  bool fullStops = true;    // chkLeesteken
  bool digitSpaces = true;  // chkGetallen
  CorrectLanguage language = CorrectLanguage::English;
};

// Repairs every entry and writes base name + " - corrected" in the output format.
void Correct(const CommonParams& params, const CorrectSettings& settings, FrameView& view);

}  // namespace lumetra
