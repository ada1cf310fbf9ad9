#include <gtest/gtest.h>

#include <algorithm>

#include "operations/comment_scan.h"
#include "operations/delete_comments.h"
#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

struct ScanCase {
  const char* text;
  const char* begin;
  const char* end;
  const char* expected;  // "" when the entry is dropped
  long long comments;
};

TEST(CommentScan, RemovesCommentsAndCleansUp) {
  const ScanCase cases[] = {
      // The comment and the one space after it go.
      {"[laughs] Hello", "[", "]", "Hello", 1},
      {"Hello [laughs]", "[", "]", "Hello", 1},
      {"Hello [laughs] world", "[", "]", "Hello world", 1},
      {"Hello [laughs], world", "[", "]", "Hello , world", 1},
      {"A [x]  B", "[", "]", "A  B", 1},
      // Entries left empty are dropped, every comment still counts.
      {"[music]", "[", "]", "", 1},
      {"[door]|[bell]|[dog]", "[", "]", "", 3},
      {"[a][b]", "[", "]", "", 2},
      // Line breaks left over at the ends or in a row are removed.
      {"[music]|Hello", "[", "]", "Hello", 1},
      {"Hello|[music]", "[", "]", "Hello", 1},
      {"A|[x]|B", "[", "]", "A|B", 1},
      {"A|[x]|[y]|B", "[", "]", "A|B", 2},
      // A comment swallows line breaks; comments do not nest; an open one runs to the end.
      {"[a|b] Hi", "[", "]", "Hi", 1},
      {"[a [b] c]", "[", "]", "c]", 1},
      {"Hi [open", "[", "]", "Hi", 1},
      {"Hi] there", "[", "]", "Hi] there", 0},
      // Spaces are trimmed only after the line breaks.
      {" | ", "[", "]", "|", 0},
      {" |Hello", "[", "]", "|Hello", 0},
      {"a | b", "[", "]", "a | b", 0},
      {"  Hello  ", "[", "]", "Hello", 0},
      {"||a||b||", "[", "]", "a|b", 0},
      // Other delimiters, equal ones and UTF-8 characters.
      {"[Note]", "(", ")", "[Note]", 0},
      {"(Note) Hi", "(", ")", "Hi", 1},
      {"*sigh* Hi *x*", "*", "*", "Hi", 2},
      {"\xC2\xABrire\xC2\xBB Caf\xC3\xA9", "\xC2\xAB", "\xC2\xBB", "Caf\xC3\xA9", 1},
      {"", "[", "]", "", 0}};
  for (const ScanCase& c : cases) {
    // The cases write a line break as "|", as MicroDVD does.
    std::string text = c.text;
    std::replace(text.begin(), text.end(), '|', kLineBreak);
    std::string remaining = "left over from an earlier entry";
    const long long comments = RemoveComments(text, c.begin, c.end, remaining);
    std::replace(remaining.begin(), remaining.end(), kLineBreak, '|');
    EXPECT_EQ(remaining, c.expected) << "text: " << c.text;
    EXPECT_EQ(comments, c.comments) << "text: " << c.text;
  }
}

struct KindsCase {
  const char* name;
  const char* text;
  CommentKinds kinds;
  const char* expected;  // "" when the entry is dropped
  long long comments;
};

TEST(CommentScan, LeavesNoDebrisAndSeesThroughMarkup) {
  const CommentKinds square{{{"[", "]"}}, false};
  const CommentKinds round{{{"(", ")"}}, false};
  const CommentKinds both{{{"[", "]"}, {"(", ")"}}, false};
  const CommentKinds music{{{"[", "]"}}, true};
  const KindsCase cases[] = {
      {"lone dialogue dash", "- (mumbles)|- Hello", round, "- Hello", 1},
      {"dash and dots", "Hi|- [sighs] ...|Bye", square, "Hi|Bye", 1},
      {"last line", "- Hello|- [laughs]", square, "- Hello", 1},
      {"a line of dots without a comment stays", "...|[x]", square, "...", 1},
      {"text with punctuation stays", "Wait... [sighs]", square, "Wait...", 1},
      {"emptied tag pair", "<i>[music]</i>", square, "", 1},
      {"emptied tag pair line", "<i>[music]</i>|Hello", square, "Hello", 1},
      {"nested emptied pairs", "<b><i>[x]</i></b>|Hi <i>[x]</i> there", square, "Hi there", 2},
      {"comment inside a tag pair", "<i>[laughs] Hello</i>", square, "<i>Hello</i>", 1},
      {"tags inside a comment", "Hi [<i>x</i>] there", square, "Hi there", 1},
      {"override block kept", "{\\an8}[door] Go", square, "{\\an8}Go", 1},
      {"a begin inside markup opens nothing",
       "{\\an8}{noise} Go",
       {{{"{", "}"}}, false},
       "{\\an8}Go",
       1},
      {"several pairs", "[a] (b) c", both, "c", 2},
      {"the first pair that begins wins", "(x [y) z]", both, "z]", 1},
      {"music line", "\xE2\x99\xAA la la \xE2\x99\xAA|Hello", music, "Hello", 1},
      {"music lines only", "\xE2\x99\xAB la|<i>\xE2\x99\xAA</i>", music, "", 2},
      {"music kept when not asked for", "\xE2\x99\xAA la", square, "\xE2\x99\xAA la", 0},
  };
  for (const KindsCase& c : cases) {
    std::string text = c.text;
    std::replace(text.begin(), text.end(), '|', kLineBreak);
    const long long comments = RemoveComments(text, c.kinds);
    std::replace(text.begin(), text.end(), kLineBreak, '|');
    EXPECT_EQ(text, c.expected) << c.name;
    EXPECT_EQ(comments, c.comments) << c.name;
  }
}

