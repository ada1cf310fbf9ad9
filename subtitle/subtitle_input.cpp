#include "subtitle/subtitle_input.h"

#include "subtitle/code_page.h"
#include "subtitle/decoding_source.h"
#include "subtitle/entry_io.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {

struct SubtitleInput::OpenedText {
  LineReader lines;
  std::string codePage;
  bool writesUtf8;
};

SubtitleInput::OpenedText SubtitleInput::Open(std::unique_ptr<ByteSource> source,
                                              const TextChoice& choice) {
  const InputText text = KnowInputText(*source, choice.inputEncoding);
  const std::string& codePage = text.codePage;
  const bool decodes = choice.writeUtf8 && text.marked == TextEncoding::Bytes &&
                       !codePage.empty() && codePage != "UTF-8";
  if (decodes) {
    source = std::make_unique<DecodingSource>(std::move(source), codePage);
  }
  LineReader lines(std::move(source));
  if (!decodes) {
    lines.setLeadBytes(LeadBytesOf(codePage));
  }
  return {std::move(lines), codePage, choice.writeUtf8};
}

SubtitleInput::SubtitleInput(const std::string& path, const TextChoice& choice)
    : SubtitleInput(std::make_unique<FileSource>(path), choice) {}

SubtitleInput::SubtitleInput(std::unique_ptr<ByteSource> source, const TextChoice& choice)
    : SubtitleInput(Open(std::move(source), choice)) {}

SubtitleInput::SubtitleInput(OpenedText text)
    : lines_(std::move(text.lines)),
      codePage_(std::move(text.codePage)),
      writesUtf8_(text.writesUtf8) {
  recognise();
}

SubtitleInput::SubtitleInput(LineReader lines) : lines_(std::move(lines)) {
  recognise();
}

void SubtitleInput::recognise() {
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

SubtitleFileFacts InspectSubtitleFile(const std::string& path, const TextChoice& choice) {
  auto source = std::make_unique<FileSource>(path);
  char first;
  if (source->read(&first, 1) == 0) {
    return {};
  }
  source->rewind();
  try {
    const SubtitleInput input(std::move(source), choice);
    if (input.format() == SubtitleFormat::Unknown) {
      return {};
    }
    return {input.format(), input.encoding(), input.codePage(), input.listedFrameRate()};
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
  std::string details = facts.codePage;
  if (const char* label = EncodingLabel(facts.encoding); label && details.empty()) {
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
