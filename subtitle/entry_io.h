#pragma once

#include <string>
#include <string_view>

#include "subtitle/subtitle_entry.h"

namespace lumetra {

// Gives the entries of an input one by one, in file order. Every failure throws SubtitleError.
class EntryReader {
 public:
  enum class Step {
    Entry,    // `entry` holds the next entry
    NoEntry,  // a line that holds no entry (a short or blank MicroDVD line); numbering counts it
    End,      // nothing more to read
  };
  virtual ~EntryReader() = default;
  virtual Step next(SubtitleEntry& entry) = 0;
  // True when nothing follows what was read last: the last SubRip block ends without an
  // empty line.
  virtual bool atEnd() = 0;
};

// Where output bytes go: a file, or nowhere for fuzzing.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void write(std::string_view bytes) = 0;
};

// Writes entries in one format. Times come already in the output's units; a time below 0 is
// written as 0. `hasEnd` false gives MicroDVD's empty end field; `number` numbers SubRip
// blocks, and the block written with `last` has no empty line after it.
class EntryWriter {
 public:
  virtual ~EntryWriter() = default;
  virtual void write(const SubtitleEntry& entry, bool hasEnd, long long number, bool last) = 0;
  // One line as it is, for the frame-rate line at the top of a MicroDVD file.
  virtual void writeLine(std::string_view line) = 0;
};

// A writer that makes each line or block in a buffer of its own, then hands it on at once.
class BufferedEntryWriter : public EntryWriter {
 public:
  void writeLine(std::string_view line) override {
    buffer_.assign(line);
    buffer_.append("\r\n", 2);
    sink_.write(buffer_);
  }

 protected:
  explicit BufferedEntryWriter(ByteSink& sink) : sink_(sink) {}

  ByteSink& sink_;
  std::string buffer_;
};

}  // namespace lumetra
