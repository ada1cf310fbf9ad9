// An operation learns from its committer whether its output is named before it says so,
// deletes its input or makes its output the new input.

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "files/committer.h"
#include "files/output_error.h"
#include "files/output_file.h"
#include "files/output_group.h"
#include "operations/change_frame_rate.h"
#include "operations/convert.h"
#include "operations/operation_params.h"
#include "operations/recording_view.h"
#include "operations/split.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

// A committer whose output folder cannot be synced: the output is named, but not safely.
class FailingFolderSync final : public Committer {
 public:
  void commit(OutputFile& file) override {
    file.finish();
    file.link();
    throw OutputError(EIO, file.target());
  }
  void commit(OutputGroup& group) override {
    group.link();
    throw OutputError(EIO, group.targets().front());
  }
};

TEST(CommitOutcome, AFailedCommitKeepsTheInputAndReportsTheFailure) {
  struct Case {
    const char* name;
    std::function<void(CommonParams, FrameView&)> run;
    const char* output;
  };
  const Case cases[] = {
      {"an entry operation",
       [](CommonParams p, FrameView& v) {
         p.outputFormat = SubtitleFormat::SubRip;
         Convert(p, 0, v);
       },
       "in - SubRip.srt"},
      {"change frame rate",
       [](CommonParams p, FrameView& v) {
         ChangeFrameRateParams change{p.inputPath, "25", "24", '.', true, true, {}};
         change.committer = p.committer;
         ChangeFrameRate(change, v);
       },
       "in - 24fps.sub"},
      {"split",
       [](CommonParams p, FrameView& v) {
         Split(p, SplitParams{2, 1000}, v);
       },
       "in - 1.sub"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string input = dir.write("in.sub", "{1}{2}a\r\n{1500}{1600}b\r\n");
    FailingFolderSync committer;
    CommonParams params = testing::Params(input);
    params.deleteSource = true;
    params.outputAsInput = true;
    params.committer = &committer;
    RecordingView view;
    c.run(params, view);
    EXPECT_TRUE(dir.exists("in.sub"));
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages.size(), 1u) << "no completion besides the failure";
    EXPECT_EQ(view.messages.back().kind, MessageKind::Failure);
    EXPECT_NE(view.lastText().find("Device I/O error: Input/output error (writing " +
                                   dir.file(c.output) + ")"),
              std::string::npos)
        << view.lastText();
    for (const std::string& event : view.events) {
      EXPECT_NE(event.rfind("source:", 0), 0u) << "the input changed to " << event;
    }
  }
}

}  // namespace
}  // namespace lumetra
