// What every operation shows the window, in order, and what it leaves in the folder: after a
// refusal or a failure the folder is exactly as it was.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "operations/change_frame_rate.h"
#include "operations/convert.h"
#include "operations/correct.h"
#include "operations/delete_comments.h"
#include "operations/guess_frame_rate.h"
#include "operations/operation_params.h"
#include "operations/recording_view.h"
#include "operations/split.h"
#include "operations/synchronize.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;
using Run = std::function<void(CommonParams params, FrameView& view)>;

using testing::kSrt;
using testing::kSub;
constexpr const char* kSubRip = "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n";
constexpr const char* kBomSubRip =
    "\xEF\xBB\xBF"
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n";
constexpr const char* kMicroDvd = "{1}{2}[x] a\r\n{1000}{1100}b\r\n";

// Refusals and failures ask to delete the source: a run that does not complete never does.
CommonParams Common(const std::string& input, bool deleteSource = true,
                    bool outputAsInput = false) {
  CommonParams params;
  params.inputPath = input;
  params.frameRate = 25;
  params.outputFormat = kSub;
  params.deleteSource = deleteSource;
  params.outputAsInput = outputAsInput;
  return params;
}
Run Sync(int shift) {
  return [=](CommonParams p, FrameView& v) { Synchronize(p, shift, v); };
}
Run ConvertTo(SubtitleFormat to) {
  return [=](CommonParams p, FrameView& v) {
    p.outputFormat = to;
    Convert(p, 0, v);
  };
}
Run Change(const char* current, const char* next) {
  return [=](CommonParams p, FrameView& v) {
    ChangeFrameRate({p.inputPath, current, next, '.', p.deleteSource, p.outputAsInput, {}, {}}, v);
  };
}
Run CorrectAll() {
  return [](CommonParams p, FrameView& v) { Correct(p, {}, v); };
}
Run DeleteWith(const char* begin, const char* end) {
  return [=](CommonParams p, FrameView& v) { DeleteComments(p, begin, end, v); };
}
Run SplitWith(std::optional<double> segments, std::optional<double> frames) {
  return [=](CommonParams p, FrameView& v) { Split(p, SplitParams{segments, frames}, v); };
}
Run Guess(const char* text, std::optional<double> length, std::optional<int> correction) {
  return [=](CommonParams p, FrameView& v) {
    GuessFrameRate({p.inputPath, text, length, correction, '.', p.deleteSource}, v);
  };
}

struct RefusalCase {
  const char* content;  // nullptr: no input selected
  Run run;
  const char* text;
  MessageIcon icon = MessageIcon::Critical;
};

// Refusals come before the busy state and open nothing.
TEST(Refusals, ShowOneMessageAndWriteNothing) {
  const RefusalCase cases[] = {
      {nullptr, Sync(100), "Select a subtitle!"},
      {nullptr, Sync(0), "Select a subtitle!"},
      {kMicroDvd, Sync(0), "0 seconds set: unnecessary to synchronize"},
      {nullptr, ConvertTo(kSrt), "Select a subtitle!"},
      {kMicroDvd, ConvertTo(kSub), "The output format is the same as the input format!"},
      {kSubRip, ConvertTo(kSrt), "The output format is the same as the input format!"},
      {nullptr, Change("25", "24"), "Select a subtitle!"},
      {kSubRip, Change("25", "24"), "You can not change the framerate of a SubRip-file",
       MessageIcon::Information},
      {kBomSubRip, Change("25", "25"), "You can not change the framerate of a SubRip-file",
       MessageIcon::Information},
      {"Hello\r\n", Change("25", "24"),
       "The selected file is not a subtitle (or is an unknown format)"},
      {kMicroDvd, Change("23.976", "23.976"), "The current and the new framerate are the same!"},
      {nullptr, CorrectAll(), "Select a subtitle!"},
      {nullptr, DeleteWith("", ""), "Enter the begin character!"},
      {nullptr, DeleteWith("[", ""), "Enter the end character!"},
      {nullptr, DeleteWith("[", "]"), "Select a subtitle!"},
      {nullptr, SplitWith(std::nullopt, std::nullopt), "The number of segments must be numeric!"},
      {kMicroDvd, SplitWith(1, 1000), "The number of segments must be 2 or more"},
      {kMicroDvd, SplitWith(0, std::nullopt), "The number of segments must be 2 or more"},
      {kMicroDvd, SplitWith(2, 0), "Enter the size of the segments!"},
      {kMicroDvd, SplitWith(2, -5), "Enter the size of the segments!"},
      {kMicroDvd, SplitWith(2, std::nullopt), "The size of the segments must be numeric!"},
      {nullptr, SplitWith(2, 1000), "Select a subtitle!"},
      {nullptr, Guess("0", 0, std::nullopt), "Select a subtitle!"},
      {kMicroDvd, Guess("0", 0, 4), "The length of the movie can't be 0!"},
      {kMicroDvd, Guess("abc", std::nullopt, std::nullopt),
       "The length of the movie must numeric!"},
      // A divisor of 0 can only come from outside the window.
      {kMicroDvd, Guess("00", 0, std::nullopt), "The length of the movie can't be 0!"},
      {kMicroDvd, Guess("240", 240, 4), "The correction is longer than the movie!"},
      {kMicroDvd, Guess("239", 239, 4), "The correction is longer than the movie!"},
      {kMicroDvd, Guess("0.5", 0.5, 1), "The length of the movie can't be 0!"},
      {kSubRip, Guess("7200", 7200, std::nullopt),
       "You can not guess the framerate of a SubRip subtitle", MessageIcon::Information},
      {"Hello\r\n", Guess("7200", 7200, std::nullopt),
       "The selected file is not a subtitle (or is an unknown format)"},
  };
  int row = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE("row " + std::to_string(row++) + ": " + c.text);
    TempDir dir;
    const std::string input = c.content ? dir.write("m.sub", c.content) : "";
    RecordingView view;
    c.run(Common(input), view);
    EXPECT_EQ(view.events, std::vector<std::string>{"message"});
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, MessageKind::Refusal);
    EXPECT_EQ(view.messages[0].text, c.text);
    EXPECT_EQ(view.messages[0].icon, c.icon);
    EXPECT_EQ(view.messages[0].title, "Lumetra 2.6 - Written by Taviel");
    EXPECT_EQ(dir.names(),
              c.content ? std::vector<std::string>{"m.sub"} : std::vector<std::string>{});
  }
}

