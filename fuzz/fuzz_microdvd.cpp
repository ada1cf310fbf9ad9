#include "fuzz_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzReading(data, size, lumetra::SubtitleFormat::MicroDvd);
  return 0;
}
