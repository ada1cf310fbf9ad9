#include "operations/text_preview.h"

#include "operations/delete_comments.h"
#include "subtitle/entry_io.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

// The entry loop of a run without its output: the same entries, through the same transform.
bool PreviewEntries(const CommonParams& params, EntryTransform& transform,
                    const ChangeSink& changes, FrameView& view) {
  if (params.inputPath.empty()) {
    Refuse(view, kSelectASubtitle);
    return false;
  }
  try {
    SubtitleInput input(params.inputPath, params.text);
    const double rate = FrameRateOf(params, input);
    const double unitsPerSecond = UnitsPerSecond(input.format(), rate);
    EntryReader& entries = input.entries();
    const UnitConversion toMilliseconds(unitsPerSecond, 1000);
    SubtitleEntry entry;
    TextChange change;
    for (EntryReader::Step step; (step = entries.next(entry)) != EntryReader::Step::End;) {
      ++change.entryNumber;
      if (step == EntryReader::Step::NoEntry) {
        continue;
      }
      ++change.index;
      change.before = entry.text;
      change.dropped = !transform.apply(entry, unitsPerSecond);
      if (change.dropped || entry.text != change.before) {
        change.startMs = toMilliseconds(entry.start);
        change.after = change.dropped ? std::string() : entry.text;
        changes(change);
      }
    }
  } catch (...) {
    Fail(view, std::current_exception(), params.inputPath, false);
    return false;
  }
  return true;
}

}  // namespace

void PreviewCorrect(const CommonParams& params, const CorrectSettings& settings,
                    const ChangeSink& changes, FrameView& view) {
  CorrectRepairs repairs(settings);
  if (PreviewEntries(params, repairs, changes, view)) {
    Complete(view, CorrectionCount(repairs.corrections()));
  }
}

void PreviewDeleteComments(const CommonParams& params, const std::string& begin,
                           const std::string& end, const ChangeSink& changes, FrameView& view) {
  PreviewDeleteComments(params, CommentSettings{begin, end, {}, false}, changes, view);
}

void PreviewDeleteComments(const CommonParams& params, const CommentSettings& settings,
                           const ChangeSink& changes, FrameView& view) {
  if (const std::string refusal = CommentCharactersRefusal(settings.begin, settings.end);
      !refusal.empty()) {
    Refuse(view, refusal);
    return;
  }
  const CommentKinds kinds = KindsOf(settings);
  CommentRemoval removal(kinds);
  if (PreviewEntries(params, removal, changes, view)) {
    Complete(view, CommentCount(removal.comments()));
  }
}

}  // namespace lumetra
