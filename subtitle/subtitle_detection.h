#pragma once

#include <string>

namespace lumetra {

// What the open dialog makes of a file from the first characters of its first two lines.
// Only MicroDvd and SubRip are accepted; the other two are refused alike.
enum class DetectedKind { MicroDvd, SubRip, SubViewer, Unknown };

// "MicroDVD", "SubRip", "SubVieuwer (NOT SUPPORTED!)" or "Unknown".
const char* DetectedKindName(DetectedKind kind);

// MicroDvd when lines 1 and 2 both begin with '{'; SubRip when line 1 begins with '1' and
// line 2 with a digit. A single line is judged by its first character alone as long as
// anything follows that character. A UTF-8 byte-order mark is set aside first.
// Throws SubtitleError when the file cannot be opened or read.
DetectedKind DetectSubtitleKind(const std::string& path);

}  // namespace lumetra
