#include "subtitle/webvtt.h"

#include <string>

#include "subtitle/entry_io.h"
#include "subtitle/line_reader.h"
#include "subtitle/subrip.h"
#include "subtitle/webvtt_text.h"

namespace lumetra {
namespace {

constexpr double kLargestTime = 1e15;  // milliseconds; larger ones are no subtitle's

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

// A line that starts a block of that kind: the word, then the end of the line or a space.
bool StartsBlock(std::string_view line, std::string_view word) {
  return line.starts_with(word) && (line.size() == word.size() || IsSpace(line[word.size()]));
}

// Reads digits from `at`; nullopt without any.
std::optional<double> ReadNumber(std::string_view line, std::size_t& at, std::size_t* digits) {
  const std::size_t first = at;
  double value = 0;
  while (at < line.size() && line[at] >= '0' && line[at] <= '9' && at - first < 15) {
    value = value * 10 + (line[at] - '0');
    ++at;
  }
  if (digits) {
    *digits = at - first;
  }
  return at == first ? std::nullopt : std::optional<double>(value);
}

// "[hh:]mm:ss.ttt" from `at`.
std::optional<double> ReadTime(std::string_view line, std::size_t& at) {
  double fields[3] = {};
  int count = 0;
  for (;;) {
    const auto field = ReadNumber(line, at, nullptr);
    if (!field || count == 3) {
      return std::nullopt;
    }
    fields[count++] = *field;
    if (at < line.size() && line[at] == ':') {
      ++at;
      continue;
    }
    break;
  }
  if (count < 2) {
    return std::nullopt;
  }
  double milliseconds = 0;
  if (at < line.size() && (line[at] == '.' || line[at] == ',')) {
    ++at;
    std::size_t digits = 0;
    const auto fraction = ReadNumber(line, at, &digits);
    if (!fraction || digits > 3) {
      return std::nullopt;
    }
    milliseconds = *fraction * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
  }
  const double hours = count == 3 ? fields[0] : 0;
  const double minutes = fields[count - 2];
  const double seconds = fields[count - 1];
  const double time = ((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds;
  return time < kLargestTime ? std::optional<double>(time) : std::nullopt;
}

void SkipSpaces(std::string_view line, std::size_t& at) {
  while (at < line.size() && IsSpace(line[at])) {
    ++at;
  }
}

class WebVttReader final : public EntryReader {
 public:
  explicit WebVttReader(LineReader& lines) : lines_(lines) {}

  Step next(SubtitleEntry& entry) override {
    if (!started_) {
      started_ = true;
      skipHeader();
    }
    std::string_view line;
    while (nextLine(line)) {
      if (IsBlank(line)) {
        continue;
      }
      std::optional<CueTiming> timing = ParseCueTiming(line);
      if (!timing && line.find("-->") == std::string_view::npos) {
        if (StartsBlock(line, "NOTE") || StartsBlock(line, "STYLE") ||
            StartsBlock(line, "REGION")) {
          skipBlock();
          continue;
        }
        // A cue identifier: the timing line must follow it.
        if (!nextLine(line) || IsBlank(line)) {
          continue;
        }
        timing = ParseCueTiming(line);
      }
      if (!timing) {
        skipBlock();  // as players do: a cue whose times cannot be read is left out
        continue;
      }
      entry.start = timing->start;
      entry.end = timing->end;
      entry.cueSettings.assign(timing->settings);
      readText(entry.text);
      return Step::Entry;
    }
    return Step::End;
  }

  bool atEnd() override { return !held_ && lines_.atEnd(); }

 private:
  // The next line, or the one held back because it started a new cue.
  bool nextLine(std::string_view& line) {
    if (held_) {
      held_ = false;
      line = heldLine_;
      return true;
    }
    return lines_.next(line);
  }

  // "WEBVTT" and the lines after it up to a blank one; a timing line ends it as well.
  void skipHeader() {
    std::string_view line;
    if (!nextLine(line)) {
      return;
    }
    while (nextLine(line) && !IsBlank(line)) {
      if (line.find("-->") != std::string_view::npos) {
        hold(line);
        return;
      }
    }
  }

  void skipBlock() {
    std::string_view line;
    while (nextLine(line) && !IsBlank(line)) {
    }
  }

  void hold(std::string_view line) {
    heldLine_.assign(line);
    held_ = true;
  }

  // Cue text up to a blank line; a line with "-->" starts the next cue instead.
  void readText(std::string& text) {
    text.clear();
    bool first = true;
    std::string_view line;
    while (nextLine(line) && !IsBlank(line)) {
      if (line.find("-->") != std::string_view::npos) {
        hold(line);
        return;
      }
      if (!first) {
        text += kLineBreak;
      }
      first = false;
      AppendWebVttCueLine(line, text);
    }
  }

  LineReader& lines_;
  bool started_ = false;
  bool held_ = false;
  std::string heldLine_;
};

class WebVttWriter final : public EntryWriter {
 public:
  explicit WebVttWriter(ByteSink& sink) : sink_(sink) { sink_.write("WEBVTT\r\n\r\n"); }

  void write(const SubtitleEntry& entry, bool, long long, bool last) override {
    block_ = Time(entry.start);
    block_ += " --> ";
    block_ += Time(entry.end);
    if (!entry.cueSettings.empty()) {
      block_ += ' ';
      block_ += entry.cueSettings;
    }
    block_ += "\r\n";
    // A blank line would end the cue: empty display lines are left out.
    std::string_view text = entry.text;
    for (std::size_t at = 0; at <= text.size();) {
      std::size_t end = text.find(kLineBreak, at);
      end = end == std::string_view::npos ? text.size() : end;
      if (end > at) {
        AppendEscapedWebVttLine(text.substr(at, end - at), block_);
        block_ += "\r\n";
      }
      at = end + 1;
    }
    if (!last) {
      block_ += "\r\n";
    }
    sink_.write(block_);
  }

  void writeLine(std::string_view line) override {
    sink_.write(line);
    sink_.write("\r\n");
  }

 private:
  static std::string Time(double milliseconds) {
    std::string time = SubRipTime(milliseconds);
    time[time.size() - 4] = '.';
    return time;
  }

  ByteSink& sink_;
  std::string block_;
};

bool RecognisesWebVtt(const OpeningLines& lines) {
  return StartsBlock(lines.first, "WEBVTT");
}

}  // namespace

std::optional<CueTiming> ParseCueTiming(std::string_view line) {
  std::size_t at = 0;
  SkipSpaces(line, at);
  const auto start = ReadTime(line, at);
  SkipSpaces(line, at);
  if (!start || line.substr(at, 3) != "-->") {
    return std::nullopt;
  }
  at += 3;
  SkipSpaces(line, at);
  const auto end = ReadTime(line, at);
  if (!end || (at < line.size() && !IsSpace(line[at]))) {
    return std::nullopt;
  }
  SkipSpaces(line, at);
  std::string_view settings = line.substr(at);
  while (!settings.empty() && IsSpace(settings.back())) {
    settings.remove_suffix(1);
  }
  return CueTiming{*start, *end, settings};
}

const FormatDescription& WebVttFormat() {
  static const FormatDescription description{
      SubtitleFormat::WebVtt,
      "WebVTT",
      "vtt",
      false,
      false,
      RecognisesWebVtt,
      [](LineReader& lines, long) -> std::unique_ptr<EntryReader> {
        return std::make_unique<WebVttReader>(lines);
      },
      [](ByteSink& sink) -> std::unique_ptr<EntryWriter> {
        return std::make_unique<WebVttWriter>(sink);
      },
  };
  return description;
}

}  // namespace lumetra
