#include "support/messy_subtitles.h"

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "subtitle/text_encoding.h"

namespace lumetra::testing {
namespace {

class Maker {
 public:
  Maker(std::mt19937& random, const MessyShape& shape) : random_(random), shape_(shape) {}

  std::string make() {
    const int kind = below(20);
    encoding_ = kind < 8    ? TextEncoding::Bytes
                : kind < 12 ? TextEncoding::Utf8
                : kind < 15 ? TextEncoding::Utf16Le
                : kind < 17 ? TextEncoding::Utf16Be
                : kind < 19 ? TextEncoding::Utf32Le
                            : TextEncoding::Utf32Be;
    breakStyle_ = below(4);
    faultAt_ = shape_.faults && chance(50) ? below(12) : -1;
    if (chance(shape_.microDvdPercent)) {
      makeMicroDvd();
    } else {
      makeSubRip();
    }
    return encode(join());
  }

 private:
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool chance(int percent) { return below(100) < percent; }
  template <typename T, std::size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(static_cast<int>(N))];
  }
  const char* pick(std::initializer_list<const char*> items) {
    return items.begin()[below(static_cast<int>(items.size()))];
  }
  int pick(std::initializer_list<int> items) {
    return items.begin()[below(static_cast<int>(items.size()))];
  }
  bool full() const { return size_ >= shape_.bytes; }
  void add(std::string line) {
    size_ += line.size() + 1;
    lines_.push_back(std::move(line));
  }

  std::string text(int longest) {
    static const char* const kWords[] = {
        "Hello", "I",    "l",     "it''s", "Il",           "was",
        "?.",    "!.",   "1 000", "2 5",   "[door slams]", "(sighs)",
        "<i>",   "</i>", "-",     "a|b",   "->",           "=>",
        "12:00", "1:2",  ">",     "we"};
    static const char* const kBytes[] = {"\xE9", "\xA7\xA4", "\xB0\xDA", "\xFF", "\x80\x81"};
    static const char* const kUtf8[] = {"\xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC", "\xD8\xAA\xD8\xB1",
                                        "\xF0\x9F\x98\x80", "\xE2\x80\x94"};
    const int length = 1 + below(longest);
    std::string out = chance(15) ? "- " : "";
    while (static_cast<int>(out.size()) < length) {
      const int what = below(10);
      if (what < 6) {
        out += pick(kWords);
      } else if (what < 8) {
        out += encoding_ == TextEncoding::Bytes && chance(60) ? pick(kBytes) : pick(kUtf8);
      } else {
        out += std::to_string(below(100000));
      }
      out += chance(85) ? " " : "";
    }
    return out;
  }

