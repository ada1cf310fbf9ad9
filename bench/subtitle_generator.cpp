#include "bench/subtitle_generator.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace lumetra::bench {
namespace {

// I/l mix-ups, doubled apostrophes, "?." and "!.", spaces between digits, [comments], and
// lines with nothing to change; 47.5 characters of text per entry on average. Beside each
// text, what Correct (all repairs, English) and Delete comments ("[" "]") must make of it.
constexpr std::array<BenchText, 8> kTexts{{
    {"[door slams] l think it's 1 2 o'clock.|Don''t go!.",
     "[door slams] I think it's 12 o'clock.|Don\"t go!", "l think it's 1 2 o'clock.|Don''t go!."},
    {"Where were you last night?.|I was at home, Mr Smith.",
     "Where were you last night?|I was at home, Mr Smith.",
     "Where were you last night?.|I was at home, Mr Smith."},
    {"lt was the 2 0th of May.|[sighs] Never again.",
     "It was the 20th of May.|[sighs] Never again.", "lt was the 2 0th of May.|Never again."},
    {"Come on, we have to go now!|ls he still there?",
     "Come on, we have to go now!|Is he still there?",
     "Come on, we have to go now!|ls he still there?"},
    {"(laughing) You can't be serious.|I am, believe me.",
     "(laughing) You can't be serious.|I am, believe me.",
     "(laughing) You can't be serious.|I am, believe me."},
    // A doubled apostrophe becomes a double quote, after which "l" counts as a capital.
    {"The train leaves at 1 0 past 9.|We''ll be late.",
     "The train leaves at 10 past 9.|We\"II be late.",
     "The train leaves at 1 0 past 9.|We''ll be late."},
    {"What did she say to you?|[whispering] Nothing at all.",
     "What did she say to you?|[whispering] Nothing at all.",
     "What did she say to you?|Nothing at all."},
    {"Hello, Mr Jones.|Hi, how are you doing today?",
     "Hello, Mr Jones.|Hi, how are you doing today?",
     "Hello, Mr Jones.|Hi, how are you doing today?"},
}};

constexpr long long kFramesPerSecond = 25;

// Entry i starts at its share of the span; with more entries than units they share starts.
long long StartOf(long i, long entries, long long spanUnits) {
  return static_cast<long long>(i) * spanUnits / entries;
}

std::string TimeText(long long ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                ms / 1000 % 60, ms % 1000);
  return text;
}

}  // namespace

const BenchText& BenchTextOf(long i) {
  return kTexts[static_cast<std::size_t>(i) % kTexts.size()];
}

long long MicroDvdEndOf(long i, long entries, long spanSeconds) {
  return 100 + StartOf(i, entries, spanSeconds * kFramesPerSecond) + 45;
}

void WriteMicroDvd(const std::filesystem::path& path, long entries, long spanSeconds) {
  std::ofstream out(path, std::ios::binary);
  char line[160];
  for (long i = 0; i < entries; ++i) {
    const long long start = MicroDvdEndOf(i, entries, spanSeconds) - 45;
    const int length = std::snprintf(line, sizeof line, "{%lld}{%lld}%s\r\n", start, start + 45,
                                     BenchTextOf(i).original);
    out.write(line, length);
  }
}

void WriteSubRip(const std::filesystem::path& path, long entries, long spanSeconds) {
  std::ofstream out(path, std::ios::binary);
  char block[200];
  for (long i = 0; i < entries; ++i) {
    // Whole frames at 25 per second, so that a round trip through MicroDVD keeps every time.
    const long long start = 4000 + StartOf(i, entries, spanSeconds * 1000LL) / 40 * 40;
    std::string text = BenchTextOf(i).original;
    text.replace(text.find('|'), 1, "\r\n");
    const int length =
        std::snprintf(block, sizeof block, "%ld\r\n%s --> %s\r\n%s\r\n\r\n", i + 1,
                      TimeText(start).c_str(), TimeText(start + 1800).c_str(), text.c_str());
    out.write(block, length);
  }
}

}  // namespace lumetra::bench
