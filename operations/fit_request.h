#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "operations/fit_alignment.h"

namespace lumetra {

// What the subtitle is fitted to.
enum class FitSource { MovieSound, Reference, Points };

// One of the two points: the entry (numbered as the file numbers it) and the movie time, in
// seconds, at which it must start.
struct FitPoint {
  long long entry = 0;
  double seconds = 0;
};

struct FitRequest {
  FitSource source = FitSource::MovieSound;
  std::string moviePath;  // the movie sound's movie; for the others, optional: gives the rate
  int audioTrack = 0;     // 0: the movie's default track
  std::string referencePath;
  std::vector<FitPoint> points;
  double maxShiftSeconds = 0;  // 0: any shift up to the movie's length
  bool force = false;          // write even a fit that is not trusted
  bool dryRun = false;         // tell the fit, write nothing
};

// What a fit found, for the window's picture of the whole movie.
struct FitPicture {
  std::vector<std::uint8_t> speech;  // the target, one value per 10 ms
  std::vector<TimedSpan> before;     // the subtitle's spans in seconds
  FitModel model;                    // the "after" is the "before" through this
  double movieFrameRate = 0;         // the movie's rate, 0 when unknown
};

// Hears how a fit goes; the window's progress bar and Cancel, the command line's progress line.
class FitObserver {
 public:
  virtual ~FitObserver() = default;
  // The share done (0 to 1); false cancels the fit, and nothing is written.
  virtual bool progress(double share) {
    (void)share;
    return true;
  }
  // Called once the fit is known, before anything is written.
  virtual void fitted(const FitPicture& picture) { (void)picture; }
};

}  // namespace lumetra
