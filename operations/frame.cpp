#include "operations/frame.h"

#include <unistd.h>

#include <cerrno>
#include <new>

#include "files/name_change.h"
#include "files/output_error.h"
#include "files/output_file.h"
#include "operations/existing_outputs.h"
#include "subtitle/frame_rates.h"
#include "subtitle/paths.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/subtitle_output.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

// The entry loop: reads with the input's reader, transforms, writes in the output format.
void CopyEntries(EntryReader& entries, SubtitleOutput& output, const TimeBases& bases,
                 EntryTransform& transform, bool numberWrittenEntries) {
  const UnitConversion toOutput(bases.input, bases.output);
  SubtitleEntry entry;
  long long entryNumber = 0;
  long long written = 0;
  for (;;) {
    const EntryReader::Step step = entries.next(entry);
    if (step == EntryReader::Step::End) {
      return;
    }
    ++entryNumber;  // a line without an entry still counts
    if (step == EntryReader::Step::NoEntry || !transform.apply(entry, bases.input)) {
      continue;
    }
    ++written;
    const bool hasEnd = ConvertEntryTimes(entry, toOutput);
    output.write(entry, hasEnd, numberWrittenEntries ? written : entryNumber, entries.atEnd());
  }
}

// Returns 0, or the errno of the failure. The signal cleanup never comes in the middle, nor
// waits for longer than the unlink (not for a message shown after it).
int RemoveFile(const std::string& path) {
  const NameChange change;
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

}  // namespace

std::string FailureText(const SubtitleError& error) {
  std::string text = "An error has occurred!";
  text += kCR;
  text += kCR;
  if (error.kind() == SubtitleError::Kind::Format) {
    text += "The selected file is no subtitle (or is an unkown format)";
  } else {
    text += "Error " + std::to_string(error.number()) + " : " + error.description();
  }
  return text;
}

double FrameRateOf(const CommonParams& params, const SubtitleInput& input) {
  if (params.frameRate) {
    return *params.frameRate;
  }
  const ListedFrameRate* declared = input.listedFrameRate();
  return declared ? declared->value : kFrameRates[kDefaultFrameRatePosition].value;
}

TextChoice TextChoiceOf(const CommonParams& params) {
  TextChoice text = params.text;
  // WebVTT is UTF-8 whatever the input is in.
  text.writeUtf8 = text.writeUtf8 || params.outputFormat == SubtitleFormat::WebVtt;
  return text;
}

SubtitleFormat OutputFormatOf(const CommonParams& params, const SubtitleInput& input,
                              bool convertsFormat) {
  const SubtitleFormat own =
      input.format() == SubtitleFormat::Unknown ? SubtitleFormat::MicroDvd : input.format();
  return params.outputFormat.value_or(convertsFormat ? OtherFormat(own) : own);
}

void Refuse(FrameView& view, const std::string& text, MessageIcon icon) {
  view.showMessage(Message{TitleText(), text, icon, MessageKind::Refusal});
}

void Complete(FrameView& view, const std::string& text, const std::string& title) {
  view.showMessage(Message{title, text, MessageIcon::None, MessageKind::Completion});
}

void Fail(FrameView& view, const std::exception_ptr& failure, const std::string& inputPath,
          bool wasBusy) {
  Message message{TitleText(), {}, MessageIcon::Critical, MessageKind::Failure};
  try {
    std::rethrow_exception(failure);
  } catch (const SubtitleError& error) {
    message.text = FailureText(error);
    message.inputLine = error.line();
  } catch (const OutputError& error) {
    message.text = FailureText(
        SubtitleError::FromErrno(error.errorNumber(), error.target(), FileAction::Writing));
  } catch (const std::bad_alloc&) {
    message.text = FailureText(SubtitleError::OutOfMemory(inputPath));
  } catch (const std::exception& error) {
    message.text = std::string("An error has occurred!") + kCR + kCR + error.what();
  }
  view.showMessage(message);
  if (wasBusy) {
    view.leaveBusy();
  }
}

bool DeleteSourceFile(const std::string& path, const std::vector<std::string>& outputs,
                      FrameView& view) {
  const int error = RemoveFile(path);
  if (error == 0) {
    view.setSource("");
    return true;
  }
  std::string text = FailureText(SubtitleError::FromErrno(error, path, FileAction::Deleting));
  text += kCR;
  text += kCR;
  if (outputs.size() == 1) {
    text += "The output was written to " + outputs.front() + "; the source file was kept.";
  } else if (!outputs.empty()) {
    text += "All " + std::to_string(outputs.size()) +
            " outputs were written; the source file was kept.";
  } else {
    text += "The source file was kept.";
  }
  view.showMessage(Message{TitleText(), text, MessageIcon::Critical, MessageKind::Failure});
  return false;
}

bool ApplyPostSuccessOptions(const std::string& inputPath, const std::string& outputPath,
                             bool deleteSource, bool outputAsInput, FrameView& view) {
  if (deleteSource && !DeleteSourceFile(inputPath, {outputPath}, view)) {
    return false;
  }
  if (outputAsInput) {
    view.setSource(outputPath);
  }
  return true;
}

bool RunEntryOperation(const CommonParams& params, const EntryOperation& operation,
                       EntryTransform& transform, FrameView& view) {
  if (params.inputPath.empty()) {
    Refuse(view, kSelectASubtitle);
    return false;
  }
  bool busy = false;
  const auto enterBusy = [&] {
    view.enterBusy(BusyCaption(operation.activity));
    busy = true;
  };
  SubtitleFileFacts written;
  std::string outputPath;
  try {
    // Convert looks at its input before it shows any sign of work.
    if (!operation.convertsFormat) {
      enterBusy();
    }
    SubtitleInput input(params.inputPath, TextChoiceOf(params));
    written.format = OutputFormatOf(params, input, operation.convertsFormat);
    written.encoding = input.encoding();
    written.codePage = input.writtenCodePage();
    if (operation.convertsFormat) {
      if (input.format() == written.format) {
        Refuse(view, "The output format is the same as the input format!");
        return false;
      }
      enterBusy();
    }
    const double rate = FrameRateOf(params, input);
    EntryReader& entries = input.entries();
    const TimeBases bases{UnitsPerSecond(input.format(), rate),
                          UnitsPerSecond(written.format, rate)};
    const std::string suffix = operation.outputSuffix
                                   ? std::string(operation.outputSuffix)
                                   : std::string(" - ") + FormatName(written.format);
    outputPath =
        OutputPath(params.inputPath, suffix, FormatExtension(written.format), params.outputFolder);
    OutputFile file(outputPath);
    SubtitleOutput output(file, written.format, input,
                          operation.newRateText
                              ? std::optional<std::string_view>(operation.newRateText)
                              : std::nullopt);
    if (output.declaresFrameRate()) {
      written.frameRate = input.listedFrameRate();
    }
    CopyEntries(entries, output, bases, transform, operation.numberWrittenEntries);
    view.leaveBusy();
    busy = false;
    if (!NameOutputs(file, params.keepExistingOutputs, *params.committer, view)) {
      return false;  // the finished file goes with `file`
    }
  } catch (...) {
    // Every file of the run is closed and the unfinished output removed by now.
    Fail(view, std::current_exception(), params.inputPath, busy);
    return false;
  }

  if (!ApplyPostSuccessOptions(params.inputPath, outputPath, params.deleteSource,
                               params.outputAsInput, view)) {
    return false;
  }
  if (params.outputAsInput) {
    view.setInputInformation(DescribeSubtitle(written));
  }
  return true;
}

}  // namespace lumetra
