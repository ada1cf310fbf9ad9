#pragma once

#include "cli/arguments.h"
#include "operations/frame.h"

namespace lumetra::cli {

// The values shared by the commands that write a subtitle: the input, --fps, --to and
// --delete-source. Without --fps the input's declared rate (else 25) is used, without --to
// the operation's own choice.
CommonParams CommonParamsFrom(const Arguments& arguments);

}  // namespace lumetra::cli
