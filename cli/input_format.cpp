#include "cli/input_format.h"

#include "subtitle/subtitle_error.h"

namespace lumetra::cli {

SubtitleFormat InputFormatOrUnknown(const std::string& path) {
  try {
    return DetectFileFormat(path);
  } catch (const SubtitleError&) {
    return SubtitleFormat::Unknown;
  }
}

}  // namespace lumetra::cli
