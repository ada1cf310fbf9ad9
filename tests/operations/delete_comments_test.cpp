#include <gtest/gtest.h>

#include "operations/comment_scan.h"
#include "operations/delete_comments.h"
#include "support/temp_dir.h"
#include "view_log.h"

namespace lumetra {
namespace {

using testing::TempDir;
using testing::ViewLog;

struct ScanCase {
  const char* text;
  const char* begin;
  const char* end;
  const char* expected;  // "" when the entry is dropped
  long long comments;
};

class CommentScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(CommentScanTest, RemovesCommentsAndCleansUp) {
  const ScanCase& c = GetParam();
  const CommentScanResult result = RemoveComments(c.text, c.begin, c.end);
  EXPECT_EQ(result.text, c.expected) << "text: " << c.text;
  EXPECT_EQ(result.comments, c.comments) << "text: " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommentScanTest,
    ::testing::Values(
        // The comment and the one space after it go.
        ScanCase{"[laughs] Hello", "[", "]", "Hello", 1},
        ScanCase{"Hello [laughs]", "[", "]", "Hello", 1},
        ScanCase{"Hello [laughs] world", "[", "]", "Hello world", 1},
        ScanCase{"Hello [laughs], world", "[", "]", "Hello , world", 1},
        ScanCase{"A [x]  B", "[", "]", "A  B", 1},
        // Entries left empty are dropped, every comment still counts.
        ScanCase{"[music]", "[", "]", "", 1}, ScanCase{"[door]|[bell]|[dog]", "[", "]", "", 3},
        ScanCase{"[a][b]", "[", "]", "", 2},
        // Line breaks left over at the ends or in a row are removed.
        ScanCase{"[music]|Hello", "[", "]", "Hello", 1},
        ScanCase{"Hello|[music]", "[", "]", "Hello", 1}, ScanCase{"A|[x]|B", "[", "]", "A|B", 1},
        ScanCase{"A|[x]|[y]|B", "[", "]", "A|B", 2},
        // A comment swallows line breaks; comments do not nest; an open one runs to the end.
        ScanCase{"[a|b] Hi", "[", "]", "Hi", 1}, ScanCase{"[a [b] c]", "[", "]", "c]", 1},
        ScanCase{"Hi [open", "[", "]", "Hi", 1}, ScanCase{"Hi] there", "[", "]", "Hi] there", 0},
        // Spaces are trimmed only after the line breaks.
        ScanCase{" | ", "[", "]", "|", 0}, ScanCase{" |Hello", "[", "]", "|Hello", 0},
        ScanCase{"a | b", "[", "]", "a | b", 0}, ScanCase{"  Hello  ", "[", "]", "Hello", 0},
        ScanCase{"||a||b||", "[", "]", "a|b", 0},
        // Other delimiters, equal ones and UTF-8 characters.
        ScanCase{"[Note]", "(", ")", "[Note]", 0}, ScanCase{"(Note) Hi", "(", ")", "Hi", 1},
        ScanCase{"*sigh* Hi *x*", "*", "*", "Hi", 2},
        ScanCase{"\xC2\xABrire\xC2\xBB Caf\xC3\xA9", "\xC2\xAB", "\xC2\xBB", "Caf\xC3\xA9", 1},
        ScanCase{"", "[", "]", "", 0}));

constexpr const char* kFiveBlocks =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n\r\n"
    "2\r\n00:00:03,000 --> 00:00:04,000\r\n[door] Two\r\n\r\n"
    "3\r\n00:00:05,000 --> 00:00:06,000\r\n[music]\r\n\r\n"
    "4\r\n00:00:07,000 --> 00:00:08,000\r\nFour|[x]\r\n\r\n"
    "5\r\n00:00:09,000 --> 00:00:10,000\r\nFive\r\n";

TEST(DeleteCommentsTest, SubRipBlocksAreNumberedWithoutGaps) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.srt", kFiveBlocks);
  params.outputFormat = SubtitleFormat::SubRip;
  ViewLog view;
  const OperationResult result = DeleteComments(params, "[", "]", view);

