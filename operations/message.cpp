#include "operations/message.h"

namespace lumetra {
namespace {
constexpr std::string_view kAuthor = " - Written by Taviel";
}  // namespace

std::string NameAndVersion() {
  return std::string(kProgramName) + ' ' + kVersion;
}

std::string TitleText() {
  return NameAndVersion() + std::string(kAuthor);
}

std::string WindowCaption(std::string_view window) {
  return NameAndVersion() + " - " + std::string(window) + std::string(kAuthor);
}

std::string BusyCaption(std::string_view activity) {
  return TitleText() + " - " + std::string(activity);
}

}  // namespace lumetra
