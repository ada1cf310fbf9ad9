#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "subtitle/entry_io.h"
#include "subtitle/format.h"
#include "subtitle/text_encoding.h"

namespace lumetra {

// An output subtitle in one format: it starts with the byte-order mark of the encoding its
// input had and is written in that encoding.
class SubtitleOutput {
 public:
  SubtitleOutput(ByteSink& sink, SubtitleFormat format, TextEncoding encoding);

  // One line as it is: the frame-rate line at the top of a MicroDVD file.
  void writeLine(std::string_view line) { writer_->writeLine(line); }
  // An entry whose times are in the output's units (see EntryWriter).
  void write(const SubtitleEntry& entry, bool hasEnd, long long number, bool last) {
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
};

}  // namespace lumetra
