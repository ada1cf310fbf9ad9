#include "subtitle/subtitle_input.h"

#include "subtitle/entry_io.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {

SubtitleInput::SubtitleInput(const std::string& path)
    : SubtitleInput(LineReader(std::make_unique<FileSource>(path))) {}

SubtitleInput::SubtitleInput(LineReader lines) : lines_(std::move(lines)) {
  if (lines_.holdsNoByte()) {
    throw SubtitleError::Empty(lines_.name());
  }
  format_ = DetectFormat(lines_);
  if (format_ == SubtitleFormat::MicroDvd) {
    lines_.rewind();
    frameRateLine_ = FindFrameRateLine(lines_);
  }
  lines_.rewind();
}

const ListedFrameRate* SubtitleInput::listedFrameRate() const {
  return frameRateLine_ ? ListedRateOf(frameRateLine_->rate) : nullptr;
}

EntryReader& SubtitleInput::entries() {
  if (!entries_) {
    const FormatDescription* description = Describe(format_);
    if (!description) {
      throw SubtitleError::UnknownFormat();
    }
    entries_ = description->reader(lines_, frameRateLineNumber());
  }
  return *entries_;
}

LineReader& SubtitleInput::lines() {
  return lines_;
}

SubtitleFileFacts InspectSubtitleFile(const std::string& path) {
  LineReader lines(std::make_unique<FileSource>(path));
  if (lines.holdsNoByte()) {
    return {};
  }
  try {
    const SubtitleInput input(std::move(lines));
    return {input.format(), input.encoding(), input.listedFrameRate()};
  } catch (const SubtitleError& error) {
    // A line too long for any subtitle: not a subtitle, rather than a failure.
    if (error.number() == error_number::kOutOfMemory) {
      return {};
    }
    throw;
  }
}

std::string DescribeSubtitle(const SubtitleFileFacts& facts) {
  std::string text = std::string(FormatName(facts.format)) + " subtitle";
  std::string details;
  if (const char* label = EncodingLabel(facts.encoding)) {
    details = label;
  }
  if (facts.frameRate) {
    details += (details.empty() ? "" : ", ") + std::string(facts.frameRate->text) + " fps";
  }
  if (!details.empty()) {
    text += " (" + details + ")";
  }
  return text;
}

}  // namespace lumetra
