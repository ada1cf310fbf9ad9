#pragma once

#include <cstddef>
#include <cstdint>

#include "subtitle/format.h"

// Reads every entry of `data` with the reader of `format`, as the operations do, and writes
// each one back in both formats into a sink that keeps nothing, so the writers see whatever
// the reader can produce. Any input must read to its end or stop with a SubtitleError.
void FuzzReading(const std::uint8_t* data, std::size_t size, lumetra::SubtitleFormat format);
