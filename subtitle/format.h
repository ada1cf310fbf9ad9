#pragma once

#include <string>

namespace lumetra {

enum class SubtitleFormat { MicroDvd, SubRip, Unknown };

// "MicroDVD", "SubRip" or "Unknown".
const char* FormatName(SubtitleFormat format);
// "sub", "srt", or "" for Unknown.
const char* FormatExtension(SubtitleFormat format);
// A file is recognised by its first character: '{' MicroDVD, '1' SubRip.
SubtitleFormat FormatOfFirstCharacter(char first);
// Units per second: the frame rate for MicroDVD, 1000 for SubRip, 0 for Unknown.
double UnitsPerSecond(SubtitleFormat format, double frameRate);
// Opens the file and tests its first character (after a UTF-8 byte-order mark).
// Throws SubtitleError when it cannot be opened or is empty.
SubtitleFormat DetectFileFormat(const std::string& path);

}  // namespace lumetra
