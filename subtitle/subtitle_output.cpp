#include "subtitle/subtitle_output.h"

#include <stdexcept>

#include "subtitle/subtitle_input.h"

namespace lumetra {

SubtitleOutput::SubtitleOutput(ByteSink& sink, SubtitleFormat format, const SubtitleInput& input,
                               std::optional<std::string_view> newRateText)
    : encoded_(sink, input.encoding()) {
  const FormatDescription* description = Describe(format);
  if (!description) {
    throw std::invalid_argument("no writer for an unknown format");
  }
  // UTF-8 written on request has a mark only when the input had one.
  const bool utf8 = input.writesUtf8();
  const bool marked = input.encoding() != TextEncoding::Bytes;
  sink.write(utf8 ? (marked ? ByteOrderMark(TextEncoding::Utf8) : "")
                  : ByteOrderMark(input.encoding()));
  // Text that stays as it was read goes straight to the file.
  writer_ = description->writer(!utf8 && IsTranscoded(input.encoding()) ? encoded_ : sink);
  if (const FormatDescription* from = Describe(input.format());
      from && from->styling != description->styling) {
    restyle_ = description->styling == Styling::Tags ? TagsFromCodes : CodesFromTags;
  }
  const std::optional<FrameRateLine>& frameRateLine = input.frameRateLine();
  declaresFrameRate_ = description->declaresFrameRate && frameRateLine.has_value();
  if (declaresFrameRate_) {
    writer_->writeLine(newRateText ? DeclaringRate(*frameRateLine, *newRateText)
                                   : frameRateLine->line);
  }
}

void SubtitleOutput::EncodingSink::write(std::string_view bytes) {
  encoded_.clear();
  EncodeUtf8(bytes, encoding_, encoded_);
  next_.write(encoded_);
}

}  // namespace lumetra
