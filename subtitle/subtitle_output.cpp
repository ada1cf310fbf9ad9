#include "subtitle/subtitle_output.h"

#include <stdexcept>

namespace lumetra {

SubtitleOutput::SubtitleOutput(ByteSink& sink, SubtitleFormat format, TextEncoding encoding)
    : encoded_(sink, encoding) {
  const FormatDescription* description = Describe(format);
  if (!description) {
    throw std::invalid_argument("no writer for an unknown format");
  }
  sink.write(ByteOrderMark(encoding));
  // Text that stays as it was read goes straight to the file.
  writer_ = description->writer(IsTranscoded(encoding) ? encoded_ : sink);
}

void SubtitleOutput::EncodingSink::write(std::string_view bytes) {
  encoded_.clear();
  EncodeUtf8(bytes, encoding_, encoded_);
  next_.write(encoded_);
}

}  // namespace lumetra
