#include <iostream>
#include <map>

#include "cli/arguments.h"
#include "cli/commands.h"

namespace lumetra::cli {
namespace {

constexpr const char* kHelp =
    "Usage: lumetra-cli COMMAND [OPTIONS] INPUT\n"
    "\n"
    "Runs one operation of Lumetra on a MicroDVD (.sub) or SubRip (.srt) file and writes\n"
    "the result beside it; the input is never changed. Exit status: 0 done, 1 refused,\n"
    "2 failed, 64 bad usage.\n"
    "\n"
    "Commands:\n"
    "  synchronize --shift MS [--fps RATE] [--to FORMAT] INPUT\n"
    "      Move every entry by MS milliseconds (-30000 to 30000).\n"
    "  convert [--fps RATE] [--to FORMAT] [--shift MS] INPUT\n"
    "      Turn MicroDVD into SubRip and back (--to defaults to the other format).\n"
    "  change-framerate --new-fps RATE [--fps RATE] INPUT\n"
    "      Rescale the frame numbers of a MicroDVD file to another frame rate.\n"
    "  correct [--language english|french] [--no-quotes] [--no-il] [--no-full-stops]\n"
    "          [--no-digit-spaces] [--fps RATE] [--to FORMAT] INPUT\n"
    "      Repair I/l mix-ups, doubled apostrophes, \"?.\" and \"!.\", spaces between digits.\n"
    "  delete-comments [--begin C] [--end C] [--fps RATE] [--to FORMAT] INPUT\n"
    "      Remove comments such as [door slams]; C is one character ([ and ] by default).\n"
    "  split [--segment-frames F] [--segments N] [--fps RATE] [--to FORMAT] INPUT\n"
    "      Cut into segments of F frames (default 180000), at most N files (default 2, up to\n"
    "      999).\n"
    "  guess-framerate --length SECONDS [--correction MINUTES] INPUT\n"
    "      Estimate the frame rate of a MicroDVD file from the movie's length.\n"
    "\n"
    "Options:\n"
    "  --fps RATE          frame rate of the MicroDVD side: 23.976, 24, 25, 29.97 or 30\n"
    "                      (default: the rate a MicroDVD file declares in its first line, else "
    "25)\n"
    "  --to FORMAT         output format: microdvd or subrip (default: the input's format)\n"
    "  --delete-source     delete the input file after a successful run (every command)\n"
    "  --help              show this text\n"
    "  --                  end of the options: a file name starting with -- may follow\n";

const std::map<std::string, Command>& CommandTable() {
  static const std::map<std::string, Command> table = {
      {"synchronize", SynchronizeCommand},          {"convert", ConvertCommand},
      {"change-framerate", ChangeFrameRateCommand}, {"correct", CorrectCommand},
      {"delete-comments", DeleteCommentsCommand},   {"split", SplitCommand},
      {"guess-framerate", GuessFrameRateCommand},
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
    out << kHelp;
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
      out << kHelp;
      return kExitOk;
    }
  }
  try {
    return found->second(rest, out, err);
  } catch (const UsageError& error) {
    err << "lumetra-cli " << args[0] << ": " << error.what() << " (see lumetra-cli --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumetra::cli
