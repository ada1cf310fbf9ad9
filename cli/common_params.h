#pragma once

#include "cli/arguments.h"
#include "operations/frame.h"

namespace lumetra::cli {

// Which output format a command writes when --to is not given.
enum class DefaultOutput {
  InputFormat,  // the input's own (MicroDVD when it is neither)
  OtherFormat,  // the format the input is not in (MicroDVD when it is neither)
};

// The values shared by the commands that write a subtitle: the input, --fps, --to and
// --delete-source. An input that cannot be read is passed on as it is; the operation then
// says what is wrong with it.
CommonParams CommonParamsFrom(const Arguments& arguments, DefaultOutput defaultOutput);

}  // namespace lumetra::cli
