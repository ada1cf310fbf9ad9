#include <ostream>

#include "cli/commands.h"
#include "movie/movie_error.h"
#include "movie/movie_facts.h"

namespace lumetra::cli {

int ProbeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || args[0].starts_with("--")) {
    err << "lumetra-cli probe: give one movie (see lumetra-cli --help)\n";
    return kExitUsage;
  }
  try {
    out << DescribeMovie(ProbeMovie(args[0]));
    return kExitOk;
  } catch (const MovieError& error) {
    err << args[0] << ": " << error.what() << '\n';
    return error.what() == std::string(kNoMovieSupport) ? kExitRefused : kExitFailed;
  }
}

}  // namespace lumetra::cli
