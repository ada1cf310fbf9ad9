#pragma once

#include <stdexcept>
#include <string>

namespace lumetra {

// A failure to write, sync or name an output: the errno of the call that failed and the
// output it was for. The layers above tell it in their own words.
class OutputError : public std::runtime_error {
 public:
  OutputError(int errorNumber, const std::string& target);

  int errorNumber() const { return errorNumber_; }
  const std::string& target() const { return target_; }

 private:
  int errorNumber_;
  std::string target_;
};

}  // namespace lumetra
