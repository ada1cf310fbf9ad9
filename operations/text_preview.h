#pragma once

#include <functional>
#include <string>

#include "operations/correct.h"
#include "operations/delete_comments.h"
#include "operations/frame.h"

namespace lumetra {

// One entry that Correct or Delete comments would change.
struct TextChange {
  long long entryNumber = 0;  // counted as the operation counts entries, from 1
  long long index = 0;        // counted over the entries the transform sees: what leaves it out
  double startMs = 0;         // when the entry is shown
  std::string before;         // line breaks as kLineBreak
  std::string after;          // "" when the entry would be dropped
  bool dropped = false;
};
using ChangeSink = std::function<void(const TextChange&)>;

// Correct and Delete comments as a run would do them, writing nothing: every entry they
// would change goes to `changes`, in file order, and the view shows the count the run would
// report ("Number of corrections: 8"), or the refusal or failure the run would meet.
void PreviewCorrect(const CommonParams& params, const CorrectSettings& settings,
                    const ChangeSink& changes, FrameView& view);
void PreviewDeleteComments(const CommonParams& params, const CommentSettings& settings,
                           const ChangeSink& changes, FrameView& view);
void PreviewDeleteComments(const CommonParams& params, const std::string& begin,
                           const std::string& end, const ChangeSink& changes, FrameView& view);

}  // namespace lumetra
