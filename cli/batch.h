#pragma once

#include <iosfwd>

namespace lumetra::cli {

class Arguments;
struct PreparedCommand;

// Runs a prepared command on every input of the command line: a folder given with
// --recursive stands for every .sub and .srt file below it, outputs go to --output-dir when
// given, and the inputs run on --jobs threads (all cores by default). Each input's report
// is printed in input order; one input's failure never stops the others, and inputs whose
// outputs would take the same names are refused before any runs. Returns the worst exit
// status of all runs.
int RunInputs(const PreparedCommand& command, const Arguments& arguments, std::ostream& out,
              std::ostream& err);

}  // namespace lumetra::cli
