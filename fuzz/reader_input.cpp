#include "reader_input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

const std::string& WriteFuzzInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = [] {
    std::string pattern = "/tmp/lumetra-fuzz-XXXXXX";
    const int fd = mkstemp(pattern.data());
    close(fd);
    return pattern;
  }();
  const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t wrote = write(fd, data + done, size - done);
    if (wrote <= 0) {
      std::abort();
    }
    done += static_cast<std::size_t>(wrote);
  }
  close(fd);
  return path;
}
