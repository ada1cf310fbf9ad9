#include "operations/convert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

constexpr const char* kRates[] = {"23.976", "24", "25", "29.97", "30"};

CommonParams Params(const std::string& input, SubtitleFormat output, double rate = 25.0) {
  CommonParams params;
  params.inputPath = input;
  params.frameRate = rate;
  params.outputFormat = output;
  return params;
}

struct ExampleCase {
  const char* name;
  const char* input;
  SubtitleFormat to;
  int shiftMs;
  const char* outputName;
  const char* output;
};

// At 25 frames per second.
TEST(Convert, WorkedExamples) {
  const ExampleCase cases[] = {
      {"MicroDVD to SubRip", "{25}{75}Hello|world\r\n{100}{150}Bye\r\n", SubtitleFormat::SubRip, 0,
       "movie - SubRip.srt",
       "1\r\n00:00:01,000 --> 00:00:03,000\r\nHello\r\nworld\r\n\r\n"
       "2\r\n00:00:04,000 --> 00:00:06,000\r\nBye\r\n"},
      {"SubRip to MicroDVD", "1\r\n00:00:01,500 --> 00:00:04,000\r\nHello\r\nworld\r\n",
       SubtitleFormat::MicroDvd, 0, "movie - MicroDVD.sub", "{38}{100}Hello|world\r\n"},
      {"MicroDVD without end", "{25}{}Hi\r\n", SubtitleFormat::SubRip, 0, "movie - SubRip.srt",
       "1\r\n00:00:01,000 --> 00:00:00,000\r\nHi\r\n"},
      {"shift left on the Synchronize tab", "{25}{75}x\r\n", SubtitleFormat::SubRip, 1000,
       "movie - SubRip.srt", "1\r\n00:00:02,000 --> 00:00:04,000\r\nx\r\n"},
      {"negative shift held at 0", "1\r\n00:00:01,000 --> 00:00:03,000\r\nx\r\n",
       SubtitleFormat::MicroDvd, -2000, "movie - MicroDVD.sub", "{0}{25}x\r\n"},
      {"short lines leave gaps in the numbering", "{25}{50}a\r\n\r\n{1}\r\n{50}{75}b\r\n",
       SubtitleFormat::SubRip, 0, "movie - SubRip.srt",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n"
       "4\r\n00:00:02,000 --> 00:00:03,000\r\nb\r\n"},
      {"byte-order mark carried over",
       "\xEF\xBB\xBF"
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n",
       SubtitleFormat::MicroDvd, 0, "movie - MicroDVD.sub", "\xEF\xBB\xBF{25}{50}x\r\n"},
      {"SubRip numbers are not read",
       "1\r\n00:00:02,000 --> 00:00:03,000\r\nb\r\n\r\n"
       "5\r\n00:00:01,000 --> 00:00:02,000\r\na||\r\n",
       SubtitleFormat::MicroDvd, 0, "movie - MicroDVD.sub", "{50}{75}b\r\n{25}{50}a||\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto input =
        dir.write(c.to == SubtitleFormat::SubRip ? "movie.sub" : "movie.srt", c.input);
    RecordingView view;
    const auto result = Convert(Params(input, c.to), c.shiftMs, view);
    ASSERT_EQ(result.outcome, Outcome::Completed);
    EXPECT_EQ(result.outputs, std::vector<std::string>{dir.file(c.outputName)});
    EXPECT_EQ(dir.read(c.outputName), c.output);
    ASSERT_TRUE(result.message.has_value());
    EXPECT_EQ(result.message->text, "The subtitle is converted.");
    EXPECT_EQ(result.message->icon, MessageIcon::None);
    // Unlike Synchronize, Convert leaves the shift where it is.
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"busy:Lumetra 2.6 - Written by Taviel - converting...",
                                        "rest", "message"}));
  }
}

