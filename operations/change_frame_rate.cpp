#include "operations/change_frame_rate.h"

#include <charconv>
#include <cmath>

#include "files/output_file.h"
#include "operations/existing_outputs.h"
#include "subtitle/entry_io.h"
#include "subtitle/frame_rates.h"
#include "subtitle/number_text.h"
#include "subtitle/paths.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/subtitle_output.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

constexpr const char* kActivity = "changing framerate...";

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
// meets them; the refusal's text, or "" to go on. Only MicroDVD has frames to rescale, so the
// format comes before the rates.
std::string RefusalOf(const SubtitleInput& input, const std::string& currentRateText,
                      const std::string& newRateText, MessageIcon& icon) {
  icon = MessageIcon::Critical;
  // Formats timed in milliseconds have no frames to rescale.
  if (const FormatDescription* description = Describe(input.format());
      description && !description->timedInFrames) {
    icon = MessageIcon::Information;
    return std::string("You can not change the framerate of a ") + FormatName(input.format()) +
           "-file";
  }
  if (input.format() == SubtitleFormat::Unknown) {
    return kNotASubtitle;
  }
  // The two list entries are compared as texts, as the user sees them.
  if (currentRateText == newRateText) {
    return "The current and the new framerate are the same!";
  }
  if (!IsUsableRate(LeadingNumber(newRateText)) || !IsUsableRate(LeadingNumber(currentRateText))) {
    return "Select a framerate!";
  }
  return {};
}

// Rewrites every entry of the input at the new rate; lines too short to hold an entry are
// dropped, and a frame-rate line at the top declares the new rate.
void RescaleFrames(SubtitleInput& input, OutputFile& file, double currentRate, double newRate) {
  SubtitleOutput output(file, SubtitleFormat::MicroDvd, input, ShortestDecimal(newRate));
  EntryReader& entries = input.entries();
  const UnitConversion toNewRate(currentRate, newRate);
  SubtitleEntry entry;
  for (EntryReader::Step step; (step = entries.next(entry)) != EntryReader::Step::End;) {
    if (step == EntryReader::Step::Entry) {
      const bool hasEnd = ConvertEntryTimes(entry, toNewRate);
      output.write(entry, hasEnd, 0, false);
    }
  }
}

}  // namespace

void ChangeFrameRate(const ChangeFrameRateParams& params, FrameView& view) {
  if (params.inputPath.empty()) {
    Refuse(view, kSelectASubtitle);
    return;
  }
  bool busy = false;
  std::string outputPath;
  double newRate = 0;
  try {
    SubtitleInput input(params.inputPath, params.text);
    const ListedFrameRate* declared = input.listedFrameRate();
    const ListedFrameRate& rate = declared ? *declared : kFrameRates[kDefaultFrameRatePosition];
    const std::string currentRateText = params.currentRateText.value_or(std::string(rate.text));
    MessageIcon icon;
    if (const std::string refusal = RefusalOf(input, currentRateText, params.newRateText, icon);
        !refusal.empty()) {
      Refuse(view, refusal, icon);
      return;
    }
    view.enterBusy(BusyCaption(kActivity));
    busy = true;
    newRate = LeadingNumber(params.newRateText);
    const std::string rateText = ShortestDecimal(newRate, params.decimalSeparator);
    outputPath = OutputPath(params.inputPath, " - " + rateText + "fps",
                            FileExtension(params.inputPath), params.outputFolder);
    OutputFile file(outputPath);
    RescaleFrames(input, file, LeadingNumber(currentRateText), newRate);
    view.leaveBusy();
    busy = false;
    if (!NameOutputs(file, params.keepExistingOutputs, *params.committer, view)) {
      return;  // the finished file goes with `file`
    }
  } catch (...) {
    Fail(view, std::current_exception(), params.inputPath, busy);
    return;
  }

  if (!ApplyPostSuccessOptions(params.inputPath, outputPath, params.deleteSource,
                               params.outputAsInput, view)) {
    return;
  }
  // With the output as new input, its rate becomes the current one; its kind (MicroDVD) and
  // so lblInputFileInformation stay as they are.
  if (params.outputAsInput) {
    view.selectCurrentFrameRate(newRate);
  }
  Complete(view, "The framerate is changed.");
}

}  // namespace lumetra