constexpr const char* kFormatFailure = "The selected file is no subtitle (or is an unkown format)";

struct FailureCase {
  const char* content;  // nullptr: the input does not exist
  Run run;
  const char* earlier;  // a file of the output's name from an earlier run, or nullptr
  long line;
  const char* text;  // after "An error has occurred!" and two line breaks; nullptr: any
  bool busy = true;  // false: fails before the busy state
};

// A run that fails leaves neither a partial output nor a temporary file; an earlier output
// of the same name keeps its bytes and the source is not deleted.
TEST(Failures, LeaveTheFolderAsItWas) {
  const char* sync = "m - synchronized.sub";
  const char* empty = "Error 62 : The file is empty (reading IN)";
  // clang-format off
  const FailureCase cases[] = {
      {"{1}{2}a\r\n{3}{4}b\r\n{5}{x}c\r\n{7}{8}d\r\n", Sync(100), sync, 3, kFormatFailure},
      {nullptr, Sync(100), sync, 0, "Error 53 : File not found (reading IN)"},
      {"", Sync(100), sync, 0, empty},
      {"Hello\r\n", Sync(100), sync, 0,
       "Error 321 : The file is neither a MicroDVD nor a SubRip subtitle"},
      {"{99999999999999999999}{1}x\r\n", Sync(100), sync, 1,
       "Error 6 : Number too large in line 1 (reading IN)"},
      {"{25}{75}a\r\n{2x}{5}b\r\n", ConvertTo(kSrt), "m - SubRip.srt", 2, kFormatFailure},
      {"Hello\r\n", ConvertTo(kSrt), "m - SubRip.srt", 0, nullptr},
      {"{25}{75}a\r\n{123\r\n", ConvertTo(kSrt), "m - SubRip.srt", 2,
       "Error 5 : Frame number not closed by '}' in line 2 (reading IN)"},
      {"{25}{50}a\r\n{25}{5x}b\r\n", Change("25", "24"), "m - 24fps.sub", 2, kFormatFailure},
      {"{25}{50}a\r\n\r\n{ 25}{50}b\r\n", Change("25", "24"), "m - 24fps.sub", 3, kFormatFailure},
      {nullptr, Change("25", "24"), "m - 24fps.sub", 0, "Error 53 : File not found (reading IN)",
       false},
      {"", Change("25", "24"), "m - 24fps.sub", 0, empty, false},
      {"{1}{2}l\r\n{3}{4}l\r\n{x}{6}l\r\n", CorrectAll(), "m - corrected.sub", 3,
       kFormatFailure},  // and no count
      {"Hello l am\r\n", CorrectAll(), "m - corrected.sub", 0, nullptr},
      {"{1}{2}[x] Hi\r\n{3}{4x}Bad\r\n", DeleteWith("[", "]"), "m - without comments.sub", 2,
       kFormatFailure},
      {"Hello\r\nworld\r\n", SplitWith(2, 1000), "m - 1.sub", 0, nullptr},
      {nullptr, SplitWith(2, 1000), nullptr, 0, nullptr},
      {"", SplitWith(2, 1000), nullptr, 0, empty},
      {"{1}{2}a\r\n{100}{2x0}Hi\r\n{3}{4}b\r\n", Guess("7200", 7200, std::nullopt), nullptr, 2,
       kFormatFailure},
      {nullptr, Guess("7200", 7200, std::nullopt), nullptr, 0, nullptr, false},
      {"", Guess("7200", 7200, std::nullopt), nullptr, 0, empty, false},
  };
  // clang-format on
  int row = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE("row " + std::to_string(row++));
    TempDir dir;
    const std::string input = c.content ? dir.write("m.sub", c.content) : dir.file("m.sub");
    std::vector<std::string> names;
    if (c.earlier) {
      dir.write(c.earlier, "earlier output");
      names.push_back(c.earlier);
    }
    if (c.content) {
      names.push_back("m.sub");
    }
    RecordingView view;
    c.run(Common(input), view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, MessageKind::Failure);
    EXPECT_EQ(view.messages[0].inputLine, c.line);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Critical);
    if (c.text) {
      std::string text = c.text;
      if (const auto in = text.find("IN"); in != std::string::npos) {
        text.replace(in, 2, input);
      }
      EXPECT_EQ(view.messages[0].text, "An error has occurred!\r\r" + text);
    }
    if (c.busy) {
      // The window is restored only after the message.
      EXPECT_EQ(view.events.size(), 3u);
      EXPECT_EQ(view.events.back(), "rest");
    } else {
      EXPECT_EQ(view.events, std::vector<std::string>{"message"});
    }
    if (c.earlier) {
      EXPECT_EQ(dir.read(c.earlier), "earlier output");
    }
    if (c.content) {
      EXPECT_EQ(dir.read("m.sub"), c.content);
    }
    EXPECT_EQ(dir.names(), names);
  }
}

