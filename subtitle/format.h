#pragma once

#include <memory>
#include <optional>
#include <string>

#include "subtitle/styling.h"

namespace lumetra {

class ByteSink;
class EntryReader;
class EntryWriter;
class LineReader;

enum class SubtitleFormat { MicroDvd, SubRip, WebVtt, Unknown };

// The start of a file as detection sees it, blank lines before it skipped.
struct OpeningLines {
  std::string first;                        // the first line that is not blank
  std::optional<std::string> following;     // the line right after it, blank or not
  std::optional<std::string> nextNonBlank;  // the next line after it that is not blank
};

// Everything the program knows of one subtitle format. Callers never look further into a
// format than this.
struct FormatDescription {
  SubtitleFormat format;
  const char* name;        // "MicroDVD", "SubRip", "WebVTT"
  const char* extension;   // "sub", "srt", "vtt"
  bool timedInFrames;      // times in frames of the movie; otherwise in milliseconds
  bool declaresFrameRate;  // a file may start with a line that declares its frame rate
  bool (*recognises)(const OpeningLines& lines);
  // Reads entries from `lines`, standing at the start; `frameRateLine` (0: none) holds no entry.
  std::unique_ptr<EntryReader> (*reader)(LineReader& lines, long frameRateLine);
  std::unique_ptr<EntryWriter> (*writer)(ByteSink& sink);
  // How its texts mark italic, bold and underline.
  Styling styling = Styling::Tags;
};

// nullptr for Unknown.
const FormatDescription* Describe(SubtitleFormat format);

// "MicroDVD", "SubRip", "WebVTT" or "Unknown".
const char* FormatName(SubtitleFormat format);
// "sub", "srt", "vtt", or "" for Unknown.
const char* FormatExtension(SubtitleFormat format);
// The frame rate for a format timed in frames, 1000 for milliseconds, 0 for Unknown.
double UnitsPerSecond(SubtitleFormat format, double frameRate);
// The other one of MicroDVD and SubRip: MicroDVD for WebVTT, timed in milliseconds like
// SubRip, and for Unknown.
SubtitleFormat OtherFormat(SubtitleFormat format);

// Reads the opening lines from where `lines` stands and says whose they are.
SubtitleFormat DetectFormat(LineReader& lines);

// Only spaces and tabs, or nothing.
bool IsBlank(std::string_view line);

}  // namespace lumetra
