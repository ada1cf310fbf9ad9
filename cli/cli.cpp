#include <map>
#include <ostream>
#include <set>
#include <string>

#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "operations/message.h"
#include "operations/shift.h"
#include "settings/setting_keys.h"
#include "subtitle/frame_rates.h"

namespace lumetra::cli {
namespace {

// The defaults it names are the window's factory settings.
std::string HelpText() {
  using namespace setting_keys;
  const std::string maxShift = std::to_string(kMaxShiftMs);
  std::string help =
      "Usage: lumetra-cli COMMAND [OPTIONS] INPUT...\n"
      "\n"
      "Runs one operation of Lumetra on MicroDVD (.sub), SubRip (.srt) and WebVTT (.vtt) files\n"
      "and writes each result beside its input; an input is never changed. Several inputs run\n"
      "side by side, each reported on a line of its own (\"path: message\") in the order given.\n"
      "Exit status, the worst of all inputs: 0 done, 1 refused, 2 failed, 64 bad usage.\n"
      "\n"
      "Commands:\n"
      "  synchronize --shift MS [--fps RATE] [--to FORMAT] INPUT...\n"
      "      Move every entry by MS milliseconds (-";
  help += maxShift + " to " + maxShift + ").\n";
  help +=
      "  convert [--fps RATE] [--to FORMAT] [--shift MS] INPUT...\n"
      "      Turn one format into another (--to defaults to SubRip for MicroDVD, else MicroDVD).\n"
      "  change-framerate --new-fps RATE [--fps RATE] INPUT...\n"
      "      Rescale the frame numbers of a MicroDVD file to another frame rate.\n"
      "  correct [--language english|french] [--no-quotes] [--no-il] [--no-full-stops]\n"
      "          [--no-digit-spaces] [--dry-run] [--fps RATE] [--to FORMAT] INPUT...\n"
      "      Repair I/l mix-ups, doubled apostrophes, \"?.\" and \"!.\", spaces between digits.\n"
      "  delete-comments [--begin C] [--end C] [--pair CC]... [--music] [--dry-run] [--fps RATE]\n"
      "                  [--to FORMAT] INPUT...\n"
      "      Remove comments such as [door slams]; C is one character (";
  help +=
      std::string(kBeginCharacter.factory) + " and " + kEndCharacter.factory + " by default).\n";
  help +=
      "      --pair \"()\" adds a pair of two characters; --music removes lines holding a music\n"
      "      note.\n";
  help +=
      "  split [--segment-frames F] [--segments N] [--fps RATE] [--to FORMAT] INPUT...\n"
      "      Cut into segments of F frames (default ";
  help += std::string(kSegmentSize.factory) + "), at most N files (default " +
          kNumberOfSegments.factory + ", up to\n";
  help +=
      "      999).\n"
      "  guess-framerate --length SECONDS [--correction MINUTES] INPUT...\n"
      "      Estimate the frame rate of a MicroDVD file from the movie's length.\n"
      "  fit (--movie FILE [--audio-track N] | --reference SUB | --points "
      "\"ENTRY=TIME,ENTRY=TIME\")\n"
      "      [--max-shift SECONDS] [--force] [--dry-run] [--fps RATE] [--to FORMAT] INPUT...\n"
      "      Fit to the movie: find the shift and speed from the movie's speech, from a subtitle\n"
      "      that fits, or from two entries and the times they must start (TIME in seconds or\n"
      "      h:mm:ss,mmm); an untrusted fit writes nothing unless --force is given.\n"
      "  probe [--input-encoding NAME] INPUT...\n"
      "      Tell the format and the text encoding of each subtitle, and a movie's length, frame\n"
      "      rate and audio tracks.\n"
      "  recode [--input-encoding NAME] INPUT...\n"
      "      Write each input again in UTF-8, nothing else changed (\" - UTF-8\" added to its "
      "name).\n"
      "\n"
      "Options:\n"
      "  --fps RATE          frame rate of the MicroDVD side: ";
  help += FrameRateChoices() +
          "\n"
          "                      (default: the rate a MicroDVD file declares in its first line, "
          "else ";
  help += std::string(kFrameRates[kDefaultFrameRatePosition].text) + ")\n";
  help +=
      "  --to FORMAT         output format: microdvd, subrip or webvtt (default: the input's "
      "format)\n"
      "  --input-encoding NAME  the code page of the inputs, such as windows-1250 or Big5\n"
      "                      (default: a byte-order mark, else detected from the text)\n"
      "  --utf8, --encoding utf-8  write the outputs in UTF-8, decoded from the input's\n"
      "                      code page\n"
      "  --dry-run           write nothing; print each change (entry, start, text before, text\n"
      "                      after, tab-separated, | for line breaks) and the count\n"
      "  --delete-source     delete each input after a successful run\n"
      "  --no-clobber        refuse an input whose output file is already there (default:\n"
      "                      replace it)\n"
      "  --recursive         a folder stands for every .sub, .srt and .vtt file below it\n"
      "  --output-dir DIR    write the outputs into DIR, which must exist, instead of beside\n"
      "                      their inputs\n"
      "  --jobs N            run N inputs at a time (default: one per core)\n"
      "  --version           show the version\n"
      "  --help              show this text\n"
      "  --                  end of the options: file names starting with -- may follow\n";
  return help;
}

struct CommandEntry {
  Command prepare;
  std::set<std::string> valued;  // its own options that take a value
  std::set<std::string> flags;
};

const std::map<std::string, CommandEntry>& CommandTable() {
  // Every command that writes a subtitle takes the options of its text.
  const std::set<std::string> text{"input-encoding", "encoding"};
  const auto with = [&](std::set<std::string> own) {
    own.insert(text.begin(), text.end());
    return own;
  };
  static const std::map<std::string, CommandEntry> table = {
      {"synchronize", {SynchronizeCommand, with({"shift", "fps", "to"}), {"utf8"}}},
      {"convert", {ConvertCommand, with({"fps", "to", "shift"}), {"utf8"}}},
      {"change-framerate", {ChangeFrameRateCommand, with({"new-fps", "fps"}), {"utf8"}}},
      {"correct",
       {CorrectCommand,
        with({"language", "fps", "to"}),
        {"no-quotes", "no-il", "no-full-stops", "no-digit-spaces", "dry-run", "utf8"}}},
      {"delete-comments",
       {DeleteCommentsCommand,
        with({"begin", "end", "pair", "fps", "to"}),
        {"dry-run", "music", "utf8"}}},
      {"split", {SplitCommand, with({"segment-frames", "segments", "fps", "to"}), {"utf8"}}},
      {"guess-framerate", {GuessFrameRateCommand, {"length", "correction"}, {}}},
      {"probe", {ProbeCommand, {"input-encoding"}, {}}},
      {"recode", {RecodeCommand, {"input-encoding"}, {}}},
      {"fit",
       {FitCommand,
        with({"movie", "audio-track", "reference", "points", "max-shift", "fps", "to"}),
        {"force", "dry-run", "utf8"}}},
  };
  return table;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "lumetra-cli: missing command (see lumetra-cli --help)\n";
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << HelpText();
    return kExitOk;
  }
  if (args[0] == "--version") {
    out << "lumetra-cli " << kVersion << '\n';
    return kExitOk;
  }
  const auto found = CommandTable().find(args[0]);
  if (found == CommandTable().end()) {
    err << "lumetra-cli: unknown command '" << args[0] << "' (see lumetra-cli --help)\n";
    return kExitUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  for (const auto& word : rest) {
    if (word == "--") {
      break;  // a file may be named "--help"
    }
    if (word == "--help") {
      out << HelpText();
      return kExitOk;
    }
  }
  try {
    const Arguments arguments(rest, found->second.valued, found->second.flags);
    return RunInputs(found->second.prepare(arguments), arguments, out, err);
  } catch (const UsageError& error) {
    err << "lumetra-cli " << args[0] << ": " << error.what() << " (see lumetra-cli --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumetra::cli