struct FileCase {
  const char* input;  // written as movie.srt or movie.sub by its first character
  SubtitleFormat output;
  const char* expected;
  long long count;
};

// SubRip blocks are numbered without gaps; a MicroDVD entry keeps a missing end; short lines
// are skipped; the entries are converted on the way.
TEST(DeleteCommentsTest, WritesTheEntriesThatRemain) {
  const FileCase cases[] = {
      {"1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\n[door] Two\r\n\r\n"
       "3\r\n00:00:05,000 --> 00:00:06,000\r\n[music]\r\n\r\n"
       "4\r\n00:00:07,000 --> 00:00:08,000\r\nFour\r\n[x]\r\n\r\n"
       "5\r\n00:00:09,000 --> 00:00:10,000\r\nFive\r\n",
       SubtitleFormat::SubRip,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nTwo\r\n\r\n"
       "3\r\n00:00:07,000 --> 00:00:08,000\r\nFour\r\n\r\n"
       "4\r\n00:00:09,000 --> 00:00:10,000\r\nFive\r\n",
       3},
      {"{250}{500}[x] Hi\r\n\r\n{600}{}[y]\r\n{700}{750}Bye\r\n", SubtitleFormat::SubRip,
       "1\r\n00:00:10,000 --> 00:00:20,000\r\nHi\r\n\r\n"
       "2\r\n00:00:28,000 --> 00:00:30,000\r\nBye\r\n",
       2},
      {"{100}{}[x] Hi\r\n\r\n{1}\r\n{200}{300} Plain \r\n", SubtitleFormat::MicroDvd,
       "{100}{}Hi\r\n{200}{300}Plain\r\n", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    CommonParams params;
    params.inputPath = dir.write(c.input[0] == '{' ? "movie.sub" : "movie.srt", c.input);
    params.frameRate = 25;
    params.outputFormat = c.output;
    RecordingView view;
    DeleteComments(params, "[", "]", view);
    EXPECT_EQ(dir.read(c.output == SubtitleFormat::SubRip ? "movie - without comments.srt"
                                                          : "movie - without comments.sub"),
              c.expected);
    EXPECT_EQ(dir.read(params.inputPath), c.input);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text,
              "The comments are deleted.\rNumber of deleted comments: " + std::to_string(c.count));
    EXPECT_EQ(view.messages[0].title, "Lumetra 2.6 - Written by Taviel");
    EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
  }
}

}  // namespace
}  // namespace lumetra

namespace lumetra {
namespace {

TEST(CommentPairs, TwoCharactersEachPartedBySpaces) {
  struct PairsCase {
    const char* text;
    std::optional<std::vector<std::string>> pairs;  // begin + "|" + end
  };
  const PairsCase cases[] = {
      {"", std::vector<std::string>{}},
      {" () {}  ", std::vector<std::string>{"(|)", "{|}"}},
      {"\xC2\xAB\xC2\xBB \xE2\x99\xAA\xE2\x99\xAA",
       std::vector<std::string>{"\xC2\xAB|\xC2\xBB", "\xE2\x99\xAA|\xE2\x99\xAA"}},
      {"(", std::nullopt},
      {"()) ", std::nullopt},
      {"() x", std::nullopt},
  };
  for (const PairsCase& c : cases) {
    const auto pairs = ParseCommentPairs(c.text);
    ASSERT_EQ(pairs.has_value(), c.pairs.has_value()) << c.text;
    if (!pairs) {
      continue;
    }
    std::vector<std::string> seen;
    for (const CommentPair& pair : *pairs) {
      seen.push_back(pair.begin + "|" + pair.end);
    }
    EXPECT_EQ(seen, *c.pairs) << c.text;
  }
}

}  // namespace
}  // namespace lumetra
