#pragma once

#include <string>

#include "subtitle/output_file.h"
#include "subtitle/subtitle_entry.h"
#include "subtitle/text_reader.h"

namespace lumetra {

// Reads one block: number line, time line, text lines up to an empty line, and the first
// character of the next block. Throws SubtitleError like the MicroDVD reader.
void ReadSubRipEntry(TextReader& input, SubtitleEntry& entry);

// "hh:mm:ss,mmm" of a whole number of milliseconds; hours may have more digits.
std::string SubRipTime(double milliseconds);
void AppendSubRipTime(std::string& out, double milliseconds);

// Writes one numbered block with its times converted to milliseconds, and the empty line
// after it unless the input is at its end.
void WriteSubRipEntry(OutputFile& output, const SubtitleEntry& entry, long long number,
                      double inputUnitsPerSecond, double outputUnitsPerSecond, bool inputAtEnd);
// The same with the end time given in milliseconds, written without conversion.
void WriteSubRipBlock(OutputFile& output, long long number, double startMs, double endMs,
                      const std::string& text, bool inputAtEnd);

}  // namespace lumetra
