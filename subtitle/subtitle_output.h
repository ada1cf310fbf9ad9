#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/entry_io.h"
#include "subtitle/format.h"
#include "subtitle/text_encoding.h"

namespace lumetra {

class SubtitleInput;

// An output subtitle in one format, made from an input: it starts with the byte-order mark of
// the input's encoding and is written in that encoding, and a format that has a frame-rate
// line starts with the one the input declares, `newRateText` in place of its rate when given.
class SubtitleOutput {
 public:
  SubtitleOutput(ByteSink& sink, SubtitleFormat format, const SubtitleInput& input,
                 std::optional<std::string_view> newRateText = std::nullopt);

  // Whether the output declares the input's frame rate in its first line.
  bool declaresFrameRate() const { return declaresFrameRate_; }
  // An entry whose times are in the output's units (see EntryWriter); its styles are written
  // the output format's way.
  void write(const SubtitleEntry& entry, bool hasEnd, long long number, bool last) {
    if (restyle_) {
      restyled_.start = entry.start;
      restyled_.end = entry.end;
      restyled_.cueSettings = entry.cueSettings;
      restyle_(entry.text, restyled_.text);
      writer_->write(restyled_, hasEnd, number, last);
      return;
    }
    writer_->write(entry, hasEnd, number, last);
  }

 private:
  // Turns UTF-8 into the encoding of the input, when that is UTF-16 or UTF-32.
  class EncodingSink final : public ByteSink {
   public:
    EncodingSink(ByteSink& next, TextEncoding encoding) : next_(next), encoding_(encoding) {}
    void write(std::string_view bytes) override;

   private:
    ByteSink& next_;
    TextEncoding encoding_;
    std::string encoded_;
  };

  EncodingSink encoded_;
  std::unique_ptr<EntryWriter> writer_;
  bool declaresFrameRate_ = false;
  void (*restyle_)(std::string_view text, std::string& out) = nullptr;  // codes <-> tags
  SubtitleEntry restyled_;
};

}  // namespace lumetra
