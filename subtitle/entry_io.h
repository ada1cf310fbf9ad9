#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "files/byte_sink.h"
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

// A writer that makes each line or block in one piece, then hands it on at once: in room the
// sink lends, or else in a buffer of its own that is then written.
class BufferedEntryWriter : public EntryWriter {
 public:
  void writeLine(std::string_view line) override {
    char* const begin = start(line.size() + 2);
    char* p = begin;
    if (!line.empty()) {
      std::memcpy(p, line.data(), line.size());
      p += line.size();
    }
    *p++ = '\r';
    *p++ = '\n';
    hand(begin, p);
  }

 protected:
  explicit BufferedEntryWriter(ByteSink& sink) : sink_(sink) {}

  // Where to make a line or block of at most `size` bytes.
  char* start(std::size_t size) {
    if (char* room = sink_.room(size)) {
      lent_ = true;
      return room;
    }
    lent_ = false;
    if (buffer_.size() < size) {
      buffer_.resize(size);
    }
    return buffer_.data();
  }
  // Hands on what was made from `begin`, the place start() gave, up to `end`.
  void hand(char* begin, char* end) {
    if (lent_) {
      sink_.take(end);
    } else {
      sink_.write(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    }
  }

  ByteSink& sink_;

 private:
  std::string buffer_;
  bool lent_ = false;
};

}  // namespace lumetra
