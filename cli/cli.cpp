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
      "Runs one operation of Lumetra on MicroDVD (.sub) and SubRip (.srt) files and writes each\n"
      "result beside its input; an input is never changed. Several inputs run side by side, each\n"
      "reported on a line of its own (\"path: message\") in the order given. Exit status, the\n"
      "worst of all inputs: 0 done, 1 refused, 2 failed, 64 bad usage.\n"
      "\n"
      "Commands:\n"
      "  synchronize --shift MS [--fps RATE] [--to FORMAT] INPUT...\n"
      "      Move every entry by MS milliseconds (-";
  help += maxShift + " to " + maxShift + ").\n";
  help +=
      "  convert [--fps RATE] [--to FORMAT] [--shift MS] INPUT...\n"
      "      Turn MicroDVD into SubRip and back (--to defaults to the other format).\n"
      "  change-framerate --new-fps RATE [--fps RATE] INPUT...\n"
      "      Rescale the frame numbers of a MicroDVD file to another frame rate.\n"
      "  correct [--language english|french] [--no-quotes] [--no-il] [--no-full-stops]\n"
      "          [--no-digit-spaces] [--dry-run] [--fps RATE] [--to FORMAT] INPUT...\n"
      "      Repair I/l mix-ups, doubled apostrophes, \"?.\" and \"!.\", spaces between digits.\n"
      "  delete-comments [--begin C] [--end C] [--dry-run] [--fps RATE] [--to FORMAT] INPUT...\n"
      "      Remove comments such as [door slams]; C is one character (";
  help +=
      std::string(kBeginCharacter.factory) + " and " + kEndCharacter.factory + " by default).\n";
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
      "  probe MOVIE\n"
      "      Show a movie's length, frame rate and audio tracks.\n"
      "\n"
      "Options:\n"
      "  --fps RATE          frame rate of the MicroDVD side: ";
  help += FrameRateChoices() +
          "\n"
          "                      (default: the rate a MicroDVD file declares in its first line, "
          "else ";
  help += std::string(kFrameRates[kDefaultFrameRatePosition].text) + ")\n";
  help +=
      "  --to FORMAT         output format: microdvd or subrip (default: the input's format)\n"
      "  --dry-run           write nothing; print each change (entry, start, text before, text\n"
      "                      after, tab-separated, | for line breaks) and the count\n"
      "  --delete-source     delete each input after a successful run\n"
      "  --recursive         a folder stands for every .sub and .srt file below it\n"
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
  static const std::map<std::string, CommandEntry> table = {
      {"synchronize", {SynchronizeCommand, {"shift", "fps", "to"}, {}}},
      {"convert", {ConvertCommand, {"fps", "to", "shift"}, {}}},
      {"change-framerate", {ChangeFrameRateCommand, {"new-fps", "fps"}, {}}},
      {"correct",
       {CorrectCommand,
        {"language", "fps", "to"},
        {"no-quotes", "no-il", "no-full-stops", "no-digit-spaces", "dry-run"}}},
      {"delete-comments", {DeleteCommentsCommand, {"begin", "end", "fps", "to"}, {"dry-run"}}},
      {"split", {SplitCommand, {"segment-frames", "segments", "fps", "to"}, {}}},
      {"guess-framerate", {GuessFrameRateCommand, {"length", "correction"}, {}}},
      {"fit",
       {FitCommand,
        {"movie", "audio-track", "reference", "points", "max-shift", "fps", "to"},
        {"force", "dry-run"}}},
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
  if (args[0] == "probe") {
    return ProbeCommand({args.begin() + 1, args.end()}, out, err);
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
