#include <gtest/gtest.h>

#include <memory>

#include "reader_support.h"
#include "subtitle/byte_source.h"
#include "subtitle/line_reader.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/webvtt.h"
#include "subtitle/webvtt_text.h"

namespace lumetra {
namespace {

using testing::Show;

struct WebVttCase {
  const char* name;
  std::string file;
  const char* entries;  // as Show() gives them
};

const WebVttCase kReading[] = {
    {"plain header", "WEBVTT\n\n00:01.000 --> 00:02.000\nHi\n", "1000 2000 Hi"},
    {"header with a title and metadata",
     "WEBVTT - Movie\nKind: captions\n\n1\n00:00:01.000 --> 00:00:02.000\nHi\n", "1000 2000 Hi"},
    {"header with a tab, CR LF", "WEBVTT\tx\r\n\r\n00:01.000 --> 00:02.000\r\nHi\r\n",
     "1000 2000 Hi"},
    {"byte-order mark", "\xEF\xBB\xBFWEBVTT\n\n00:01.000 --> 00:02.000\nHi\n", "1000 2000 Hi"},
    {"cue right after the header", "WEBVTT\n00:01.000 --> 00:02.000\nHi\n", "1000 2000 Hi"},
    {"NOTE, STYLE and REGION are no cues",
     "WEBVTT\n\nNOTE a --> b\nmore\n\nSTYLE\n::cue { color: red }\n\nREGION\nid:r width:40%\n\n"
     "00:01.000 --> 00:02.000\nHi\n",
     "1000 2000 Hi"},
    {"identifiers and hours",
     "WEBVTT\n\nintro\n01:00:00.500 --> 01:00:01.000\na\nb\n\n7\n00:02.5 --> 00:03.25\nc\n",
     "3600500 3601000 a/b ; 2500 3250 c"},
    {"entities",
     "WEBVTT\n\n00:01.000 --> 00:02.000\n&amp; &lt;3 &gt; a&nbsp;b &#65;&#x42; &eacute; &bogus; & "
     "x\n",
     "1000 2000 & <3 > a\xC2\xA0"
     "b AB \xC3\xA9 &bogus; & x"},
    {"tags stripped, b i u kept",
     "WEBVTT\n\n00:01.000 --> 00:02.000\n<v Joe>Hi</v> <c.red>there</c> <i>now</i> <b.x>b</b> "
     "<u>u</u> <lang en>en</lang> <00:00:01.500>later\n",
     "1000 2000 Hi there <i>now</i> <b>b</b> <u>u</u> en later"},
    {"ruby keeps its base",
     "WEBVTT\n\n00:01.000 --> 00:02.000\n<ruby>漢<rt>kan</rt>字<rt>ji</rt></ruby>!\n",
     "1000 2000 漢字!"},
    {"a timing line ends the cue before it",
     "WEBVTT\n\n00:01.000 --> 00:02.000\na\n00:03.000 --> 00:04.000\nb\n",
     "1000 2000 a ; 3000 4000 b"},
    {"an unreadable timing line drops its cue",
     "WEBVTT\n\n00:01.000 --> xx\na\n\n00:03.000 --> 00:04.000\nb\n", "3000 4000 b"},
    {"empty cue", "WEBVTT\n\n00:01.000 --> 00:02.000\n\n00:03.000 --> 00:04.000\nb",
     "1000 2000  ; 3000 4000 b"},
};

TEST(WebVttReading, GivesTheCuesAndTextsPlayersShow) {
  for (const WebVttCase& c : kReading) {
    SubtitleInput input(LineReader(std::make_unique<MemorySource>(c.file)));
    ASSERT_EQ(input.format(), SubtitleFormat::WebVtt) << c.name;
    std::vector<SubtitleEntry> entries;
    SubtitleEntry entry;
    while (input.entries().next(entry) != EntryReader::Step::End) {
      entries.push_back(entry);
    }
    EXPECT_EQ(Show(entries), c.entries) << c.name;
  }
}

TEST(WebVttReading, OnlyAFirstWordWebVttIsWebVtt) {
  for (const char* file :
       {"WEBVTTX\n\n00:01.000 --> 00:02.000\nHi\n", "webvtt\n\n", "NOTE\nWEBVTT\n"}) {
    EXPECT_NE(SubtitleInput(LineReader(std::make_unique<MemorySource>(file))).format(),
              SubtitleFormat::WebVtt)
        << file;
  }
}

struct CueTimingCase {
  const char* name;
  const char* line;
  bool valid;
  double start, end;
  const char* settings;
};

const CueTimingCase kTimings[] = {
    {"minutes and seconds", "00:01.000 --> 00:02.000", true, 1000, 2000, ""},
    {"settings kept", "00:00:01.000 --> 00:00:02.000  align:start line:0%  ", true, 1000, 2000,
     "align:start line:0%"},
    {"comma before the milliseconds", "00:00:01,5 --> 00:00:02,000", true, 1500, 2000, ""},
    {"no arrow", "00:01.000 00:02.000", false, 0, 0, ""},
    {"four fields", "0:0:0:1.000 --> 00:02.000", false, 0, 0, ""},
    {"four digits of milliseconds", "00:01.0000 --> 00:02.000", false, 0, 0, ""},
    {"text glued to the end time", "00:01.000 --> 00:02.000x", false, 0, 0, ""},
};

TEST(WebVttReading, ReadsTimingLines) {
  for (const CueTimingCase& c : kTimings) {
    const auto timing = ParseCueTiming(c.line);
    ASSERT_EQ(timing.has_value(), c.valid) << c.name;
    if (timing) {
      EXPECT_EQ(timing->start, c.start) << c.name;
      EXPECT_EQ(timing->end, c.end) << c.name;
      EXPECT_EQ(timing->settings, c.settings) << c.name;
    }
  }
}

TEST(WebVttWriting, EscapesTextAndLeavesNoBlankLineInACue) {
  testing::CollectingSink sink;
  auto writer = WebVttFormat().writer(sink);
  SubtitleEntry first{1000, 2000, "<i>Tom & Jerry</i> <3 ->\n\n<B>x</B> <font>", "align:start"};
  writer->write(first, true, 1, false);
  writer->write({360000000, 360000001, "", ""}, true, 2, true);
  EXPECT_EQ(sink.text,
            "WEBVTT\r\n\r\n00:00:01.000 --> 00:00:02.000 align:start\r\n"
            "<i>Tom &amp; Jerry</i> &lt;3 -&gt;\r\n<b>x</b> &lt;font&gt;\r\n\r\n"
            "100:00:00.000 --> 100:00:00.001\r\n");
}

}  // namespace
}  // namespace lumetra