  ASSERT_EQ(result.outcome, Outcome::Completed);
  EXPECT_EQ(result.count, 3);
  EXPECT_EQ(dir.read("movie - without comments.srt"),
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n\r\n"
            "2\r\n00:00:03,000 --> 00:00:04,000\r\nTwo\r\n\r\n"
            "3\r\n00:00:07,000 --> 00:00:08,000\r\nFour\r\n\r\n"
            "4\r\n00:00:09,000 --> 00:00:10,000\r\nFive\r\n");
  EXPECT_EQ(dir.read("movie.srt"), kFiveBlocks);
}

TEST(DeleteCommentsTest, ConvertsWhileDeleting) {
  TempDir dir;
  CommonParams params;
  params.inputPath =
      dir.write("movie.sub", "{250}{500}[x] Hi\r\n\r\n{600}{}[y]\r\n{700}{750}Bye\r\n");
  params.frameRate = 25;
  params.outputFormat = SubtitleFormat::SubRip;
  ViewLog view;
  ASSERT_EQ(DeleteComments(params, "[", "]", view).outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - without comments.srt"),
            "1\r\n00:00:10,000 --> 00:00:20,000\r\nHi\r\n\r\n"
            "2\r\n00:00:28,000 --> 00:00:30,000\r\nBye\r\n");
}

TEST(DeleteCommentsTest, MicroDvdKeepsAMissingEndAndSkipsShortLines) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "{100}{}[x] Hi\r\n\r\n{1}\r\n{200}{300} Plain \r\n");
  ViewLog view;
  const OperationResult result = DeleteComments(params, "[", "]", view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - without comments.sub"), "{100}{}Hi\r\n{200}{300}Plain\r\n");
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "The comments are deleted.\rNumber of deleted comments: 1");
  EXPECT_EQ(view.messages[0].title, "Lumetra 2.6 - Written by Taviel");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
}

TEST(DeleteCommentsTest, ResetsTheShiftAfterTheOptionsAndBeforeTheMessage) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "{1}{2}Hi\r\n");
  params.deleteSource = true;
  ViewLog view;
  const OperationResult result = DeleteComments(params, "[", "]", view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  const std::vector<std::string> expected = {
      "busy Lumetra 2.6 - Written by Taviel - deleting comments...", "rest", "source ",
      "reset shift", "message The comments are deleted.\rNumber of deleted comments: 0"};
  EXPECT_EQ(view.events, expected);
  EXPECT_FALSE(dir.exists("movie.sub"));
}

struct RefusalCase {
  const char* begin;
  const char* end;
  bool withInput;
  const char* message;
};

class DeleteCommentsRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DeleteCommentsRefusalTest, RefusesBeforeOpeningAnything) {
  const RefusalCase& c = GetParam();
  TempDir dir;
  CommonParams params;
  if (c.withInput) {
    params.inputPath = dir.write("movie.sub", "{1}{2}[x] Hi\r\n");
  }
  ViewLog view;
  const OperationResult result = DeleteComments(params, c.begin, c.end, view);
  EXPECT_EQ(result.outcome, Outcome::Refused);
  ASSERT_EQ(view.events.size(), 1u);
  EXPECT_EQ(view.messages[0].text, c.message);
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(dir.names().size(), c.withInput ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Preconditions, DeleteCommentsRefusalTest,
                         ::testing::Values(RefusalCase{"", "", false, "Enter the begin character!"},
                                           RefusalCase{"", "]", true, "Enter the begin character!"},
                                           RefusalCase{"[", "", false, "Enter the end character!"},
                                           RefusalCase{"[", "]", false, "Select a subtitle!"}));

TEST(DeleteCommentsTest, FormatFailureLeavesNoOutput) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "{1}{2}[x] Hi\r\n{3}{4x}Bad\r\n");
  const std::string earlier = dir.write("movie - without comments.sub", "earlier run\r\n");
  ViewLog view;
  const OperationResult result = DeleteComments(params, "[", "]", view);
  EXPECT_EQ(result.outcome, Outcome::FormatFailure);
  EXPECT_EQ(result.failureLine, 2);
  EXPECT_EQ(dir.read(earlier), "earlier run\r\n");
  EXPECT_EQ(dir.names().size(), 2u);
  EXPECT_EQ(view.events.back(), "rest");
}

}  // namespace
}  // namespace lumetra
