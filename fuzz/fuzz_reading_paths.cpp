// Reads the fuzzer's input with the readers' fast paths and with the general code alone,
// each with the real read buffer and with one of 1 to 64 bytes (the input's first byte picks
// it), and stops at the first difference in entries, failures or written bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "subtitle/entry_io.h"
#include "subtitle/reading_paths.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/subtitle_output.h"

namespace {

using namespace lumetra;

class KeepingSink final : public ByteSink {
 public:
  void write(std::string_view bytes) override { kept.append(bytes); }
  std::string kept;
};

// Every entry as both writers write it, then how the reading ended.
std::string ReadThrough(std::string_view bytes, const ReadingPaths& paths) {
  const ScopedReadingPaths scoped(paths);
  KeepingSink sink;
  std::string ending = "end";
  try {
    SubtitleInput input(LineReader(std::make_unique<MemorySource>(bytes)));
    EntryReader& entries = input.entries();
    SubtitleOutput microDvd(sink, SubtitleFormat::MicroDvd, input);
    SubtitleOutput subRip(sink, SubtitleFormat::SubRip, input);
    SubtitleEntry entry;
    long long number = 0;
    for (EntryReader::Step step; (step = entries.next(entry)) != EntryReader::Step::End;) {
      if (step == EntryReader::Step::NoEntry) {
        sink.kept += "(no entry)";
        continue;
      }
      microDvd.write(entry, true, ++number, false);
      subRip.write(entry, true, number, entries.atEnd());
    }
  } catch (const SubtitleError& error) {
    ending = "failure " + std::to_string(error.number()) + " at line " +
             std::to_string(error.line()) + ": " + error.description();
  }
  return sink.kept + "\n" + ending;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::size_t small = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string reference = ReadThrough(bytes, {false, ReadingPaths::kDefaultReadSize});
  for (const ReadingPaths paths : {ReadingPaths{false, small}, ReadingPaths{true, small},
                                   ReadingPaths{true, ReadingPaths::kDefaultReadSize}}) {
    const std::string read = ReadThrough(bytes, paths);
    if (read != reference) {
      std::fprintf(stderr, "Reading with %s, %zu bytes at once, differs:\n%s\n-- from --\n%s\n",
                   paths.fastPaths ? "fast paths" : "general code", paths.readSize, read.c_str(),
                   reference.c_str());
      std::abort();
    }
  }
  return 0;
}
