#include "operations/frame.h"

#include <unistd.h>

#include <cerrno>

#include "subtitle/microdvd.h"
#include "subtitle/output_file.h"
#include "subtitle/paths.h"
#include "subtitle/subrip.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/text_reader.h"

namespace lumetra {
namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

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

// The entry loop: reads with the input's reader, transforms, writes in the output format.
void CopyEntries(TextReader& input, OutputFile& output, const UnitContext& units,
                 SubtitleFormat outputFormat, const EntryOperation& operation) {
  SubtitleEntry entry;
  long long entryNumber = 0;
  long long written = 0;
  while (!input.atEnd()) {
    ++entryNumber;
    if (units.inputFormat == SubtitleFormat::MicroDvd) {
      if (!ReadMicroDvdEntry(input, entry)) {
        continue;
      }
    } else {
      ReadSubRipEntry(input, entry);
    }
    if (operation.transform && !operation.transform(entry, units)) {
      continue;
    }
    ++written;
    if (outputFormat == SubtitleFormat::SubRip) {
      const long long number = operation.numberWrittenEntries ? written : entryNumber;
      WriteSubRipEntry(output, entry, number, units.inputUnitsPerSecond, units.outputUnitsPerSecond,
                       input.atEnd());
    } else {
      WriteMicroDvdEntry(output, entry, units.inputUnitsPerSecond, units.outputUnitsPerSecond);
    }
  }
}

}  // namespace

OperationResult Refusal(FrameView& view, const std::string& text, MessageIcon icon) {
  OperationResult result;
  result.outcome = Outcome::Refused;
  result.message = Message{TitleText(), text, icon};
  view.showMessage(*result.message);
  return result;
}

OperationResult FailureResult(FrameView& view, const SubtitleError& error, bool wasBusy) {
  OperationResult result;
  const bool format = error.kind() == SubtitleError::Kind::Format;
  result.outcome = format ? Outcome::FormatFailure : Outcome::OtherFailure;
  result.failureNumber = error.number();
  result.failureDescription = error.description();
  result.failureLine = error.line();
  result.message = Message{TitleText(), FailureText(error), MessageIcon::Critical};
  view.showMessage(*result.message);
  if (wasBusy) {
    view.leaveBusy();
  }
  return result;
}

void DeleteSourceFile(const std::string& path, OperationResult& result, FrameView& view) {
  if (::unlink(path.c_str()) != 0) {
    // The output is complete and stays; the user is told the input could not go.
    const OperationResult failure =
        FailureResult(view, SubtitleError::FromErrno(errno, path, FileAction::Deleting));
    result.outcome = failure.outcome;
    result.message = failure.message;
    result.failureNumber = failure.failureNumber;
    result.failureDescription = failure.failureDescription;
    return;
  }
  result.newSource = "";
  view.setSource("");
}

bool ApplyPostSuccessOptions(const std::string& inputPath, const std::string& outputPath,
                             bool deleteSource, bool outputAsInput, OperationResult& result,
                             FrameView& view, const std::function<void()>& alsoForNewInput) {
  if (deleteSource) {
    DeleteSourceFile(inputPath, result, view);
    if (result.outcome != Outcome::Completed) {
      return false;
    }
  }
  if (outputAsInput) {
    result.newSource = outputPath;
    view.setSource(outputPath);
    alsoForNewInput();
  }
  return true;
}

void CompleteThenDeleteSource(const std::string& inputPath, bool deleteSource,
                              const Message& message, OperationResult& result, FrameView& view) {
  result.message = message;
  view.showMessage(message);
  if (deleteSource) {
    DeleteSourceFile(inputPath, result, view);
  }
}

OperationResult RunEntryOperation(const CommonParams& params, const EntryOperation& operation,
                                  FrameView& view) {
  if (params.inputPath.empty()) {
    return Refusal(view, "Select a subtitle!");
  }
  UnitContext units;
  units.outputUnitsPerSecond = UnitsPerSecond(params.outputFormat, params.frameRate);
  const std::string extension = FormatExtension(params.outputFormat);
  const std::string outputPath = OutputPath(params.inputPath, operation.outputSuffix, extension);

  bool busy = false;
  try {
    if (operation.refuseInput) {
      // This operation tests the input before it shows any sign of work.
      units.inputFormat = DetectFileFormat(params.inputPath);
      if (auto refusal = operation.refuseInput(units.inputFormat)) {
        return Refusal(view, *refusal);
      }
    }
    view.enterBusy(BusyCaption(operation.busyLiteral));
    busy = true;
    {
      TextReader first(params.inputPath);
      OutputFile output(outputPath);
      if (!operation.refuseInput) {
        units.inputFormat = FormatOfFirstCharacter(first.readChar());
      }
      units.inputUnitsPerSecond = UnitsPerSecond(units.inputFormat, params.frameRate);
      TextReader input(params.inputPath);
      if (input.hasByteOrderMark()) {
        output.write(kByteOrderMark);
      }
      if (units.inputFormat == SubtitleFormat::Unknown) {
        throw SubtitleError::UnknownFormat();
      }
      CopyEntries(input, output, units, params.outputFormat, operation);
      view.leaveBusy();
      busy = false;
      output.commit();
    }
  } catch (const SubtitleError& error) {
    // Every file of the run is closed and the unfinished output removed by now.
    return FailureResult(view, error, busy);
  }

  OperationResult result;
  result.outputs.push_back(outputPath);
  if (operation.count) {
    result.count = operation.count();
  }
  const bool applied = ApplyPostSuccessOptions(
      params.inputPath, outputPath, params.deleteSource, params.outputAsInput, result, view, [&] {
        result.inputInformation = std::string(FormatName(params.outputFormat)) + " subtitle";
        view.setInputInformation(*result.inputInformation);
      });
  if (!applied) {
    return result;
  }
  if (operation.afterSuccess) {
    operation.afterSuccess(view);
  }
  result.message = Message{TitleText(), operation.completion(), MessageIcon::None};
  view.showMessage(*result.message);
  return result;
}

}  // namespace lumetra
