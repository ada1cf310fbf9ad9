#pragma once

#include <memory>
#include <optional>
#include <string>

#include "subtitle/entry_io.h"
#include "subtitle/format.h"
#include "subtitle/frame_rates.h"
#include "subtitle/line_reader.h"
#include "subtitle/microdvd.h"
#include "subtitle/text_choice.h"
#include "subtitle/text_encoding.h"

namespace lumetra {

// An input subtitle, opened once: only a regular file is taken, its byte-order mark tells its
// encoding, its opening lines its format, and a MicroDVD file may declare its frame rate in
// its first line. Then it stands at its start for reading. Throws SubtitleError: the failures
// of opening and reading, and "The file is empty" for a file without a single byte.
class SubtitleInput {
 public:
  explicit SubtitleInput(const std::string& path, const TextChoice& choice = {});
  // The code page of bytes without a byte-order mark is detected, or the one chosen is taken
  // (a failure when iconv does not know it); a mark decides over both.
  SubtitleInput(std::unique_ptr<ByteSource> source, const TextChoice& choice);
  // Bytes as they are, their code page not looked at.
  explicit SubtitleInput(LineReader lines);

  SubtitleFormat format() const { return format_; }
  TextEncoding encoding() const { return lines_.encoding(); }
  // "UTF-8", "UTF-16", "windows-1250"...; "" for plain ASCII or when not looked at.
  const std::string& codePage() const { return codePage_; }
  // True when the text is read as UTF-8 and written so, whatever the input's bytes were.
  bool writesUtf8() const { return writesUtf8_; }
  // The code page its outputs are written in.
  std::string writtenCodePage() const { return writesUtf8_ ? "UTF-8" : codePage_; }
  const std::optional<FrameRateLine>& frameRateLine() const { return frameRateLine_; }
  // The number of that line, which a reader passes by; 0 when there is none.
  long frameRateLineNumber() const { return frameRateLine_ ? frameRateLine_->lineNumber : 0; }
  // The declared frame rate when it is one of the listed rates, else nullptr.
  const ListedFrameRate* listedFrameRate() const;
  // The entries from the start; throws for a file of no known format.
  EntryReader& entries();
  // The lines from the start, for an operation that reads them its own way.
  LineReader& lines();

 private:
  struct OpenedText;
  SubtitleInput(OpenedText text);
  static OpenedText Open(std::unique_ptr<ByteSource> source, const TextChoice& choice);
  void recognise();

  LineReader lines_;
  std::string codePage_;
  bool writesUtf8_ = false;
  SubtitleFormat format_ = SubtitleFormat::Unknown;
  std::optional<FrameRateLine> frameRateLine_;
  std::unique_ptr<EntryReader> entries_;
};

// What choosing a file tells of it.
struct SubtitleFileFacts {
  SubtitleFormat format = SubtitleFormat::Unknown;
  TextEncoding encoding = TextEncoding::Bytes;
  std::string codePage;                        // as SubtitleInput::codePage()
  const ListedFrameRate* frameRate = nullptr;  // a listed rate its frame-rate line declares
};
// Unknown for an empty file or one of no known format. Throws SubtitleError when the file
// cannot be opened or read.
SubtitleFileFacts InspectSubtitleFile(const std::string& path, const TextChoice& choice = {});
// "MicroDVD subtitle", with what else a user should know: "SubRip subtitle (windows-1250)",
// "MicroDVD subtitle (UTF-16, 23.976 fps)".
std::string DescribeSubtitle(const SubtitleFileFacts& facts);

}  // namespace lumetra