struct SuccessCase {
  const char* inputName;
  const char* content;
  Run run;
  bool deleteSource;
  bool outputAsInput;
  std::vector<std::string> events;  // "OUT" stands for the output's path
  const char* text;
  std::vector<std::string> folder;  // names in the folder afterwards, the output first
  const char* title = "Lumetra 2.6 - Written by Taviel";
};

// Busy, restored, the post-success options (the source deleted and cleared, the output as
// new input), then the message; Split and Guess report before they delete the source.
TEST(Successes, ShowWhatTheWindowDoesInOrder) {
  const std::string busy = "busy:Lumetra 2.6 - Written by Taviel - ";
  // clang-format off
  const SuccessCase cases[] = {
      {"my film.sub", "{1}{2}a\r\n", Sync(100), true, true,
       {busy + "synchronizing...", "rest", "source:", "source:OUT", "info:MicroDVD subtitle",
        "shift:0", "message"},
       "The subtitle is synchronized.", {"my film - synchronized.sub"}},
      // Unlike Synchronize, Convert leaves the shift where it is.
      {"movie.srt", kSubRip, ConvertTo(kSub), true, true,
       {busy + "converting...", "rest", "source:", "source:OUT", "info:MicroDVD subtitle",
        "message"},
       "The subtitle is converted.", {"movie - MicroDVD.sub"}},
      // The rate list takes the new rate and the input information stays.
      {"movie.sub", "{25}{50}a\r\n", Change("25", "23.976"), false, true,
       {busy + "changing framerate...", "rest", "source:OUT", "rate:" + std::to_string(23.976),
        "message"},
       "The framerate is changed.", {"movie - 23.976fps.sub", "movie.sub"}},
      {"my film.srt", kSubRip, CorrectAll(), false, true,
       {busy + "correcting...", "rest", "source:OUT", "info:MicroDVD subtitle", "message"},
       "The subtitle is corrected.\r\rNumber of corrections: 0",
       {"my film - corrected.sub", "my film.srt"}},
      {"movie.sub", "{1}{2}Hi\r\n", DeleteWith("[", "]"), true, false,
       {busy + "deleting comments...", "rest", "source:", "shift:0", "message"},
       "The comments are deleted.\rNumber of deleted comments: 0",
       {"movie - without comments.sub"}},
      // Split never applies "output as input".
      {"movie.sub", kMicroDvd, SplitWith(2, 1000), true, true,
       {busy + "splitting...", "rest", "message", "source:"},
       "The subtitle is split.\r\rNumber of segments: 2", {"movie - 1.sub", "movie - 2.sub"}},
      {"movie.sub", "{171000}{172800}Bye\r\n", Guess("7200", 7200, std::nullopt), true, false,
       {busy + "Guessing framerate...", "rest", "message", "source:"},
       "Calculated framerate: 24 fps", {}, "Lumetra 2.6"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.events[0]);
    TempDir dir;
    const std::string output = c.folder.empty() ? "" : dir.file(c.folder[0]);
    RecordingView view;
    c.run(Common(dir.write(c.inputName, c.content), c.deleteSource, c.outputAsInput), view);
    std::vector<std::string> events = c.events;
    for (auto& event : events) {
      if (event == "source:OUT") {
        event = "source:" + output;
      }
    }
    EXPECT_EQ(view.events, events);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, c.text);
    EXPECT_EQ(view.messages[0].title, c.title);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(dir.names(), c.folder);
  }
}

}  // namespace
}  // namespace lumetra
