#include "bench/output_checks.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "bench/child_run.h"
#include "bench/subtitle_generator.h"

namespace lumetra::bench {
namespace {

namespace fs = std::filesystem;

// The bench's MicroDVD files are timed at 25 frames a second; Split cuts them into four.
constexpr long long kSplitFrames = 1980000;
constexpr int kSplitParts = 4;

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The file's bytes without the line ends at its end: the writers end SubRip's last block
// without the blank line that the generator puts after every block.
std::string Trimmed(const fs::path& path) {
  std::string text = ReadAll(path);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

// One entry as read independently of Lumetra: its time line or "{start}{end}" and its text,
// "|" between lines.
struct Entry {
  std::string timing;
  std::string text;
};

std::vector<Entry> EntriesOf(const fs::path& path) {
  std::istringstream in(ReadAll(path));
  std::vector<Entry> entries;
  const bool microDvd = path.extension() == ".sub";
  bool inText = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (microDvd) {
      const std::size_t cut = line.find('}', line.find('}') + 1);
      if (cut != std::string::npos) {
        entries.push_back({line.substr(0, cut + 1), line.substr(cut + 1)});
      }
    } else if (line.find(" --> ") != std::string::npos) {
      entries.push_back({line, ""});
      inText = true;
    } else if (line.empty()) {
      inText = false;
    } else if (inText) {
      std::string& text = entries.back().text;
      text += text.empty() ? line : "|" + line;
    }
  }
  return entries;
}

// The only file in `folder` whose name ends in `suffix`.
fs::path OutputNamed(const fs::path& folder, const std::string& suffix) {
  for (const auto& file : fs::directory_iterator(folder)) {
    if (file.path().filename().string().ends_with(suffix)) {
      return file.path();
    }
  }
  return folder / ("(no file ending in \"" + suffix + "\")");
}

std::string Differs(const std::string& what, long entry) {
  return what + " differs at entry " + std::to_string(entry + 1);
}

// Entry i of `output` must have the timing of entry i of the input and the text `expected`
// gives for entry i.
template <typename Expected>
std::string CompareEntries(const fs::path& input, const fs::path& output, Expected expected) {
  const std::vector<Entry> in = EntriesOf(input);
  const std::vector<Entry> out = EntriesOf(output);
  if (in.size() != out.size()) {
    return output.filename().string() + ": " + std::to_string(out.size()) + " entries, not " +
           std::to_string(in.size());
  }
  for (std::size_t i = 0; i < in.size(); ++i) {
    const long entry = static_cast<long>(i);
    if (out[i].timing != in[i].timing) {
      return Differs("time", entry);
    }
    if (out[i].text != expected(entry, in[i].text)) {
      return Differs("text \"" + out[i].text + "\"", entry);
    }
  }
  return "";
}
std::string SameTexts(const fs::path& a, const fs::path& b) {
  const std::vector<Entry> first = EntriesOf(a);
  const std::vector<Entry> second = EntriesOf(b);
  for (std::size_t i = 0; i < std::max(first.size(), second.size()); ++i) {
    if (i >= first.size() || i >= second.size() || first[i].text != second[i].text) {
      return Differs(b.filename().string() + ": text", static_cast<long>(i));
    }
  }
  return "";
}

// Runs the command line again, in `folder`; "" when it succeeded.
std::string RunAgain(const CheckFiles& files, std::vector<std::string> args,
                     const fs::path& input) {
  args.insert(args.end(), {"--jobs", "1", "--output-dir", files.outputs.string(), input.string()});
  const int status = RunChild(files.cli, args).status;
  return status == 0 ? ""
                     : "lumetra-cli " + args[0] + " ended with status " + std::to_string(status);
}

std::string SameBytes(const fs::path& expected, const fs::path& actual) {
  return Trimmed(expected) == Trimmed(actual)
             ? ""
             : actual.filename().string() + " is not " + expected.filename().string();
}

// Converting the output back must give the input: the times are whole frames.
std::string CheckConvert(const CheckFiles& files) {
  const bool toSubRip = files.input.extension() == ".sub";
  const fs::path output = OutputNamed(files.outputs, toSubRip ? "SubRip.srt" : "MicroDVD.sub");
  std::string failure = SameTexts(files.input, output);
  if (failure.empty()) {
    failure = RunAgain(files, {"convert", "--fps", "25"}, output);
  }
  const std::string back = toSubRip ? " - SubRip - MicroDVD.sub" : " - MicroDVD - SubRip.srt";
  return failure.empty() ? SameBytes(files.input, OutputNamed(files.outputs, back)) : failure;
}

// Shifting the output back must give the input.
std::string CheckSynchronize(const CheckFiles& files) {
  const fs::path output = OutputNamed(files.outputs, " - synchronized.srt");
  std::string failure = RunAgain(files, {"synchronize", "--shift", "-1500"}, output);
  return failure.empty()
             ? SameBytes(files.input, OutputNamed(files.outputs, "synchronized - synchronized.srt"))
             : failure;
}

// Scaling up and down again rounds back to the same frames: the output, taken to 25 and back
// to 23.976 frames a second, must stay as it is; and no text may change.
std::string CheckChangeFrameRate(const CheckFiles& files) {
  const fs::path output = OutputNamed(files.outputs, " - 23.976fps.sub");
  std::string failure = SameTexts(files.input, output);
  if (failure.empty()) {
    failure = RunAgain(files, {"change-framerate", "--fps", "23.976", "--new-fps", "25"}, output);
  }
  const fs::path at25 = OutputNamed(files.outputs, "23.976fps - 25fps.sub");
  if (failure.empty()) {
    failure = RunAgain(files, {"change-framerate", "--fps", "25", "--new-fps", "23.976"}, at25);
  }
  return failure.empty() ? SameBytes(output, OutputNamed(files.outputs, "25fps - 23.976fps.sub"))
                         : failure;
}

// The parts put together again: times moved back by their part's offset. An entry that runs
// across a cut is in the part before it whole, and its rest begins the next part from 0, the
// rests in the order of their entries.
std::string CheckSplit(const CheckFiles& files) {
  struct Crossing {
    long long end;  // in the whole
    std::string text;
  };
  std::vector<Entry> whole;
  std::vector<Crossing> crossing;  // entries that ran across the last cut
  for (int part = 1; part <= kSplitParts; ++part) {
    const long long offset = kSplitFrames * (part - 1);
    const long long cut = offset + kSplitFrames;
    std::vector<Crossing> rests = std::move(crossing);
    crossing.clear();
    std::size_t restsSeen = 0;
    const std::string name = "part " + std::to_string(part);
    for (const Entry& entry :
         EntriesOf(OutputNamed(files.outputs, " - " + std::to_string(part) + ".sub"))) {
      long long start = 0;
      long long end = 0;
      if (std::sscanf(entry.timing.c_str(), "{%lld}{%lld}", &start, &end) != 2) {
        return Differs(name + ": time", static_cast<long>(whole.size()));
      }
      if (restsSeen < rests.size()) {
        const Crossing& rest = rests[restsSeen++];
        if (start != 0 || end + offset != rest.end || entry.text != rest.text) {
          return Differs(name + ": the rest of the entry", static_cast<long>(restsSeen - 1));
        }
      } else {
        whole.push_back(
            {"{" + std::to_string(start + offset) + "}{" + std::to_string(end + offset) + "}",
             entry.text});
      }
      if (part < kSplitParts && end + offset > cut) {
        crossing.push_back({end + offset, entry.text});
      }
    }
    if (restsSeen != rests.size()) {
      return name + " lacks the rests of entries that ran across its cut";
    }
  }
  const std::vector<Entry> input = EntriesOf(files.input);
  if (whole.size() != input.size()) {
    return "the parts hold " + std::to_string(whole.size()) + " entries, not " +
           std::to_string(input.size());
  }
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (whole[i].timing != input[i].timing || whole[i].text != input[i].text) {
      return Differs("the parts' entry", static_cast<long>(i));
    }
  }
  return "";
}

// The frame rate printed must be the last end frame over the length, to three decimals.
std::string CheckGuessFrameRate(const CheckFiles& files) {
  const std::string command = "'" + files.cli + "' guess-framerate --length " +
                              std::to_string(files.spanSeconds) + " '" + files.input.string() + "'";
  std::string printed;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
      printed += buffer;
    }
    pclose(pipe);
  }
  const double rate =
      static_cast<double>(MicroDvdEndOf(files.entries - 1, files.entries, files.spanSeconds)) /
      static_cast<double>(files.spanSeconds);
  std::string digits = std::to_string(std::round(rate * 1000) / 1000);
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') {
    digits.pop_back();
  }
  const std::string expected = "Calculated framerate: " + digits + " fps\n";
  return printed == expected ? "" : "printed \"" + printed + "\", not \"" + expected + "\"";
}

}  // namespace

