#pragma once

#include <string>

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
inline constexpr const char* kVersion = "2.6";
// "Lumetra 2.6 - Written by Taviel": the caption at rest and the title of operation messages.
std::string TitleText();
// The caption while an operation runs: "Lumetra 2.6" + the operation's busy literal.
std::string BusyCaption(const std::string& busyLiteral);

}  // namespace lumetra
