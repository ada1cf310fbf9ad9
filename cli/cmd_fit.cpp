#include <unistd.h>

#include <cstdio>
#include <mutex>

#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/fit.h"
#include "operations/fit_points.h"

namespace lumetra::cli {
namespace {

// A line on the terminal that tells how far the fit is: only for one input on a terminal,
// where it cannot mix with other lines.
class ProgressLine final : public FitObserver {
 public:
  bool progress(double share) override {
    const int percent = static_cast<int>(share * 100);
    if (percent != shown_) {
      shown_ = percent;
      std::fprintf(stderr, "\rFitting... %3d%%", percent);
      if (percent >= 100) {
        std::fputs("\r               \r", stderr);
      }
      std::fflush(stderr);
    }
    return true;
  }

 private:
  int shown_ = -1;
};

FitRequest RequestFrom(const Arguments& arguments) {
  FitRequest request;
  const int sources = arguments.has("movie") + arguments.has("reference") + arguments.has("points");
  if (sources != 1) {
    throw UsageError("give one of --movie, --reference and --points");
  }
  if (arguments.has("audio-track") && !arguments.has("movie")) {
    throw UsageError("--audio-track needs --movie");
  }
  if (arguments.has("movie")) {
    request.source = FitSource::MovieSound;
    request.moviePath = arguments.required("movie");
    request.audioTrack = static_cast<int>(arguments.integer("audio-track", 0, 1, 999));
  } else if (arguments.has("reference")) {
    request.source = FitSource::Reference;
    request.referencePath = arguments.required("reference");
  } else {
    request.source = FitSource::Points;
    const auto points = ParseFitPoints(arguments.required("points"));
    if (!points) {
      throw UsageError("--points takes \"ENTRY=TIME,ENTRY=TIME\" with two different entries");
    }
    request.points = *points;
  }
  if (arguments.has("max-shift")) {
    request.maxShiftSeconds = static_cast<double>(arguments.integer("max-shift", 0, 1, 12 * 3600));
  }
  request.force = arguments.has("force");
  request.dryRun = arguments.has("dry-run");
  return request;
}

}  // namespace

PreparedCommand FitCommand(const Arguments& arguments) {
  const FitRequest request = RequestFrom(arguments);
  const CommonParams params = CommonParamsFrom(arguments);
  const bool showsProgress = request.source == FitSource::MovieSound &&
                             arguments.inputs().size() == 1 && ::isatty(STDERR_FILENO);
  PreparedCommand command{[=](const InputTask& task, InputReport& report) {
    ProgressLine line;
    FitToMovie(ForTask(params, task), request, report, showsProgress ? &line : nullptr);
  }};
  command.previews = request.dryRun;
  command.outputKind = WrittenFormatOf(params);
  return command;
}

}  // namespace lumetra::cli
