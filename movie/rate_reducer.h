#pragma once

#include <cstddef>
#include <vector>

namespace lumetra {

// Lowers a sound's sample rate by averaging the input over each output sample's span (a
// fraction of an input sample at the edges where the rates do not divide). The average damps
// what would fold into the voice band by 5 dB at 4.5 kHz and by 10 dB or more from 6 kHz on,
// enough for telling speech from the rest, at one addition an input sample. A lower input
// rate is kept as it is.
class RateReducer {
 public:
  RateReducer(int inputRate, int outputRate);
  // Appends to `out` the output samples that `count` more input samples complete.
  void feed(const float* samples, std::size_t count, std::vector<float>& out);

 private:
  // Time is counted in units of 1 / (input rate × output rate): an input sample lasts
  // `perInput_` units, an output sample `perOutput_`.
  long perInput_;
  long perOutput_;
  long filled_ = 0;  // units of the current output sample summed so far
  float sum_ = 0;
};

}  // namespace lumetra
