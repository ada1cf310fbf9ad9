#include "subtitle/format.h"

#include "subtitle/text_reader.h"

namespace lumetra {

const char* FormatName(SubtitleFormat format) {
  switch (format) {
    case SubtitleFormat::MicroDvd:
      return "MicroDVD";
    case SubtitleFormat::SubRip:
      return "SubRip";
    case SubtitleFormat::Unknown:
      break;
  }
  return "Unknown";
}

const char* FormatExtension(SubtitleFormat format) {
  switch (format) {
    case SubtitleFormat::MicroDvd:
      return "sub";
    case SubtitleFormat::SubRip:
      return "srt";
    case SubtitleFormat::Unknown:
      break;
  }
  return "";
}

SubtitleFormat FormatOfFirstCharacter(char first) {
  if (first == '{') {
    return SubtitleFormat::MicroDvd;
  }
  if (first == '1') {
    return SubtitleFormat::SubRip;
  }
  return SubtitleFormat::Unknown;
}

double UnitsPerSecond(SubtitleFormat format, double frameRate) {
  switch (format) {
    case SubtitleFormat::MicroDvd:
      return frameRate;
    case SubtitleFormat::SubRip:
      return 1000.0;
    case SubtitleFormat::Unknown:
      break;
  }
  return 0.0;
}

SubtitleFormat DetectFileFormat(const std::string& path) {
  TextReader reader(path);
  return FormatOfFirstCharacter(reader.readChar());
}

}  // namespace lumetra
