#pragma once

#include <string>
#include <string_view>

#include "lumetra_version.h"

namespace lumetra {

// What a message box shows: the window presents it, the command line prints it.
enum class MessageIcon { None, Information, Critical };

// How a run ended, as its message tells: the command line makes its exit status of it.
enum class MessageKind { Completion, Refusal, Failure };

struct Message {
  std::string title;
  std::string text;  // lines joined by a bare CR
  MessageIcon icon = MessageIcon::None;
  MessageKind kind = MessageKind::Completion;
  long inputLine = 0;  // a failure: the input line where reading stopped; 0 when none
};

inline constexpr char kCR = '\r';
inline constexpr const char* kProgramName = "Lumetra";
// The refusal of every operation, and of the open dialog, while no subtitle is chosen.
inline constexpr const char* kSelectASubtitle = "Select a subtitle!";
// The refusal of a file whose format nobody recognises.
inline constexpr const char* kNotASubtitle =
    "The selected file is not a subtitle (or is an unknown format)";

// "Lumetra 2.6".
std::string NameAndVersion();
// "Lumetra 2.6 - Written by Taviel": the caption at rest and the title of operation messages.
std::string TitleText();
// The caption of a secondary window: "Lumetra 2.6 - Options - Written by Taviel".
std::string WindowCaption(std::string_view window);
// The caption while an operation runs: "Lumetra 2.6 - Written by Taviel - converting...".
std::string BusyCaption(std::string_view activity);

}  // namespace lumetra
