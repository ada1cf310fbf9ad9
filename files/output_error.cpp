#include "files/output_error.h"

#include <cstring>

namespace lumetra {

OutputError::OutputError(int errorNumber, const std::string& target)
    : std::runtime_error(std::string(std::strerror(errorNumber)) + " (writing " + target + ")"),
      errorNumber_(errorNumber),
      target_(target) {}

}  // namespace lumetra
