#pragma once

#include "subtitle/output_file.h"
#include "subtitle/subtitle_entry.h"
#include "subtitle/text_reader.h"

namespace lumetra {

// Reads one line. Returns false (no entry) for a line of fewer than four characters.
// Throws SubtitleError: a format failure for a non-digit in a frame number, another failure
// for a line that ends inside a frame number or for reading past the end.
bool ReadMicroDvdEntry(TextReader& input, SubtitleEntry& entry);

// Parses one MicroDVD line (without its break) of four or more characters.
void ParseMicroDvdLine(const std::string& line, SubtitleEntry& entry, long lineNumber);

// "{start}{end}text", or "{start}{}text" when the entry has no end, times converted.
void WriteMicroDvdEntry(OutputFile& output, const SubtitleEntry& entry, double inputUnitsPerSecond,
                        double outputUnitsPerSecond);

}  // namespace lumetra
