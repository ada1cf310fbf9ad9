#include "cli/common_params.h"

#include "subtitle/subtitle_error.h"

namespace lumetra::cli {
namespace {

SubtitleFormat InputFormatOrUnknown(const std::string& path) {
  try {
    return DetectFileFormat(path);
  } catch (const SubtitleError&) {
    return SubtitleFormat::Unknown;
  }
}

SubtitleFormat DefaultFormat(const std::string& inputPath, DefaultOutput defaultOutput) {
  const SubtitleFormat own = InputFormatOrUnknown(inputPath);
  if (defaultOutput == DefaultOutput::InputFormat) {
    return own == SubtitleFormat::SubRip ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd;
  }
  return own == SubtitleFormat::MicroDvd ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd;
}

}  // namespace

CommonParams CommonParamsFrom(const Arguments& arguments, DefaultOutput defaultOutput) {
  CommonParams params;
  params.inputPath = arguments.input();
  params.frameRate = arguments.frameRate("fps", 25.0);
  const auto chosen = arguments.format("to");
  params.outputFormat = chosen ? *chosen : DefaultFormat(params.inputPath, defaultOutput);
  params.deleteSource = arguments.has("delete-source");
  return params;
}

}  // namespace lumetra::cli
