#pragma once

#include <cstdint>
#include <vector>

namespace lumetra {

// A time span of a subtitle, in seconds as the subtitle states them.
struct TimedSpan {
  double start = 0;
  double end = 0;
};

// How a subtitle's times map onto the movie: movie time = speed × subtitle time + shift.
struct FitModel {
  double speed = 1;
  double shiftSeconds = 0;
};

// The longest movie a fit considers; later spans are left out of the search.
inline constexpr double kLongestMovieSeconds = 12 * 3600;

// A fit is trusted when its best shift stands this many deviations above the next best, and
// its match lies this share of the way from chance to a perfect match.
inline constexpr double kMinStandout = 3;
inline constexpr double kMinMatchGain = 0.1;

struct Alignment {
  FitModel model;
  // Share of the fitted subtitle's time that falls on the target's "on" time.
  double match = 0;
  // Share of the target's time that is "on": what a subtitle placed at random would match.
  double targetShare = 0;
  // How far the best shift stands above the next best one away from it, in standard
  // deviations of the agreement over all shifts.
  double standout = 0;
  // Whether the fit is trusted: the subtitle clearly follows the target.
  bool confident = false;
};

// Searches the speeds and every shift of at most `maxShiftSeconds` for the one that lays the
// subtitle's spans best on the target's "on" time. `target` has one value (1: on) per 10 ms.
Alignment Align(const std::vector<std::uint8_t>& target, std::vector<TimedSpan> spans,
                const std::vector<double>& speeds, double maxShiftSeconds);

// The speeds met in practice: 1 and the ratios of the usual frame rates to each other, then
// `lengthRatio` when it is plausible and not one of them.
std::vector<double> CandidateSpeeds(double lengthRatio);

// Agreement of `spans` (10 ms frames, indicator) with `target` at every shift from `lowest`
// to `highest` frames: Σ spans[k] × target[k + shift]. The fast path by Fourier transform
// and its plain reference, for the tests to compare.
std::vector<double> CorrelateByFourier(const std::vector<double>& spans,
                                       const std::vector<double>& target, long lowest,
                                       long highest);
std::vector<double> CorrelateDirectly(const std::vector<double>& spans,
                                      const std::vector<double>& target, long lowest, long highest);

}  // namespace lumetra
