#include "operations/change_frame_rate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

ChangeFrameRateParams Params(const std::string& input, const std::string& current,
                             const std::string& next) {
  ChangeFrameRateParams params;
  params.inputPath = input;
  params.currentRateText = current;
  params.newRateText = next;
  return params;
}

TEST(ChangeFrameRate, WorkedExampleFrom25To23976) {
  TempDir dir;
  const auto input = dir.write("movie.sub", "{1000}{1100}Hello|world\r\n{1000}{}Hi\r\n");
  RecordingView view;
  const auto result = ChangeFrameRate(Params(input, "25", "23.976"), view);

  ASSERT_EQ(result.outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - 23.976fps.sub"), "{959}{1055}Hello|world\r\n{959}{}Hi\r\n");
  EXPECT_EQ(result.outputs, std::vector<std::string>{dir.file("movie - 23.976fps.sub")});
  ASSERT_TRUE(result.message.has_value());
  EXPECT_EQ(result.message->text, "The framerate is changed.");
  EXPECT_EQ(result.message->title, "Lumetra 2.6 - Written by Taviel");
  EXPECT_EQ(result.message->icon, MessageIcon::None);
  EXPECT_EQ(view.events, (std::vector<std::string>{
                             "busy:Lumetra 2.6 - Written by Taviel - changing framerate...", "rest",
                             "message"}));
}

struct RateCase {
  const char* current;
  const char* next;
  const char* input;
  const char* output;
};

// Frame 1000 from 25 to every rate and back; halves (24 -> 25: 12.5, 37.5) go to the even
// neighbour.
TEST(ChangeFrameRate, RescalesAtEveryRate) {
  const RateCase cases[] = {
      {"25", "23.976", "{1000}{2000}a", "{959}{1918}a"},
      {"25", "24", "{1000}{2000}a", "{960}{1920}a"},
      {"25", "29.97", "{1000}{2000}a", "{1199}{2398}a"},
      {"25", "30", "{1000}{2000}a", "{1200}{2400}a"},
      {"23.976", "25", "{959}{1055}x", "{1000}{1100}x"},
      {"23.976", "25", "{1000}{}a", "{1043}{}a"},
      {"24", "25", "{12}{36}a", "{12}{38}a"},
      {"29.97", "25", "{1000}{1}a", "{834}{1}a"},
      {"30", "25", "{1000}{0}a", "{833}{}a"},
      {"30", "24", "{0}{0}x", "{0}{}x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.current) + " -> " + c.next + ": " + c.input);
    TempDir dir;
    const auto input = dir.write("in.sub", std::string(c.input) + "\r\n");
    RecordingView view;
    const auto result = ChangeFrameRate(Params(input, c.current, c.next), view);
    ASSERT_EQ(result.outcome, Outcome::Completed);
    ASSERT_EQ(result.outputs.size(), 1u);
    EXPECT_EQ(testing::ReadFile(result.outputs[0]), std::string(c.output) + "\r\n");
  }
}

TEST(ChangeFrameRate, DropsShortLinesAndKeepsTheRestInOrder) {
  TempDir dir;
  const auto input =
      dir.write("movie.sub", "{25}{50}one\r\n\r\n{1}\r\nab\r\n{}{}x\r\n{1}}\r\n{50}{75}a}b|c\r\n");
  RecordingView view;
  ASSERT_EQ(ChangeFrameRate(Params(input, "25", "30"), view).outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - 30fps.sub"), "{30}{60}one\r\n{0}{}x\r\n{1}{}\r\n{60}{90}a}b|c\r\n");
}

TEST(ChangeFrameRate, ReadsLinuxAndOldMacLineEnds) {
  TempDir dir;
  const auto input = dir.write("movie.sub", "{25}{50}a\n{50}{75}b\r{75}{100}c");
  RecordingView view;
  ASSERT_EQ(ChangeFrameRate(Params(input, "25", "30"), view).outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - 30fps.sub"), "{30}{60}a\r\n{60}{90}b\r\n{90}{120}c\r\n");
}

TEST(ChangeFrameRate, CarriesAByteOrderMarkToTheOutput) {
  TempDir dir;
  const auto input = dir.write("movie.sub", "\xEF\xBB\xBF{1000}{1100}x\r\n");
  RecordingView view;
  ASSERT_EQ(ChangeFrameRate(Params(input, "25", "23.976"), view).outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - 23.976fps.sub"), "\xEF\xBB\xBF{959}{1055}x\r\n");
}

struct NameCase {
  const char* input;
  const char* newRate;
  char separator;
  const char* output;
};

// The output keeps the input's own extension; a name without one gets none.
TEST(ChangeFrameRate, NamesTheOutputAfterTheNewRate) {
  const NameCase cases[] = {
      {"movie.sub", "25", '.', "movie - 25fps.sub"},
      {"movie.txt", "25", '.', "movie - 25fps.txt"},
      {"movie", "25", '.', "movie - 25fps"},
      {"film.subtitle", "24", '.', "film - 24fps.subtitle"},
      {"movie.sub", "23.976", ',', "movie - 23,976fps.sub"},
      {"movie.sub", "29.97", '.', "movie - 29.97fps.sub"},
      {"my film.v2.sub", "30", '.', "my film.v2 - 30fps.sub"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    const auto input = dir.write(c.input, "{1}{2}x\r\n");
    ChangeFrameRateParams params = Params(input, "29.97", c.newRate);
    if (std::string(c.newRate) == "29.97") {
      params.currentRateText = "25";
    }
    params.decimalSeparator = c.separator;
    RecordingView view;
    const auto result = ChangeFrameRate(params, view);
    ASSERT_EQ(result.outcome, Outcome::Completed);
    EXPECT_EQ(result.outputs, std::vector<std::string>{dir.file(c.output)});
    EXPECT_TRUE(dir.exists(c.output));
    EXPECT_EQ(dir.names().size(), 2u);
  }
}

struct RefusalCase {
  const char* name;
  const char* content;  // nullptr: no input selected
  const char* current;
  const char* next;
  const char* text;
  MessageIcon icon;
};

// Every refusal leaves the folder as it was and never enters the busy state.
TEST(ChangeFrameRate, RefusesWithoutWritingAnything) {
  const RefusalCase cases[] = {
      {"no input", nullptr, "25", "24", "Select a subtitle!", MessageIcon::Critical},
      {"SubRip", "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n", "25", "24",
       "You can not change the framerate of a SubRip-file", MessageIcon::Information},
      {"SubRip with a byte-order mark",
       "\xEF\xBB\xBF"
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n",
       "25", "25", "You can not change the framerate of a SubRip-file", MessageIcon::Information},
      {"unknown format", "Hello\r\n", "25", "24",
       "The selected file is not a subtitle (or is an unknown format)", MessageIcon::Critical},
      {"same rates", "{1}{2}x\r\n", "23.976", "23.976",
       "The current and the new framerate are the same!", MessageIcon::Critical},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string input = c.content ? dir.write("movie.sub", c.content) : "";
    RecordingView view;
    const auto result = ChangeFrameRate(Params(input, c.current, c.next), view);
    EXPECT_EQ(result.outcome, Outcome::Refused);
    ASSERT_TRUE(result.message.has_value());
    EXPECT_EQ(result.message->text, c.text);
    EXPECT_EQ(result.message->icon, c.icon);
    EXPECT_EQ(result.message->title, "Lumetra 2.6 - Written by Taviel");
    EXPECT_EQ(view.events, std::vector<std::string>{"message"});
    EXPECT_TRUE(result.outputs.empty());
    EXPECT_EQ(dir.names(),
              c.content ? std::vector<std::string>{"movie.sub"} : std::vector<std::string>{});
  }
}

TEST(ChangeFrameRate, MissingInputFailsBeforeTheBusyState) {
  TempDir dir;
  RecordingView view;
  const auto result = ChangeFrameRate(Params(dir.file("gone.sub"), "25", "24"), view);
  EXPECT_EQ(result.outcome, Outcome::OtherFailure);
  EXPECT_EQ(result.failureNumber, 53);
  EXPECT_EQ(view.events, std::vector<std::string>{"message"});
  EXPECT_TRUE(dir.names().empty());
}

TEST(ChangeFrameRate, EmptyInputFailsBeforeTheBusyState) {
  TempDir dir;
  const auto input = dir.write("empty.sub", "");
  RecordingView view;
  const auto result = ChangeFrameRate(Params(input, "25", "24"), view);
  EXPECT_EQ(result.outcome, Outcome::OtherFailure);
  EXPECT_EQ(view.events, std::vector<std::string>{"message"});
  EXPECT_EQ(dir.names(), std::vector<std::string>{"empty.sub"});
}

struct FailureCase {
  const char* name;
  const char* content;
  Outcome outcome;
  long line;
};

// A failed run leaves neither a partial output nor a temporary file, and an earlier output
// of the same name keeps its bytes.
TEST(ChangeFrameRate, FailureLeavesAnExistingOutputUntouched) {
  const FailureCase cases[] = {
      {"letter in a frame number", "{25}{50}a\r\n{25}{5x}b\r\n", Outcome::FormatFailure, 2},
      {"space in a frame number", "{25}{50}a\r\n\r\n{ 25}{50}b\r\n", Outcome::FormatFailure, 3},
      {"line ends inside a frame number", "{25}{50}a\r\n{123\r\n", Outcome::OtherFailure, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto input = dir.write("movie.sub", c.content);
    dir.write("movie - 24fps.sub", "earlier output\r\n");
    RecordingView view;
    const auto result = ChangeFrameRate(Params(input, "25", "24"), view);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.failureLine, c.line);
    EXPECT_TRUE(result.outputs.empty());
    ASSERT_TRUE(result.message.has_value());
    EXPECT_EQ(result.message->icon, MessageIcon::Critical);
    if (c.outcome == Outcome::FormatFailure) {
      EXPECT_EQ(result.message->text,
                "An error has occurred!\r\rThe selected file is no subtitle (or is an unkown "
                "format)");
    }
    EXPECT_EQ(dir.read("movie - 24fps.sub"), "earlier output\r\n");
    EXPECT_EQ(dir.read("movie.sub"), c.content);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"movie - 24fps.sub", "movie.sub"}));
    ASSERT_FALSE(view.events.empty());
    EXPECT_EQ(view.events.front(), "busy:Lumetra 2.6 - Written by Taviel - changing framerate...");
  }
}

TEST(ChangeFrameRate, ReplacesAnExistingOutputOnSuccess) {
  TempDir dir;
  const auto input = dir.write("movie.sub", "{25}{50}a\r\n");
  dir.write("movie - 30fps.sub", "earlier output\r\n");
  RecordingView view;
  ASSERT_EQ(ChangeFrameRate(Params(input, "25", "30"), view).outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - 30fps.sub"), "{30}{60}a\r\n");
}

TEST(ChangeFrameRate, OutputAsInputSelectsTheNewRateAndKeepsTheInformation) {
  TempDir dir;
  const auto input = dir.write("movie.sub", "{25}{50}a\r\n");
  ChangeFrameRateParams params = Params(input, "25", "23.976");
  params.outputAsInput = true;
  RecordingView view;
  const auto result = ChangeFrameRate(params, view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  const std::string output = dir.file("movie - 23.976fps.sub");
  EXPECT_EQ(result.newSource, output);
  EXPECT_FALSE(result.inputInformation.has_value());
  EXPECT_EQ(view.events, (std::vector<std::string>{
                             "busy:Lumetra 2.6 - Written by Taviel - changing framerate...", "rest",
                             "source:" + output, "rate:" + std::to_string(23.976), "message"}));
  EXPECT_TRUE(dir.exists("movie.sub"));
}

TEST(ChangeFrameRate, DeleteSourceRemovesTheInputAfterSuccess) {
  TempDir dir;
  const auto input = dir.write("movie.sub", "{25}{50}a\r\n");
  ChangeFrameRateParams params = Params(input, "25", "24");
  params.deleteSource = true;
  params.outputAsInput = true;
  RecordingView view;
  const auto result = ChangeFrameRate(params, view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"movie - 24fps.sub"});
  EXPECT_EQ(result.newSource, dir.file("movie - 24fps.sub"));
}

TEST(ChangeFrameRate, DeleteSourceIsNotAppliedAfterAFailure) {
  TempDir dir;
  const auto input = dir.write("movie.sub", "{x}{50}a\r\n");
  ChangeFrameRateParams params = Params(input, "25", "24");
  params.deleteSource = true;
  RecordingView view;
  EXPECT_EQ(ChangeFrameRate(params, view).outcome, Outcome::FormatFailure);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"movie.sub"});
}

}  // namespace
}  // namespace lumetra