  std::string clock(long long ms, int form) {
    const bool negative = ms < 0;
    ms = negative ? -ms : ms;
    const long long h = ms / 3600000;
    const long long m = ms / 60000 % 60;
    const long long s = ms / 1000 % 60;
    const long long f = ms % 1000;
    char buffer[64];
    switch (form) {
      case 0:  // the usual form, and its full-stop cousin
      case 1:
        std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld%c%03lld", h, m, s,
                      form == 0 ? ',' : '.', f);
        break;
      case 2:  // short fields
        std::snprintf(buffer, sizeof buffer, "%lld:%lld:%lld,%lld", h, m, s, f / 10);
        break;
      default:  // no milliseconds
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", h, m, s);
        break;
    }
    return (negative ? "-" : "") + std::string(buffer);
  }

  std::string timeLine(long long start, long long end) {
    static const char* const kArrows[] = {
        " --> ",  " --> ",   " --> ",           "-->",          " -> ", " - > ",
        " -- > ", "\t-->\t", " \xE2\x80\x94> ", "\xE2\x80\x93>"};
    const bool usual = chance(80);
    const int form = usual ? 0 : below(4);
    std::string line = usual ? "" : pick({"", "", " ", "\t"});
    line += clock(start, form) + (usual ? " --> " : pick(kArrows)) + clock(end, form);
    if (chance(5)) {
      line += pick({" X1:40 X2:600 Y1:10 Y2:50", "  ", "\tx"});
    }
    return line;
  }

  // A line the readers stop at, naming it.
  std::string fault() {
    static const char* const kFaults[] = {"00:00:56,015 --> 00:00:5B,390",
                                          "00:07:02,636 = > 00:07:04,792",
                                          "00:00:01,000 > 00:00:02,000",
                                          "00:00:01,000 --> ",
                                          "99999999999999999:00:00,000 --> 0:0:1",
                                          "a --> b",
                                          "00:00:01,000 \xE2\x86\x92 00:00:02,000",
                                          "00:00:01,000 --> 00:00:02,0001"};
    return pick(kFaults);
  }

  void makeSubRip() {
    for (int i = below(3); i > 0; --i) {
      add(pick({"", " ", "\t"}));
    }
    long long time = chance(10) ? -below(5000) : below(4000000);
    if (chance(40)) {
      time += 3600000LL * pick({1, 9, 10, 24, 68, 99, 100, 250});  // hours of every width
    }
    long long number = chance(10) ? below(500) : 1;
    for (int block = 0; block == 0 || !full(); ++block) {
      // A fault stands where a time line, a number line or a text line belongs.
      const int faultHere = block == faultAt_ ? below(3) : -1;
      const int numbering = below(100);
      if (faultHere == 1) {
        add(fault());
      } else if (numbering < 75) {
        add(std::to_string(number));
      } else if (numbering < 85) {
        // none
      } else if (numbering < 92) {
        add(" " + std::to_string(below(50)) + "\t");
      } else {
        add(pick({"Subtitle", "0", "-1", "#"}));
      }
      ++number;
      const long long end = time + below(6000) - (chance(3) ? 7000 : 0);
      add(faultHere == 0 ? fault() : timeLine(time, end));
      time += below(8000);
      const int textLines = chance(5) ? 0 : chance(8) ? 3 + below(8) : 1 + below(2);
      if (faultHere == 2) {
        add(fault());
      }
      for (int i = 0; i < textLines; ++i) {
        const int what = below(100);
        add(what < 3   ? pick({"", " ", "\t "})
            : what < 5 ? std::to_string(below(1000))
                       : text(chance(10) ? 200 : 60));
      }
      const int separators = below(100);
      const int blanks = separators < 80 ? 1 : separators < 88 ? 0 : 2 + below(3);
      for (int i = 0; i < blanks; ++i) {
        add(chance(90) ? "" : pick({" ", "\t", "  \t"}));
      }
    }
    trim();
  }

  void makeMicroDvd() {
    if (chance(60)) {
      add(pick({"{1}{1}23.976", "{1}{1}25", "{0}{0}29.97", "{1}{1}24.000"}));
    }
    long long frame = below(1000);
    while (!full()) {
      const int what = below(100);
      if (what < 5) {
        add(pick({"", " ", "{1}"}));
        continue;
      }
      const long long end = frame + below(100);
      // Now and then fields that only the general reading takes: leading zeros, a sign, eight
      // digits and more, nothing.
      const auto field = [&](long long value) {
        const int odd = below(100);
        return odd < 90   ? std::to_string(value)
               : odd < 93 ? "00" + std::to_string(value)
               : odd < 96 ? "-" + std::to_string(value)
               : odd < 98 ? std::to_string(value + 123456789)
                          : std::string();
      };
      add("{" + field(frame) + "}{" + field(end) + "}" + text(chance(10) ? 200 : 60));
      frame = end + below(50);
    }
    trim();
  }

  // How the file ends: the last line with or without its break, or blank lines after it.
  void trim() {
    ending_ = below(4);
    if (ending_ == 3) {
      for (int i = 1 + below(3); i > 0; --i) {
        add(pick({"", " "}));
      }
    }
    while (lines_.size() > 1 && ending_ < 2 && lines_.back().empty()) {
      lines_.pop_back();
    }
  }

  std::string join() {
    static const char* const kBreaks[] = {"\n", "\r\n", "\r"};
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      out += lines_[i];
      if (i + 1 < lines_.size() || ending_ != 0) {
        out += breakStyle_ < 3 ? kBreaks[breakStyle_] : pick(kBreaks);
      }
    }
    return out;
  }

  std::string encode(const std::string& utf8) const {
    std::string out(ByteOrderMark(encoding_));
    if (IsTranscoded(encoding_)) {
      EncodeUtf8(utf8, encoding_, out);
    } else {
      out += utf8;
    }
    return out;
  }

  std::mt19937& random_;
  MessyShape shape_;
  TextEncoding encoding_ = TextEncoding::Bytes;
  int breakStyle_ = 0;  // LF, CR LF, CR, or each line its own
  int ending_ = 0;      // no break after the last line, one, or blank lines after it
  int faultAt_ = -1;    // the block that holds a fault
  std::vector<std::string> lines_;
  std::size_t size_ = 0;
};

}  // namespace

std::string MessySubtitle(std::mt19937& random, const MessyShape& shape) {
  return Maker(random, shape).make();
}

}  // namespace lumetra::testing
