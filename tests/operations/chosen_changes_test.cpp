#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "operations/chosen_changes.h"
#include "operations/delete_comments.h"
#include "operations/operation_params.h"
#include "operations/recording_view.h"
#include "operations/text_diff.h"
#include "operations/text_preview.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::Params;
using testing::RecordingView;
using testing::TempDir;

// The skipped short line and the entry without a change must not shift the numbering.
constexpr const char* kInput =
    "{1}{2}lt is|[x] me\r\n\r\n{3}{4}Plain\r\n{5}{6}[y] Two''s\r\n{7}{8}[z]\r\n";

using Preview = std::function<void(const CommonParams&, const ChangeSink&, FrameView&)>;
using Writing = std::function<void(const CommonParams&, FrameView&, const LeftOutChanges&)>;

struct ChoiceCase {
  const char* name;
  Preview preview;
  Writing run;
  std::vector<int> leftOut;  // which of the previewed changes are unticked, from 0
  const char* expected;
  const char* message;
};

TEST(ChosenChanges, AnUntickedChangeIsWrittenAsItWas) {
  const CommentSettings comments{"[", "]", {}, false};
  const Preview previewComments = [&](const CommonParams& p, const ChangeSink& s, FrameView& v) {
    PreviewDeleteComments(p, comments, s, v);
  };
  const Writing deleteComments = [&](const CommonParams& p, FrameView& v, const LeftOutChanges& l) {
    DeleteComments(p, comments, v, l);
  };
  const Preview previewCorrect = [](const CommonParams& p, const ChangeSink& s, FrameView& v) {
    PreviewCorrect(p, CorrectSettings{}, s, v);
  };
  const Writing correct = [](const CommonParams& p, FrameView& v, const LeftOutChanges& l) {
    Correct(p, CorrectSettings{}, v, l);
  };
  // clang-format off
  const ChoiceCase cases[] = {
      {"all ticked", previewComments, deleteComments, {},
       "{1}{2}lt is|me\r\n{3}{4}Plain\r\n{5}{6}Two''s\r\n",
       "The comments are deleted.\rNumber of deleted comments: 3"},
      {"second unticked", previewComments, deleteComments, {1},
       "{1}{2}lt is|me\r\n{3}{4}Plain\r\n{5}{6}[y] Two''s\r\n",
       "The comments are deleted.\rNumber of deleted comments: 2"},
      {"a dropped entry unticked", previewComments, deleteComments, {2},
       "{1}{2}lt is|me\r\n{3}{4}Plain\r\n{5}{6}Two''s\r\n{7}{8}[z]\r\n",
       "The comments are deleted.\rNumber of deleted comments: 2"},
      {"first repair unticked", previewCorrect, correct, {0},
       "{1}{2}lt is|[x] me\r\n{3}{4}Plain\r\n{5}{6}[y] Two\"s\r\n{7}{8}[z]\r\n",
       "The subtitle is corrected.\r\rNumber of corrections: 2"},
      {"every repair unticked", previewCorrect, correct, {0, 1},
       "{1}{2}lt is|[x] me\r\n{3}{4}Plain\r\n{5}{6}[y] Two''s\r\n{7}{8}[z]\r\n",
       "The subtitle is corrected.\r\rNumber of corrections: 0"},
  };
  // clang-format on
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const CommonParams params = Params(dir.write("movie.sub", kInput));
    std::vector<TextChange> changes;
    RecordingView preview;
    c.preview(
        params, [&](const TextChange& change) { changes.push_back(change); }, preview);
    LeftOutChanges leftOut;
    for (const int k : c.leftOut) {
      leftOut.insert(changes.at(static_cast<std::size_t>(k)).index);
    }
    RecordingView view;
    c.run(params, view, leftOut);
    EXPECT_EQ(view.lastText(), c.message);
    const bool comments = std::string(c.message).starts_with("The comments");
    EXPECT_EQ(dir.read(comments ? "movie - without comments.sub" : "movie - corrected.sub"),
              c.expected);
  }
}

TEST(ChangeMarks, MarkWhatChanged) {
  struct MarkCase {
    const char* before;
    const char* after;
    const char* beforeMarks;  // "^" under each marked byte
    const char* afterMarks;
  };
  const MarkCase cases[] = {
      {"lt is", "It is", "^    ", "^    "},
      {"a ''b'' c", "a \"b\" c", "  ^^ ^^  ", "  ^ ^  "},
      {"[x] Hi", "Hi", "^^^^  ", "  "},
      {"same", "same", "    ", "    "},
  };
  for (const MarkCase& c : cases) {
    const ChangeMarks marks = MarkChanges(c.before, c.after);
    std::string before;
    std::string after;
    for (const bool marked : marks.before)
      before += marked ? '^' : ' ';
    for (const bool marked : marks.after)
      after += marked ? '^' : ' ';
    EXPECT_EQ(before, c.beforeMarks) << c.before;
    EXPECT_EQ(after, c.afterMarks) << c.before;
  }
}

}  // namespace
}  // namespace lumetra
