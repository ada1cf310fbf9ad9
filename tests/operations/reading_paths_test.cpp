#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "operation_params.h"
#include "operations/change_frame_rate.h"
#include "operations/convert.h"
#include "operations/correct.h"
#include "operations/delete_comments.h"
#include "operations/guess_frame_rate.h"
#include "operations/split.h"
#include "operations/synchronize.h"
#include "recording_view.h"
#include "subtitle/reading_paths.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"
#include "support/messy_subtitles.h"
#include "support/temp_dir.h"

// The fast paths (SubRip blocks taken in at once, times and frame fields read at fixed
// places, short times written at once) and the general code must agree on every input,
// wherever the read buffer's boundaries fall: in the entries, in where and why reading stops,
// and in every byte that the operations write.
namespace lumetra {
namespace {

using testing::MessyShape;
using testing::MessySubtitle;

constexpr ReadingPaths kReference{false, ReadingPaths::kDefaultReadSize};

// All that reading tells: each entry with whether the input ends after it, or the failure.
std::string ReadThrough(const std::string& bytes, const ReadingPaths& paths) {
  const ScopedReadingPaths scoped(paths);
  std::string told;
  try {
    SubtitleInput input(LineReader(std::make_unique<MemorySource>(bytes)));
    EntryReader& entries = input.entries();
    SubtitleEntry entry;
    for (EntryReader::Step step; (step = entries.next(entry)) != EntryReader::Step::End;) {
      told += step == EntryReader::Step::NoEntry
                  ? "-"
                  : std::to_string(entry.start) + " " + std::to_string(entry.end) + " " +
                        entry.text + (entries.atEnd() ? " (last)" : "");
      told += '\n';
    }
  } catch (const SubtitleError& error) {
    told += "failure " + std::to_string(error.number()) + " at line " +
            std::to_string(error.line()) + ": " + error.description();
  }
  return told;
}

// The longest run of bytes without a line break, counted in the input's own bytes.
std::size_t LongestLine(const std::string& bytes) {
  std::size_t longest = 0;
  std::size_t run = 0;
  for (const char c : bytes) {
    run = c == '\n' || c == '\r' ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  return longest;
}

// Buffer sizes from 1 byte to a few above the longest line: every one up to 64, then enough
// to reach the end.
std::vector<std::size_t> BufferSizes(std::size_t longestLine) {
  std::vector<std::size_t> sizes;
  for (std::size_t size = 1; size <= longestLine + 3; size += size < 64 ? 1 : 13) {
    sizes.push_back(size);
  }
  sizes.push_back(longestLine + 3);
  return sizes;
}

TEST(ReadingPaths, AgreeOnEveryInputAtEveryBufferSize) {
  std::mt19937 random(19);
  for (int file = 0; file < 48; ++file) {
    const std::string bytes = MessySubtitle(random, MessyShape{300 + 40u * file, file % 3 == 0});
    const std::string reference = ReadThrough(bytes, kReference);
    for (const std::size_t size : BufferSizes(LongestLine(bytes))) {
      for (const bool fast : {false, true}) {
        const std::string read = ReadThrough(bytes, ReadingPaths{fast, size});
        ASSERT_EQ(read, reference) << "file " << file << ", " << size << " bytes at once, "
                                   << (fast ? "fast paths" : "general code");
      }
    }
  }
}

// A WebVTT file with a little of everything its reader passes by or takes apart, line ends
// mixed, and a cue text that may run to the very end of the input.
std::string MessyWebVtt(std::mt19937& random, int cues) {
  const auto pick = [&](std::initializer_list<std::string> choices) {
    return choices.begin()[random() % choices.size()];
  };
  std::string bytes = pick({"", "\xEF\xBB\xBF"}) + pick({"WEBVTT", "WEBVTT - Film"});
  const auto end = [&] { return pick({"\n", "\r\n", "\r"}); };
  bytes += end() + end();
  for (int cue = 0; cue < cues; ++cue) {
    bytes += pick({"", "", "NOTE a note\nover two lines\n\n", "STYLE\n::cue { color: red }\n\n",
                   "REGION\nid:r1\n\n"});
    bytes += pick({"", std::to_string(cue + 1) + end(), "intro-" + std::to_string(cue) + end()});
    const int ms = cue * 1700;
    bytes += pick({"", "01:"}) + (ms / 60000 < 10 ? "0" : "") + std::to_string(ms / 60000 % 60) +
             ":" + (ms / 1000 % 60 < 10 ? "0" : "") + std::to_string(ms / 1000 % 60) + "." +
             std::to_string(100 + ms % 900) + " --> 59:59.999" + pick({"", " line:0 align:start"}) +
             end();
    bytes += pick({"Tom &amp; Jerry", "<v Anna>Hi</v> <i>there</i>", "a&lt;b&nbsp;c",
                   "<ruby>\xE6\xBC\xA2<rt>kan</rt></ruby> <00:00:01.000>late",
                   "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"});
    bytes += pick({"", end() + "<b>second</b> line"});
    if (cue + 1 < cues || random() % 2 == 0) {
      bytes += end() + end();
    }
  }
  return bytes;
}

TEST(ReadingPaths, WebVttReadsAlikeAtEveryBufferSize) {
  std::mt19937 random(2023);
  for (int file = 0; file < 24; ++file) {
    const std::string bytes = MessyWebVtt(random, 1 + file);
    const std::string reference = ReadThrough(bytes, kReference);
    // Every cue read: each tells its start and end as "<ms>.000000 ".
    std::size_t times = 0;
    for (std::size_t at = 0; (at = reference.find(".000000 ", at)) != std::string::npos; ++at) {
      ++times;
    }
    ASSERT_EQ(times, 2u * (1 + file)) << reference;
    for (const std::size_t size : BufferSizes(LongestLine(bytes))) {
      ASSERT_EQ(ReadThrough(bytes, ReadingPaths{true, size}), reference)
          << "file " << file << ", " << size << " bytes at once";
    }
  }
}

// Runs each of the seven operations on `input` and tells all it wrote and showed.
std::string RunAllOperations(const std::string& bytes, const ReadingPaths& paths) {
  const ScopedReadingPaths scoped(paths);
  std::string told;
  const auto run = [&](const char* name, auto operation) {
    const testing::TempDir folder;
    const std::string input = folder.write("in.srt", bytes);
    testing::RecordingView view;
    operation(input, view);
    told += std::string("== ") + name + "\n";
    for (const Message& message : view.messages) {
      std::string text = message.text;
      for (std::size_t at; (at = text.find(folder.path())) != std::string::npos;) {
        text.replace(at, folder.path().size(), "<folder>");
      }
      told += text + " @" + std::to_string(message.inputLine) + "\n";
    }
    for (const std::string& file : folder.names()) {
      if (file != "in.srt") {
        told += "-- " + file + "\n" + folder.read(file) + "\n";
      }
    }
  };
  using testing::Params;
  run("convert", [](const std::string& in, FrameView& view) {
    CommonParams params = Params(in);
    params.outputFormat.reset();
    Convert(params, 0, view);
  });
  run("synchronize", [](const std::string& in, FrameView& view) {
    Synchronize(Params(in, testing::kSrt), -700, view);
  });
  run("correct", [](const std::string& in, FrameView& view) {
    Correct(Params(in, testing::kSrt), CorrectSettings{}, view);
  });
  run("delete comments", [](const std::string& in, FrameView& view) {
    DeleteComments(Params(in, testing::kSub, 23.976), "[", "]", view);
  });
  run("split", [](const std::string& in, FrameView& view) {
    Split(Params(in, testing::kSrt), SplitParams{3, 1500}, view);
  });
  run("change frame rate", [](const std::string& in, FrameView& view) {
    ChangeFrameRateParams params;
    params.inputPath = in;
    params.currentRateText = "25";
    params.newRateText = "23.976";
    ChangeFrameRate(params, view);
  });
  run("guess frame rate", [](const std::string& in, FrameView& view) {
    GuessFrameRateParams params;
    params.inputPath = in;
    params.lengthText = "5400";
    params.lengthSeconds = 5400;
    params.correctionMinutes = 0;
    GuessFrameRate(params, view);
  });
  return told;
}

TEST(ReadingPaths, GiveTheSameOutputsInEveryOperation) {
  std::mt19937 random(2019);
  for (int file = 0; file < 6; ++file) {
    const std::string bytes = MessySubtitle(random, MessyShape{1500, file % 2 == 0});
    const std::string reference = RunAllOperations(bytes, kReference);
    // Every boundary is crossed by the reading above; here a few suffice.
    for (const ReadingPaths paths : {ReadingPaths{false, 1}, ReadingPaths{true, 1},
                                     ReadingPaths{true, 17}, ReadingPaths{true, 4093}}) {
      ASSERT_EQ(RunAllOperations(bytes, paths), reference)
          << "file " << file << ", " << paths.readSize << " bytes at once, "
          << (paths.fastPaths ? "fast paths" : "general code");
    }
  }
}

TEST(ReadingPaths, GiveTheSameOutputsForInputsOfSeveralMegabytes) {
  std::mt19937 random(7);
  const std::string bytes = MessySubtitle(random, MessyShape{std::size_t{3} << 20, false, 0});
  const std::string reference = RunAllOperations(bytes, kReference);
  for (const ReadingPaths paths :
       {ReadingPaths{true, ReadingPaths::kDefaultReadSize}, ReadingPaths{true, 65537}}) {
    // Not EXPECT_EQ: a difference would print megabytes.
    EXPECT_TRUE(RunAllOperations(bytes, paths) == reference) << paths.readSize << " bytes at once";
  }
}

}  // namespace
}  // namespace lumetra
