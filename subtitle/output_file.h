#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "subtitle/entry_io.h"

namespace lumetra {

// A new text file written through a temporary file beside its target. Nothing appears under
// the target's name until commit(); a file already there stays untouched until then.
// Without commit() (a failure, an exception) the temporary file is removed.
// Every failure throws SubtitleError.
class OutputFile final : public ByteSink {
 public:
  explicit OutputFile(const std::string& target);
  ~OutputFile() override;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // The text and a CR LF line break.
  void writeLine(std::string_view text);
  void write(std::string_view bytes) override;
  // Flushes, closes and moves the file over its target.
  void commit();
  // Removes the temporary file; the target is left as it was.
  void discard() noexcept;
  const std::string& target() const { return target_; }

 private:
  void flush();

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

}  // namespace lumetra
