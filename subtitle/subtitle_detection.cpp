#include "subtitle/subtitle_detection.h"

#include "subtitle/text_reader.h"

namespace lumetra {
namespace {

constexpr char kNoCharacter = '\0';

// After the first character of line 1: the first character of line 2, or `first` again when
// there is no line 2. kNoCharacter when nothing at all follows `first`.
char CharacterThatDecides(TextReader& reader, char first) {
  if (reader.atEnd()) {
    return kNoCharacter;
  }
  reader.skipLine();
  return reader.atEnd() ? first : reader.readChar();
}

}  // namespace

const char* DetectedKindName(DetectedKind kind) {
  switch (kind) {
    case DetectedKind::MicroDvd:
      return "MicroDVD";
    case DetectedKind::SubRip:
      return "SubRip";
    case DetectedKind::SubViewer:
      return "SubVieuwer (NOT SUPPORTED!)";
    case DetectedKind::Unknown:
      break;
  }
  return "Unknown";
}

DetectedKind DetectSubtitleKind(const std::string& path) {
  TextReader reader(path);
  if (reader.atEnd()) {
    return DetectedKind::Unknown;
  }
  const char first = reader.readChar();
  switch (first) {
    case '{':
      return CharacterThatDecides(reader, first) == '{' ? DetectedKind::MicroDvd
                                                        : DetectedKind::Unknown;
    case '1': {
      const char held = CharacterThatDecides(reader, first);
      return held >= '0' && held <= '9' ? DetectedKind::SubRip : DetectedKind::Unknown;
    }
    case '[':
      return DetectedKind::SubViewer;
    default:
      return DetectedKind::Unknown;
  }
}

}  // namespace lumetra
