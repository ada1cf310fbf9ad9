#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "subtitle/format.h"

namespace lumetra::cli {

// A bad option or value: reported as one usage line, exit 64.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Options of one command: "--name value" pairs ("--name=value" too), "--flag" switches and
// one input path or more. A word "--" ends the options, so a file named "--x.sub" can follow.
// The rates --fps and --new-fps take, as the help and usage errors list them:
// "23.976, 24, 25, 29.97, 30, 50, 59.94 or 60".
std::string FrameRateChoices();

class Arguments {
 public:
  // `valued` and `flags` list the option names (without "--") the command accepts besides
  // the ones every command takes: --jobs, --output-dir, --recursive, --delete-source and
  // --no-clobber.
  Arguments(const std::vector<std::string>& args, std::set<std::string> valued,
            std::set<std::string> flags);

  bool has(const std::string& name) const;
  // The last value given, or every value of an option given more than once.
  std::optional<std::string> value(const std::string& name) const;
  std::vector<std::string> values(const std::string& name) const;
  const std::vector<std::string>& inputs() const { return inputs_; }

  // Typed readers; each throws UsageError for a bad value.
  double frameRate(const std::string& name, double fallback) const;     // a listed rate
  std::optional<SubtitleFormat> format(const std::string& name) const;  // microdvd | subrip
  // One character (UTF-8 or one byte), or empty.
  std::string character(const std::string& name, const std::string& fallback) const;
  // Every value as two characters, such as "[]" or "«»".
  std::vector<std::pair<std::string, std::string>> characterPairs(const std::string& name) const;
  long long integer(const std::string& name, long long fallback, long long min,
                    long long max) const;
  std::string required(const std::string& name) const;

 private:
  std::map<std::string, std::string> values_;
  std::map<std::string, std::vector<std::string>> everyValue_;
  std::set<std::string> flags_;
  std::vector<std::string> inputs_;
};

}  // namespace lumetra::cli