struct RateCase {
  const char* rate;
  const char* frame1000;    // frame 1000 as SubRip time
  const char* frame1;       // frame 1
  const char* minute;       // 00:01:00,000 as frame
  const char* oneAndAHalf;  // 00:00:01,500 as frame
};

// The same file gives different results at each rate, in both directions.
TEST(Convert, ConvertsAtEveryRate) {
  const RateCase cases[] = {
      {"23.976", "00:00:41,708", "00:00:00,042", "1439", "36"},
      {"24", "00:00:41,667", "00:00:00,042", "1440", "36"},
      {"25", "00:00:40,000", "00:00:00,040", "1500", "38"},
      {"29.97", "00:00:33,367", "00:00:00,033", "1798", "45"},
      {"30", "00:00:33,333", "00:00:00,033", "1800", "45"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rate);
    const double rate = std::stod(c.rate);
    TempDir dir;
    RecordingView view;
    const auto sub = dir.write("a.sub", "{1000}{1}x\r\n");
    ASSERT_EQ(Convert(Params(sub, SubtitleFormat::SubRip, rate), 0, view).outcome,
              Outcome::Completed);
    EXPECT_EQ(dir.read("a - SubRip.srt"),
              std::string("1\r\n") + c.frame1000 + " --> " + c.frame1 + "\r\nx\r\n");

    const auto srt = dir.write("b.srt", "1\r\n00:01:00,000 --> 00:00:01,500\r\ny\r\n");
    ASSERT_EQ(Convert(Params(srt, SubtitleFormat::MicroDvd, rate), 0, view).outcome,
              Outcome::Completed);
    EXPECT_EQ(dir.read("b - MicroDVD.sub"),
              std::string("{") + c.minute + "}{" + c.oneAndAHalf + "}y\r\n");
  }
}

// Whole milliseconds move a time by at most half a millisecond, far less than half a frame,
// so MicroDVD -> SubRip -> MicroDVD gives every frame number back.
TEST(Convert, RoundTripGivesBackEveryFrame) {
  std::string original;
  for (long frame = 0; frame < 30000; frame += 7) {
    original += "{" + std::to_string(frame) + "}{" + std::to_string(frame + 3) + "}t|u\r\n";
  }
  for (long frame = 1000000; frame < 1000300; ++frame) {
    original += "{" + std::to_string(frame) + "}{}v\r\n";
  }
  // Just under 100 hours at 23.976, the most a SubRip time can hold and be read back.
  original += "{8600000}{8631000}w\r\n";
  for (const char* rateText : kRates) {
    SCOPED_TRACE(rateText);
    const double rate = std::stod(rateText);
    TempDir dir;
    const auto input = dir.write("film.sub", original);
    RecordingView view;
    ASSERT_EQ(Convert(Params(input, SubtitleFormat::SubRip, rate), 0, view).outcome,
              Outcome::Completed);
    ASSERT_EQ(
        Convert(Params(dir.file("film - SubRip.srt"), SubtitleFormat::MicroDvd, rate), 0, view)
            .outcome,
        Outcome::Completed);
    // An entry without an end goes out as 00:00:00,000 and comes back without one.
    EXPECT_TRUE(testing::ReadFile(dir.file("film - SubRip - MicroDVD.sub")) == original);
  }
}

struct NameCase {
  const char* input;
  SubtitleFormat to;
  const char* output;
};

