#include "operations/message.h"

namespace lumetra {

std::string TitleText() {
  return std::string("Lumetra ") + kVersion + " - Written by Taviel";
}

std::string BusyCaption(const std::string& busyLiteral) {
  return std::string("Lumetra ") + kVersion + busyLiteral;
}

}  // namespace lumetra
