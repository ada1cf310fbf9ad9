#pragma once

#include "cli/arguments.h"
#include "cli/commands.h"
#include "operations/frame.h"

namespace lumetra::cli {

// The values shared by the commands that write a subtitle: --fps, --to and --delete-source.
// Without --fps the input's declared rate (else 25) is used, without --to the operation's
// own choice. The input and the output folder are the task's.
CommonParams CommonParamsFrom(const Arguments& arguments);
// --input-encoding NAME, and --utf8 or --encoding utf-8.
TextChoice TextChoiceFrom(const Arguments& arguments);
CommonParams ForTask(CommonParams params, const InputTask& task);
// An outputKind for the commands whose outputs are named by the format they write: the
// format's name, read from the input when --to leaves it open.
std::function<std::string(const InputTask&)> WrittenFormatOf(const CommonParams& params,
                                                             bool convertsFormat = false);

}  // namespace lumetra::cli