std::string CheckOutput(const std::string& command, const CheckFiles& files) {
  if (command == "convert") {
    return CheckConvert(files);
  }
  if (command == "synchronize") {
    return CheckSynchronize(files);
  }
  if (command == "change-framerate") {
    return CheckChangeFrameRate(files);
  }
  if (command == "correct") {
    return CompareEntries(files.input, OutputNamed(files.outputs, " - corrected.srt"),
                          [](long i, const std::string&) { return BenchTextOf(i).corrected; });
  }
  if (command == "delete-comments") {
    return CompareEntries(
        files.input, OutputNamed(files.outputs, " - without comments.srt"),
        [](long i, const std::string&) { return BenchTextOf(i).withoutComments; });
  }
  if (command == "split") {
    return CheckSplit(files);
  }
  if (command == "guess-framerate") {
    return CheckGuessFrameRate(files);
  }
  return "no check for \"" + command + "\"";
}

std::string CheckOutputApart(const std::string& command, const CheckFiles& files) {
  int channel[2];
  if (pipe(channel) != 0) {
    return "no pipe for the check";
  }
  std::fflush(nullptr);
  const pid_t checker = fork();
  if (checker == 0) {
    close(channel[0]);
    const std::string failure = CheckOutput(command, files);
    for (std::size_t sent = 0; sent < failure.size();) {
      const ssize_t n = write(channel[1], failure.data() + sent, failure.size() - sent);
      if (n <= 0) {
        break;
      }
      sent += static_cast<std::size_t>(n);
    }
    _exit(0);
  }
  close(channel[1]);
  std::string failure;
  char buffer[4096];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
    failure.append(buffer, static_cast<std::size_t>(n));
  }
  close(channel[0]);
  int status = 0;
  if (checker < 0 || waitpid(checker, &status, 0) != checker || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return "the check did not finish";
  }
  return failure;
}

}  // namespace lumetra::bench
