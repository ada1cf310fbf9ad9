#include "cli/common_params.h"
#include "cli/input_report.h"
#include "movie/movie_error.h"
#include "movie/movie_facts.h"
#include "operations/frame.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"

namespace lumetra::cli {

// Tells what each input is: a subtitle with its text encoding ("SubRip subtitle
// (windows-1250)"), else a movie with its length, frame rate and audio tracks.
PreparedCommand ProbeCommand(const Arguments& arguments) {
  const TextChoice choice = TextChoiceFrom(arguments);
  return {[=](const InputTask& task, InputReport& report) {
    try {
      const SubtitleFileFacts facts = InspectSubtitleFile(task.path, choice);
      if (facts.format != SubtitleFormat::Unknown) {
        Complete(report, DescribeSubtitle(facts));
        return;
      }
      Complete(report, DescribeMovie(ProbeMovie(task.path)));
    } catch (const MovieError& error) {
      Refuse(report, std::string("No subtitle, and no movie that can be read: ") + error.what());
    } catch (...) {
      Fail(report, std::current_exception(), task.path, false);
    }
  }};
}

}  // namespace lumetra::cli
