#include "subtitle/format.h"

#include "subtitle/line_reader.h"
#include "subtitle/microdvd.h"
#include "subtitle/subrip.h"
#include "subtitle/webvtt.h"

namespace lumetra {

const FormatDescription* Describe(SubtitleFormat format) {
  switch (format) {
    case SubtitleFormat::MicroDvd:
      return &MicroDvdFormat();
    case SubtitleFormat::SubRip:
      return &SubRipFormat();
    case SubtitleFormat::WebVtt:
      return &WebVttFormat();
    case SubtitleFormat::Unknown:
      break;
  }
  return nullptr;
}

const char* FormatName(SubtitleFormat format) {
  const FormatDescription* description = Describe(format);
  return description ? description->name : "Unknown";
}

const char* FormatExtension(SubtitleFormat format) {
  const FormatDescription* description = Describe(format);
  return description ? description->extension : "";
}

double UnitsPerSecond(SubtitleFormat format, double frameRate) {
  const FormatDescription* description = Describe(format);
  if (!description) {
    return 0.0;
  }
  return description->timedInFrames ? frameRate : 1000.0;
}

SubtitleFormat OtherFormat(SubtitleFormat format) {
  return format == SubtitleFormat::MicroDvd ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd;
}

bool IsBlank(std::string_view line) {
  for (const char c : line) {
    if (c != ' ' && c != '\t') {
      return false;
    }
  }
  return true;
}

SubtitleFormat DetectFormat(LineReader& lines) {
  OpeningLines opening;
  std::string_view line;
  bool found = false;
  while (!found && lines.next(line)) {
    found = !IsBlank(line);
  }
  if (!found) {
    return SubtitleFormat::Unknown;
  }
  opening.first = line;
  if (lines.next(line)) {
    opening.following = std::string(line);
    while (IsBlank(line) && lines.next(line)) {
    }
    if (!IsBlank(line)) {
      opening.nextNonBlank = std::string(line);
    }
  }
  for (const SubtitleFormat format :
       {SubtitleFormat::WebVtt, SubtitleFormat::SubRip, SubtitleFormat::MicroDvd}) {
    if (Describe(format)->recognises(opening)) {
      return format;
    }
  }
  return SubtitleFormat::Unknown;
}

}  // namespace lumetra