TEST(Convert, NamesTheOutputAfterTheFormat) {
  const NameCase cases[] = {
      {"movie.sub", SubtitleFormat::SubRip, "movie - SubRip.srt"},
      {"movie.srt", SubtitleFormat::MicroDvd, "movie - MicroDVD.sub"},
      {"movie", SubtitleFormat::SubRip, "movie - SubRip.srt"},
      {"film.subtitle", SubtitleFormat::SubRip, "film - SubRip.srt"},
      {"film.txt", SubtitleFormat::SubRip, "film - SubRip.srt"},
      {"ab", SubtitleFormat::SubRip, "ab - SubRip.srt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    const bool fromSubRip = c.to == SubtitleFormat::MicroDvd;
    const auto input = dir.write(
        c.input, fromSubRip ? "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n" : "{25}{50}x\r\n");
    RecordingView view;
    const auto result = Convert(Params(input, c.to), 0, view);
    ASSERT_EQ(result.outcome, Outcome::Completed);
    EXPECT_EQ(result.outputs, std::vector<std::string>{dir.file(c.output)});
    EXPECT_TRUE(dir.exists(c.output));
  }
}

struct RefusalCase {
  const char* name;
  const char* input;
  SubtitleFormat to;
};

// Refused before the busy state: a file of the output's name keeps its bytes.
TEST(Convert, RefusesTheInputsOwnFormat) {
  const RefusalCase cases[] = {
      {"movie.sub", "{25}{50}x\r\n", SubtitleFormat::MicroDvd},
      {"movie.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n", SubtitleFormat::SubRip},
      {"movie.srt",
       "\xEF\xBB\xBF"
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n",
       SubtitleFormat::SubRip},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    const auto input = dir.write(c.name, c.input);
    const std::string existing =
        c.to == SubtitleFormat::SubRip ? "movie - SubRip.srt" : "movie - MicroDVD.sub";
    dir.write(existing, "earlier output");
    RecordingView view;
    const auto result = Convert(Params(input, c.to), 0, view);
    EXPECT_EQ(result.outcome, Outcome::Refused);
    ASSERT_TRUE(result.message.has_value());
    EXPECT_EQ(result.message->text, "The output format is the same as the input format!");
    EXPECT_EQ(result.message->icon, MessageIcon::Critical);
    EXPECT_EQ(view.events, std::vector<std::string>{"message"});
    EXPECT_EQ(dir.read(existing), "earlier output");
    EXPECT_EQ(dir.names().size(), 2u);
  }
}

TEST(Convert, RefusesAnEmptyInputPath) {
  RecordingView view;
  const auto result = Convert(Params("", SubtitleFormat::SubRip), 0, view);
  EXPECT_EQ(result.outcome, Outcome::Refused);
  EXPECT_EQ(result.message->text, "Select a subtitle!");
  EXPECT_EQ(view.events, std::vector<std::string>{"message"});
}

struct FailureCase {
  const char* name;
  const char* input;
  Outcome outcome;
};

// A failed run removes its partial output, and an earlier file of the output's name survives.
TEST(Convert, FailureLeavesAnExistingOutputUntouched) {
  const FailureCase cases[] = {
      {"letter in a frame number", "{25}{75}a\r\n{2x}{5}b\r\n", Outcome::FormatFailure},
      {"unknown format", "Hello\r\n", Outcome::OtherFailure},
      {"line ends inside a frame number", "{25}{75}a\r\n{123\r\n", Outcome::OtherFailure},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto input = dir.write("movie.sub", c.input);
    dir.write("movie - SubRip.srt", "earlier output");
    RecordingView view;
    const auto result = Convert(Params(input, SubtitleFormat::SubRip), 0, view);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_TRUE(result.outputs.empty());
    EXPECT_EQ(dir.read("movie - SubRip.srt"), "earlier output");
    EXPECT_EQ(dir.read("movie.sub"), c.input);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"movie - SubRip.srt", "movie.sub"}));
  }
}

TEST(Convert, OutputAsInputNamesTheNewFormat) {
  TempDir dir;
  const auto input = dir.write("movie.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n");
  CommonParams params = Params(input, SubtitleFormat::MicroDvd);
  params.outputAsInput = true;
  params.deleteSource = true;
  RecordingView view;
  const auto result = Convert(params, 0, view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  EXPECT_EQ(result.newSource, dir.file("movie - MicroDVD.sub"));
  EXPECT_EQ(result.inputInformation, "MicroDVD subtitle");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"movie - MicroDVD.sub"});
}

}  // namespace
}  // namespace lumetra
