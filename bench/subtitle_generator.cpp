#include "bench/subtitle_generator.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace lumetra::bench {
namespace {

struct TwoLines {
  const char* first;
  const char* second;
};

// I/l mix-ups, doubled apostrophes, "?." and "!.", spaces between digits, [comments], and
// lines with nothing to change; 47.5 characters of text per entry on average.
constexpr std::array<TwoLines, 8> kTexts{{
    {"[door slams] l think it's 1 2 o'clock.", "Don''t go!."},
    {"Where were you last night?.", "I was at home, Mr Smith."},
    {"lt was the 2 0th of May.", "[sighs] Never again."},
    {"Come on, we have to go now!", "ls he still there?"},
    {"(laughing) You can't be serious.", "I am, believe me."},
    {"The train leaves at 1 0 past 9.", "We''ll be late."},
    {"What did she say to you?", "[whispering] Nothing at all."},
    {"Hello, Mr Jones.", "Hi, how are you doing today?"},
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

void WriteMicroDvd(const std::filesystem::path& path, long entries, long spanSeconds) {
  std::ofstream out(path, std::ios::binary);
  char line[160];
  for (long i = 0; i < entries; ++i) {
    const long long start = 100 + StartOf(i, entries, spanSeconds * kFramesPerSecond);
    const TwoLines& text = kTexts[static_cast<std::size_t>(i) % kTexts.size()];
    const int length = std::snprintf(line, sizeof line, "{%lld}{%lld}%s|%s\r\n", start, start + 45,
                                     text.first, text.second);
    out.write(line, length);
  }
}

void WriteSubRip(const std::filesystem::path& path, long entries, long spanSeconds) {
  std::ofstream out(path, std::ios::binary);
  char block[200];
  for (long i = 0; i < entries; ++i) {
    const long long start = 4000 + StartOf(i, entries, spanSeconds * 1000LL);
    const TwoLines& text = kTexts[static_cast<std::size_t>(i) % kTexts.size()];
    const int length = std::snprintf(block, sizeof block, "%ld\r\n%s --> %s\r\n%s\r\n%s\r\n\r\n",
                                     i + 1, TimeText(start).c_str(), TimeText(start + 1800).c_str(),
                                     text.first, text.second);
    out.write(block, length);
  }
}

}  // namespace lumetra::bench
