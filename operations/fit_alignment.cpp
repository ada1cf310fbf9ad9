#include "operations/fit_alignment.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numeric>
#include <span>
#include <thread>

#include "operations/fft.h"

namespace lumetra {
namespace {

using Spectrum = std::vector<std::complex<double>>;

// The coarse search looks at 320 ms steps, 32 frames of 10 ms; the best step is then
// refined frame by frame.
constexpr int kCoarse = 32;
constexpr double kFrameSeconds = 0.01;
// Shifts closer than this to the best one belong to the same peak.
constexpr double kPeakSeconds = 2.5;
// The agreement's swells are measured over this many seconds either way.
constexpr double kSwellSeconds = 10;
// The refinement looks this many frames either way of the best coarse step, and weighs the
// speech this many frames before and after each start.
constexpr long kRefineFrames = 100;
constexpr long kOnsetFrames = 20;
constexpr double kOnsetWeight = 5;
// Speeds this close to the best one are told apart by the drift of the subtitle's parts.
constexpr double kNeighbourSpeeds = 0.004;
// Scores this share apart are nearly alike (chosen on the bench).
constexpr double kNearlyAlike = 0.02;
// The share of the best possible score a speed other than 1 gives up (chosen on the bench).
constexpr double kSpeedCost = 0.01;

// Correlates signals with one fixed target by Fourier transform; two signals share one
// transform as the real and imaginary parts.
class Correlator {
 public:
  Correlator(const std::vector<double>& target, std::size_t longestSignal)
      : size_(PowerOfTwoAtLeast(target.size() + longestSignal + 1)),
        targetLength_(static_cast<long>(target.size())) {
    conjugate_.assign(size_, {});
    std::copy(target.begin(), target.end(), conjugate_.begin());
    Fourier(conjugate_, false);
    for (auto& value : conjugate_) {
      value = std::conj(value);
    }
  }

  // For shifts lowest..highest: Σ first[k] × target[k + shift], and the same for `second`.
  void correlate(const std::vector<double>& first, const std::vector<double>& second, long lowest,
                 long highest, std::vector<double>& firstOut,
                 std::vector<double>& secondOut) const {
    Spectrum work(size_);
    for (std::size_t k = 0; k < first.size(); ++k) {
      work[k].real(first[k]);
    }
    for (std::size_t k = 0; k < second.size(); ++k) {
      work[k].imag(second[k]);
    }
    Fourier(work, false);
    for (std::size_t k = 0; k < size_; ++k) {
      const std::complex<double> a = work[k], b = conjugate_[k];
      work[k] = {a.real() * b.real() - a.imag() * b.imag(),
                 a.real() * b.imag() + a.imag() * b.real()};
    }
    Fourier(work, true);
    // work[d] = Σ target[k] × signal[k + d], the agreement at shift -d.
    const long size = static_cast<long>(size_);
    firstOut.clear();
    secondOut.clear();
    for (long shift = lowest; shift <= highest; ++shift) {
      const auto at = static_cast<std::size_t>(((-shift) % size + size) % size);
      firstOut.push_back(work[at].real());
      secondOut.push_back(work[at].imag());
    }
  }
  long targetLength() const { return targetLength_; }

