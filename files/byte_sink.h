#pragma once

#include <cstddef>
#include <string_view>

namespace lumetra {

// Where output bytes go: a file, or nowhere for fuzzing.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void write(std::string_view bytes) = 0;

  // Lends room for up to `size` bytes to be made in place and handed over with take(): a
  // writer then makes its bytes where they end up instead of copying them there. nullptr
  // when the sink lends no room (it takes bytes through write() only) or none that large.
  char* room(std::size_t size) {
    return size <= static_cast<std::size_t>(roomEnd_ - roomStart_) ? roomStart_ : makeRoom(size);
  }
  // Takes the bytes made in the room lent last, up to `end`.
  void take(char* end) { roomStart_ = end; }

 protected:
  // Frees room for `size` bytes from roomStart_ on; nullptr when it cannot. Only sinks
  // that keep a buffer of their own lend room.
  virtual char* makeRoom(std::size_t) { return nullptr; }

  // The free room of the sink's buffer; empty in a sink that lends none.
  char* roomStart_ = nullptr;
  char* roomEnd_ = nullptr;
};

}  // namespace lumetra
