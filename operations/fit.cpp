#include "operations/fit.h"

#include <algorithm>
#include <cmath>

#include "movie/movie_error.h"
#include "movie/movie_rates.h"
#include "operations/fit_points.h"
#include "operations/fit_summary.h"
#include "operations/fit_target.h"
#include "operations/fit_timing.h"
#include "subtitle/frame_rates.h"

namespace lumetra {
namespace {

// Maps each time through the fit, in the units the entries are read in when written.
class FitTransform final : public EntryTransform {
 public:
  FitTransform(const FitModel& model, double analysedUnitsPerSecond)
      : model_(model), analysed_(analysedUnitsPerSecond) {}
  bool apply(SubtitleEntry& entry, double inputUnitsPerSecond) override {
    const auto map = [&](double time) {
      const double seconds = model_.speed * (time / analysed_) + model_.shiftSeconds;
      return std::max(0.0, std::round(seconds * inputUnitsPerSecond));
    };
    entry.start = map(entry.start);
    if (entry.end != 0) {
      entry.end = std::max(entry.start, map(entry.end));
    }
    return true;
  }

 private:
  FitModel model_;
  double analysed_;
};

// The rate the lists know for a movie's rate (23.976 for 24000/1001), else the rate itself.
double ListedOrOwn(double rate) {
  const ListedFrameRate* listed = ListedRateOf(rate);
  return listed ? listed->value : rate;
}

// The refusal of a request that cannot be fitted as given; empty when it can.
std::string RequestProblem(const FitRequest& request) {
  switch (request.source) {
    case FitSource::MovieSound:
      return request.moviePath.empty() ? "Select a movie!" : "";
    case FitSource::Reference:
      return request.referencePath.empty() ? "Select a subtitle that fits!" : "";
    case FitSource::Points:
      return request.points.size() == 2 ? "" : "Give two entries and the times they must start!";
  }
  return "";
}

struct Found {
  Alignment alignment;
  bool hasMatch = true;
  std::vector<std::uint8_t> target;
  double movieFrameRate = 0;
};

// Finds the fit from the request's source; nullopt when cancelled, or refused (told).
std::optional<Found> FindFit(const FitRequest& request, const SubtitleTiming& timing,
                             FrameView& view, FitObserver* observer) {
  Found found;
  double lengthSeconds = 0;
  if (request.source == FitSource::Points) {
    const double starts[2] = {timing.starts[0].value_or(0), timing.starts[1].value_or(0)};
    for (std::size_t i = 0; i < 2; ++i) {
      if (!timing.starts[i]) {
        Refuse(view, "The subtitle has no entry " + std::to_string(request.points[i].entry) + "!");
        return std::nullopt;
      }
    }
    const std::optional<FitModel> model = ModelThroughPoints(starts, request.points);
    if (!model) {
      Refuse(view, "The two points do not give a fit: the later entry must start later.");
      return std::nullopt;
    }
    found.alignment.model = *model;
    found.alignment.confident = true;
    found.hasMatch = false;
    if (!request.moviePath.empty()) {
      found.movieFrameRate = MovieFrameRate(request.moviePath);
    }
    return found;
  }
  if (request.source == FitSource::MovieSound) {
    std::optional<FitTarget> heard = HearMovie(request, observer);
    if (!heard) {
      return std::nullopt;
    }
    found.target = std::move(heard->signal);
    found.movieFrameRate = heard->movieFrameRate;
    lengthSeconds = heard->lengthSeconds;
  } else {
    const SubtitleTiming reference = ReadSubtitleTiming(request.referencePath, std::nullopt);
    found.target = SignalOf(reference.spans);
    lengthSeconds = double(found.target.size()) / 100;
    if (!request.moviePath.empty()) {
      found.movieFrameRate = MovieFrameRate(request.moviePath);
    }
  }
  double subtitleEnd = 0;
  for (const TimedSpan& span : timing.spans) {
    subtitleEnd = std::max(subtitleEnd, span.end);
  }
  const double maxShift =
      request.maxShiftSeconds > 0 ? request.maxShiftSeconds : kLongestMovieSeconds;
  found.alignment =
      Align(found.target, timing.spans,
            CandidateSpeeds(subtitleEnd > 0 ? lengthSeconds / subtitleEnd : 0), maxShift);
  if (observer && !observer->progress(1)) {
    return std::nullopt;
  }
  return found;
}

}  // namespace

void FitToMovie(CommonParams params, const FitRequest& request, FrameView& view,
                FitObserver* observer) {
  if (params.inputPath.empty()) {
    Refuse(view, kSelectASubtitle);
    return;
  }
  if (const std::string problem = RequestProblem(request); !problem.empty()) {
    Refuse(view, problem);
    return;
  }
  view.enterBusy(BusyCaption("fitting..."));
  std::optional<Found> found;
  SubtitleTiming timing;
  try {
    std::vector<long long> asked;
    for (const FitPoint& point : request.points) {
      asked.push_back(point.entry);
    }
    timing = ReadSubtitleTiming(params.inputPath, params.frameRate, asked);
    found = FindFit(request, timing, view, observer);
  } catch (const MovieError& error) {
    view.leaveBusy();
    Refuse(view, error.what());
    return;
  } catch (...) {
    Fail(view, std::current_exception(), params.inputPath, true);
    return;
  }
  view.leaveBusy();
  if (!found) {
    return;
  }
  const Alignment& alignment = found->alignment;
  if (observer) {
    observer->fitted({found->target, timing.spans, alignment.model, found->movieFrameRate});
  }
  if (!alignment.confident && !request.force) {
    Refuse(view,
           request.source == FitSource::Reference ? kNoMatchWithReference : kNoMatchWithMovie);
    return;
  }
  const bool timedInFrames = timing.unitsPerSecond != 1000;
  const std::string figures =
      FitFigures(alignment.model,
                 SpeedText(alignment.model.speed, timedInFrames ? timing.unitsPerSecond : 0,
                           found->movieFrameRate),
                 alignment.match, alignment.standout, found->hasMatch);
  if (request.dryRun) {
    Complete(view, std::string("The fit is found; nothing was written.") + kCR + figures);
    return;
  }
  // MicroDVD is written at the movie's rate; the entries are mapped from the rate they were
  // read at, so reading them again at this rate changes nothing.
  if (found->movieFrameRate > 0) {
    params.frameRate = ListedOrOwn(found->movieFrameRate);
  }
  EntryOperation fit{"fitting...", " - fitted"};
  std::string rateText;
  if (params.frameRate) {
    const ListedFrameRate* listed = ListedRateOf(*params.frameRate);
    rateText = listed ? std::string(listed->text) : RateText(*params.frameRate);
    fit.newRateText = rateText.c_str();
  }
  FitTransform transform(alignment.model, timing.unitsPerSecond);
  if (RunEntryOperation(params, fit, transform, view)) {
    Complete(view, std::string("The subtitle is fitted to the movie.") + kCR + figures);
  }
}

}  // namespace lumetra