 private:
  std::size_t size_;
  long targetLength_;
  Spectrum conjugate_;
};

// The spans sorted and joined where they overlap, so each moment counts once.
std::vector<TimedSpan> Union(std::vector<TimedSpan> spans) {
  std::erase_if(spans, [](const TimedSpan& span) {
    return !(span.end > span.start) || span.start > kLongestMovieSeconds;
  });
  std::sort(spans.begin(), spans.end(),
            [](const TimedSpan& a, const TimedSpan& b) { return a.start < b.start; });
  std::vector<TimedSpan> joined;
  for (const TimedSpan& span : spans) {
    if (!joined.empty() && span.start <= joined.back().end) {
      joined.back().end = std::max(joined.back().end, span.end);
    } else {
      joined.push_back(span);
    }
  }
  return joined;
}

// The spans at `speed`, as the share of each coarse step they cover.
std::vector<double> CoarseSignal(const std::vector<TimedSpan>& spans, double speed) {
  const double step = kFrameSeconds * kCoarse;
  std::vector<double> signal(
      spans.empty() ? 0 : static_cast<std::size_t>(spans.back().end * speed / step) + 2);
  for (const TimedSpan& span : spans) {
    const double from = std::max(0.0, span.start * speed / step);
    const double to = span.end * speed / step;
    for (auto k = static_cast<std::size_t>(from); double(k) < to; ++k) {
      signal[k] += std::min(to, double(k) + 1) - std::max(from, double(k));
    }
  }
  return signal;
}

struct Peak {
  double speed = 1;
  long shift = 0;  // in coarse steps
  double score = -1e300;
  double standout = 0;
};

// The best shift of one correlation, and how far it stands above the next best peak. Both are
// measured on the agreement less its mean over the surrounding seconds: stretches with and
// without dialogue make broad swells that any shift of a subtitle rides, and a fit shows as a
// narrow peak on them.
Peak BestOf(const std::vector<double>& agreement, long lowest, double speed) {
  Peak peak;
  peak.speed = speed;
  if (agreement.empty()) {
    return peak;
  }
  const auto best = std::max_element(agreement.begin(), agreement.end());
  peak.score = *best;
  peak.shift = lowest + (best - agreement.begin());
  const long n = static_cast<long>(agreement.size());
  std::vector<double> sums(agreement.size() + 1, 0);
  for (long i = 0; i < n; ++i) {
    sums[i + 1] = sums[i] + agreement[i];
  }
  const long reach = static_cast<long>(kSwellSeconds / (kFrameSeconds * kCoarse));
  std::vector<double> detrended(agreement.size());
  double squares = 0;
  for (long i = 0; i < n; ++i) {
    const long from = std::max(0L, i - reach), to = std::min(n, i + reach + 1);
    detrended[i] = agreement[i] - (sums[to] - sums[from]) / double(to - from);
    squares += detrended[i] * detrended[i];
  }
  const double deviation = std::sqrt(squares / double(n));
  const long at = best - agreement.begin();
  const long apart = static_cast<long>(kPeakSeconds / (kFrameSeconds * kCoarse));
  double next = 0;
  for (long i = 0; i < n; ++i) {
    if (std::labs(i - at) > apart) {
      next = std::max(next, detrended[i]);
    }
  }
  peak.standout = deviation > 0 ? (detrended[at] - next) / deviation : 0;
  return peak;
}

// The spans' starts and ends at one speed, in frames, worked out once for all the shifts
// that are tried.
struct SpanFrames {
  std::vector<long> starts;
  std::vector<long> ends;
};

SpanFrames FramesAt(std::span<const TimedSpan> spans, double speed) {
  SpanFrames frames;
  frames.starts.reserve(spans.size());
  frames.ends.reserve(spans.size());
  for (const TimedSpan& span : spans) {
    frames.starts.push_back(std::lround(span.start * speed / kFrameSeconds));
    frames.ends.push_back(std::lround(span.end * speed / kFrameSeconds));
  }
  return frames;
}

// Time of the spans [first, last) at `shift` (frames) that falls on "on" frames of the
// target, counted with the target's running sums.
double Overlap(const SpanFrames& frames, std::size_t first, std::size_t last,
               const std::vector<long>& onBefore, long shift) {
  const long length = static_cast<long>(onBefore.size()) - 1;
  long overlap = 0;
  for (std::size_t i = first; i < last; ++i) {
    const long from = std::clamp(frames.starts[i] + shift, 0L, length);
    const long to = std::clamp(frames.ends[i] + shift, 0L, length);
    overlap += onBefore[to] - onBefore[from];
  }
  return double(overlap) * kFrameSeconds;
}

// How well the starts of the spans [first, last) at `shift` fall on onsets of speech: speech
// in the moments after each start, less speech in the moments before it, in seconds.
double Onsets(const SpanFrames& frames, std::size_t first, std::size_t last,
              const std::vector<long>& onBefore, long shift) {
  const long length = static_cast<long>(onBefore.size()) - 1;
  const auto on = [&](long from, long to) {
    return onBefore[std::clamp(to, 0L, length)] - onBefore[std::clamp(from, 0L, length)];
  };
  long onsets = 0;
  for (std::size_t i = first; i < last; ++i) {
    const long start = frames.starts[i] + shift;
    onsets += on(start, start + kOnsetFrames) - on(start - kOnsetFrames, start);
  }
  return double(onsets) * kFrameSeconds;
}

struct Fine {
  Peak peak;
  long shift = 0;
  double score = -1e300;
  double overlap = 0;
  double length = 0;
};

// The speed that the drift of the subtitle's parts tells: each quarter placed on its own
// within a second of `shift`, then the straight line through their shifts.
double DriftedSpeed(const std::vector<TimedSpan>& spans, const std::vector<long>& onBefore,
                    double speed, long shift) {
  constexpr std::size_t kParts = 4;
  if (spans.size() < 4 * kParts) {
    return speed;
  }
  const SpanFrames frames = FramesAt(spans, speed);
  double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
  for (std::size_t part = 0; part < kParts; ++part) {
    const std::size_t first = part * spans.size() / kParts;
    const std::size_t last = first + spans.size() / kParts;
    const std::span<const TimedSpan> some(spans.data() + first, last - first);
    long best = shift;
    double bestScore = -1e300;
    for (long at = shift - kRefineFrames; at <= shift + kRefineFrames; ++at) {
      const double score = Overlap(frames, first, last, onBefore, at) +
                           kOnsetWeight * Onsets(frames, first, last, onBefore, at);
      if (score > bestScore) {
        bestScore = score;
        best = at;
      }
    }
    const double x = speed * (some.front().start + some.back().end) / 2;
    const double y = double(best - shift) * kFrameSeconds;
    sumX += x, sumY += y, sumXX += x * x, sumXY += x * y;
  }
  const double spread = kParts * sumXX - sumX * sumX;
  return spread > 0 ? speed * (1 + (kParts * sumXY - sumX * sumY) / spread) : speed;
}

}  // namespace

std::vector<double> CandidateSpeeds(double lengthRatio) {
  constexpr double kRates[] = {24000.0 / 1001, 24, 25, 30000.0 / 1001, 30};
  std::vector<double> speeds{1};
  const auto add = [&](double speed) {
    for (const double known : speeds) {
      if (std::abs(known - speed) < 1e-6) {
        return;
      }
    }
    speeds.push_back(speed);
  };
  for (const double from : kRates) {
    for (const double to : kRates) {
      add(from / to);
    }
  }
  if (lengthRatio > 0.75 && lengthRatio < 1.35) {
    add(lengthRatio);
  }
  return speeds;
}

std::vector<double> CorrelateByFourier(const std::vector<double>& spans,
                                       const std::vector<double>& target, long lowest,
                                       long highest) {
  const Correlator correlator(target, spans.size());
  std::vector<double> agreement, unused;
  correlator.correlate(spans, {}, lowest, highest, agreement, unused);
  return agreement;
}

std::vector<double> CorrelateDirectly(const std::vector<double>& spans,
                                      const std::vector<double>& target, long lowest,
                                      long highest) {
  std::vector<double> agreement;
  for (long shift = lowest; shift <= highest; ++shift) {
    double sum = 0;
    for (long k = 0; k < static_cast<long>(spans.size()); ++k) {
      const long at = k + shift;
      if (at >= 0 && at < static_cast<long>(target.size())) {
        sum += spans[k] * target[at];
      }
    }
    agreement.push_back(sum);
  }
  return agreement;
}

Alignment Align(const std::vector<std::uint8_t>& target, std::vector<TimedSpan> spans,
                const std::vector<double>& speeds, double maxShiftSeconds) {
  Alignment result;
  spans = Union(std::move(spans));
  if (target.empty() || spans.empty() || speeds.empty()) {
    return result;
  }
  std::vector<long> onBefore(target.size() + 1, 0);
  for (std::size_t i = 0; i < target.size(); ++i) {
    onBefore[i + 1] = onBefore[i] + target[i];
  }
  result.targetShare = double(onBefore.back()) / double(target.size());

  // The target less its mean, in coarse steps: a subtitle is rewarded for lying on speech
  // and penalised for lying on silence, so a longer (slower) subtitle gains nothing by length.
  std::vector<double> coarse((target.size() + kCoarse - 1) / kCoarse);
  for (std::size_t i = 0; i < target.size(); ++i) {
    coarse[i / kCoarse] += (target[i] - result.targetShare) / kCoarse;
  }
  double fastest = 0;
  for (const double speed : speeds) {
    fastest = std::max(fastest, speed);
  }
  const std::vector<double> longest = CoarseSignal(spans, fastest);
  const Correlator correlator(coarse, longest.size());
  const double step = kFrameSeconds * kCoarse;
  const long limit = static_cast<long>(std::ceil(maxShiftSeconds / step));

  // The speeds two at a time, one transform each pair; the pairs shared between two threads
  // where the machine has the cores. Each pair keeps its place, so the result is the same.
  const std::size_t pairs = (speeds.size() + 1) / 2;
  std::vector<std::vector<Peak>> pairPeaks(pairs);
  const auto searchPairs = [&](std::size_t from, std::size_t step) {
    std::vector<double> first, second;
    for (std::size_t p = from; p < pairs; p += step) {
      const std::size_t i = 2 * p;
      const bool pair = i + 1 < speeds.size();
      const std::vector<double> a = CoarseSignal(spans, speeds[i]);
      const std::vector<double> b =
          pair ? CoarseSignal(spans, speeds[i + 1]) : std::vector<double>{};
      // Any shift that leaves some of the subtitle on the movie, within the limit.
      const long lowest = std::max(-limit, -static_cast<long>(std::max(a.size(), b.size())));
      const long highest = std::min(limit, correlator.targetLength());
      if (lowest > highest) {
        continue;
      }
      correlator.correlate(a, b, lowest, highest, first, second);
      pairPeaks[p].push_back(BestOf(first, lowest, speeds[i]));
      if (pair) {
        pairPeaks[p].push_back(BestOf(second, lowest, speeds[i + 1]));
      }
    }
  };
  if (std::thread::hardware_concurrency() > 1 && pairs > 1) {
    std::thread other(searchPairs, 1, 2);
    searchPairs(0, 2);
    other.join();
  } else {
    searchPairs(0, 1);
  }
  std::vector<Peak> peaks;
  for (const std::vector<Peak>& some : pairPeaks) {
    peaks.insert(peaks.end(), some.begin(), some.end());
  }
  if (peaks.empty()) {
    return result;
  }

  // Each speed's best coarse step, frame by frame. A subtitle often stays up after the
  // speech ends, so the time on speech alone leaves a plateau; its entries' starts on the
  // onsets of speech decide within it. The speeds are weighed as the coarse search did:
  // time on speech less what chance would give.
  const auto refine = [&](const Peak& peak, long centre, long reach) {
    Fine fine;
    for (const TimedSpan& span : spans) {
      fine.length += (span.end - span.start) * peak.speed;
    }
    // A change of speed must earn its place: it gives up a little of the best score.
    const double cost = peak.speed == 1 ? 0 : kSpeedCost * fine.length * (1 - result.targetShare);
    const SpanFrames frames = FramesAt(spans, peak.speed);
    for (long shift = centre - reach; shift <= centre + reach; ++shift) {
      const double overlap = Overlap(frames, 0, spans.size(), onBefore, shift);
      const double score = overlap - result.targetShare * fine.length +
                           kOnsetWeight * Onsets(frames, 0, spans.size(), onBefore, shift) - cost;
      if (score > fine.score) {
        fine = {peak, shift, score, overlap, fine.length};
      }
    }
    return fine;
  };
  Fine chosen;
  for (const Peak& peak : peaks) {
    const Fine fine = refine(peak, peak.shift * kCoarse, kRefineFrames);
    if (fine.score > chosen.score) {
      chosen = fine;
    }
  }
  // Speeds a hair apart (23.976 against 24 fps is 0.1%) score nearly alike over the whole;
  // the drift between the parts of the subtitle, each placed on its own, tells them apart.
  const double drifted = DriftedSpeed(spans, onBefore, chosen.peak.speed, chosen.shift);
  const Peak* nearest = &chosen.peak;
  for (const Peak& peak : peaks) {
    if (std::abs(peak.speed / chosen.peak.speed - 1) < kNeighbourSpeeds &&
        std::abs(peak.speed - drifted) < std::abs(nearest->speed - drifted)) {
      nearest = &peak;
    }
  }
  if (nearest->speed != chosen.peak.speed) {
    // Kept at the same moment in the middle of the subtitle.
    const double middle = (spans.front().start + spans.back().end) / 2;
    const long centre =
        std::lround((chosen.shift * kFrameSeconds + middle * (chosen.peak.speed - nearest->speed)) /
                    kFrameSeconds);
    // The drift decides only between speeds that score nearly alike over the whole.
    const Fine drifting = refine(*nearest, centre, kRefineFrames);
    if (drifting.score >= chosen.score - kNearlyAlike * std::abs(chosen.score)) {
      chosen = drifting;
    }
  }
  const Peak& best = chosen.peak;
  const long bestShift = chosen.shift;
  const double bestOverlap = chosen.overlap;
  const double bestLength = chosen.length;
  const double length = bestLength;
  result.model = {best.speed, double(bestShift) * kFrameSeconds};
  result.match = length > 0 ? bestOverlap / length : 0;
  result.standout = best.standout;
  result.confident = result.standout >= kMinStandout &&
                     result.match >= result.targetShare + kMinMatchGain * (1 - result.targetShare);
  return result;
}

}  // namespace lumetra
