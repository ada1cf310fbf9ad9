#include "operations/change_frame_rate.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "subtitle/microdvd.h"
#include "subtitle/number_text.h"
#include "subtitle/output_file.h"
#include "subtitle/paths.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/text_reader.h"

namespace lumetra {
namespace {

constexpr const char* kBusyLiteral = " - Written by Taviel - changing framerate...";
constexpr const char* kSameRates = "The current and the new framerate are the same!";
constexpr const char* kNotASubtitle =
    "The selected file is not a subtitle (or is an unknown format)";
constexpr const char* kNoRate = "Select a framerate!";
constexpr const char* kCompleted = "The framerate is changed.";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The number at the start of a list entry's text, "." as the decimal point whatever the
// locale; 0 when the text does not start with one.
double LeadingNumber(const std::string& text) {
  double value = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  return parsed.ec == std::errc() ? value : 0;
}

bool IsUsableRate(double rate) {
  return std::isfinite(rate) && rate > 0;
}

// The tests that end the operation before it shows any sign of work, in the order the user
// meets them. Only MicroDVD has frames to rescale, so the format comes before the rates.
std::optional<OperationResult> RefusedBeforeStart(const ChangeFrameRateParams& params,
                                                  FrameView& view) {
  if (params.inputPath.empty()) {
    return Refusal(view, "Select a subtitle!");
  }
  SubtitleFormat format = SubtitleFormat::Unknown;
  try {
    format = DetectFileFormat(params.inputPath);
  } catch (const SubtitleError& error) {
    return FailureResult(view, error);
  }
  if (format == SubtitleFormat::SubRip) {
    return Refusal(
        view, std::string("You can not change the framerate of a ") + FormatName(format) + "-file",
        MessageIcon::Information);
  }
  if (format == SubtitleFormat::Unknown) {
    return Refusal(view, kNotASubtitle);
  }
  // The two list entries are compared as texts, as the user sees them.
  if (params.currentRateText == params.newRateText) {
    return Refusal(view, kSameRates);
  }
  if (!IsUsableRate(LeadingNumber(params.newRateText)) ||
      !IsUsableRate(LeadingNumber(params.currentRateText))) {
    return Refusal(view, kNoRate);
  }
  return std::nullopt;
}

// Rewrites every MicroDVD line of the input at the new rate; lines too short to hold an
// entry are dropped. The window is restored before the output is closed, as after any run,
// and the output appears under its name only when the whole input is done.
void RescaleFrames(const std::string& inputPath, const std::string& outputPath, double currentRate,
                   double newRate, bool& busy, FrameView& view) {
  TextReader input(inputPath);
  OutputFile output(outputPath);
  if (input.hasByteOrderMark()) {
    output.write(kByteOrderMark);
  }
  SubtitleEntry entry;
  while (!input.atEnd()) {
    if (ReadMicroDvdEntry(input, entry)) {
      WriteMicroDvdEntry(output, entry, currentRate, newRate);
    }
  }
  view.leaveBusy();
  busy = false;
  output.commit();
}

}  // namespace

OperationResult ChangeFrameRate(const ChangeFrameRateParams& params, FrameView& view) {
  if (auto refused = RefusedBeforeStart(params, view)) {
    return *refused;
  }
  view.enterBusy(BusyCaption(kBusyLiteral));
  bool busy = true;
  const double newRate = LeadingNumber(params.newRateText);
  const double currentRate = LeadingNumber(params.currentRateText);
  const std::string rateText = ShortestDecimal(newRate, params.decimalSeparator);
  const std::string outputPath =
      OutputPath(params.inputPath, " - " + rateText + "fps", FileExtension(params.inputPath));
  try {
    RescaleFrames(params.inputPath, outputPath, currentRate, newRate, busy, view);
  } catch (const SubtitleError& error) {
    return FailureResult(view, error, busy);
  }

  OperationResult result;
  result.outputs.push_back(outputPath);
  // With the output as new input, its rate becomes the current one; its kind (MicroDVD) and
  // so lblInputFileInformation stay as they are.
  if (!ApplyPostSuccessOptions(params.inputPath, outputPath, params.deleteSource,
                               params.outputAsInput, result, view,
                               [&] { view.selectCurrentFrameRate(newRate); })) {
    return result;
  }
  result.message = Message{TitleText(), kCompleted, MessageIcon::None};
  view.showMessage(*result.message);
  return result;
}

}  // namespace lumetra
