#include "operations/recode.h"

#include <algorithm>
#include <array>
#include <memory>

#include "files/output_file.h"
#include "operations/existing_outputs.h"
#include "operations/message.h"
#include "subtitle/byte_source.h"
#include "subtitle/code_page.h"
#include "subtitle/decoding_source.h"
#include "subtitle/paths.h"
#include "subtitle/text_encoding.h"

namespace lumetra {
namespace {

// The input's text as UTF-8, from its first byte after any byte-order mark.
class Utf8Text {
 public:
  Utf8Text(const std::string& path, const std::string& inputEncoding) {
    auto file = std::make_unique<FileSource>(path);
    const InputText text = KnowInputText(*file, inputEncoding);
    source_ = std::move(file);
    encoding_ = text.marked;
    if (encoding_ == TextEncoding::Bytes) {
      if (!text.codePage.empty() && text.codePage != "UTF-8") {
        source_ = std::make_unique<DecodingSource>(std::move(source_), text.codePage);
      }
      return;
    }
    decoder_ = Utf8Decoder(encoding_);
    skip_ = text.markLength;
  }

  bool marked() const { return encoding_ != TextEncoding::Bytes; }

  // The next piece of text; false at the end.
  bool next(std::string& text) {
    text.clear();
    std::array<char, 64 * 1024> chunk{};
    const std::size_t got = source_->read(chunk.data(), chunk.size());
    std::string_view bytes(chunk.data(), got);
    const std::size_t skipped = std::min(skip_, bytes.size());
    bytes.remove_prefix(skipped);
    skip_ -= skipped;
    if (!IsTranscoded(encoding_)) {
      text.assign(bytes);
      return got != 0;
    }
    decoder_.decode(bytes, text);
    if (got == 0) {
      decoder_.finish(text);
      return !text.empty();
    }
    return true;
  }

 private:
  std::unique_ptr<ByteSource> source_;
  TextEncoding encoding_ = TextEncoding::Bytes;
  Utf8Decoder decoder_{encoding_};
  std::size_t skip_ = 0;
};

}  // namespace

void Recode(const CommonParams& params, FrameView& view) {
  if (params.inputPath.empty()) {
    Refuse(view, kSelectASubtitle);
    return;
  }
  std::string outputPath;
  view.enterBusy(BusyCaption("recoding..."));
  bool busy = true;
  try {
    Utf8Text input(params.inputPath, params.text.inputEncoding);
    outputPath = OutputPath(params.inputPath, " - UTF-8", FileExtension(params.inputPath),
                            params.outputFolder);
    OutputFile file(outputPath);
    if (input.marked()) {
      file.write(ByteOrderMark(TextEncoding::Utf8));
    }
    for (std::string text; input.next(text);) {
      file.write(text);
    }
    view.leaveBusy();
    busy = false;
    if (!NameOutputs(file, params.keepExistingOutputs, *params.committer, view)) {
      return;  // the finished file goes with `file`
    }
  } catch (...) {
    Fail(view, std::current_exception(), params.inputPath, busy);
    return;
  }
  if (ApplyPostSuccessOptions(params.inputPath, outputPath, params.deleteSource,
                              params.outputAsInput, view)) {
    Complete(view, "The subtitle is written in UTF-8.");
  }
}

}  // namespace lumetra
