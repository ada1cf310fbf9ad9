#include "cli/arguments.h"

#include <charconv>

#include "subtitle/frame_rates.h"

namespace lumetra::cli {
namespace {

// The length of the character that `lead` starts: one byte, or one character encoded in
// UTF-8 such as "«".
std::size_t CharacterLength(char lead) {
  const auto code = static_cast<unsigned char>(lead);
  return code >= 0xF0 ? 4 : code >= 0xE0 ? 3 : code >= 0xC0 ? 2 : 1;
}

bool IsOneCharacter(const std::string& text) {
  const std::size_t length = CharacterLength(text.front());
  if (text.size() != length) {
    return false;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string FrameRateChoices() {
  std::string choices;
  for (std::size_t i = 0; i < kFrameRates.size(); ++i) {
    choices += i == 0 ? "" : i + 1 == kFrameRates.size() ? " or " : ", ";
    choices += kFrameRates[i].text;
  }
  return choices;
}

Arguments::Arguments(const std::vector<std::string>& args, std::set<std::string> valued,
                     std::set<std::string> flags) {
  valued.insert({"jobs", "output-dir"});
  flags.insert({"recursive", "delete-source", "no-clobber"});
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--" && !optionsEnded) {
      optionsEnded = true;  // what follows is a file name, even one that starts with "--"
    } else if (!optionsEnded && word.size() > 2 && word.starts_with("--")) {
      std::string name = word.substr(2);
      std::optional<std::string> inlineValue;
      if (const auto equals = name.find('='); equals != std::string::npos) {
        inlineValue = name.substr(equals + 1);
        name.resize(equals);
      }
      if (valued.count(name)) {
        if (!inlineValue) {
          if (i + 1 >= args.size()) {
            throw UsageError("option --" + name + " needs a value");
          }
          inlineValue = args[++i];
        }
        values_[name] = *inlineValue;
        everyValue_[name].push_back(*inlineValue);
      } else if (flags.count(name) && !inlineValue) {
        flags_.insert(name);
      } else {
        throw UsageError("unknown option " + word);
      }
    } else if (word.empty()) {
      throw UsageError("an INPUT file name cannot be empty");
    } else {
      inputs_.push_back(word);
    }
  }
  if (inputs_.empty()) {
    throw UsageError("missing INPUT file");
  }
}

std::vector<std::string> Arguments::values(const std::string& name) const {
  const auto found = everyValue_.find(name);
  return found == everyValue_.end() ? std::vector<std::string>{} : found->second;
}

std::vector<std::pair<std::string, std::string>> Arguments::characterPairs(
    const std::string& name) const {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const std::string& text : values(name)) {
    const std::size_t first = text.empty() ? 0 : CharacterLength(text.front());
    if (first >= text.size() || !IsOneCharacter(text.substr(0, first)) ||
        !IsOneCharacter(text.substr(first))) {
      throw UsageError("--" + name + " takes two characters such as \"()\", not '" + text + "'");
    }
    pairs.emplace_back(text.substr(0, first), text.substr(first));
  }
  return pairs;
}

bool Arguments::has(const std::string& name) const {
  return flags_.count(name) > 0 || values_.count(name) > 0;
}

std::optional<std::string> Arguments::value(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) {
    return std::nullopt;
  }
  return found->second;
}

std::string Arguments::required(const std::string& name) const {
  const auto text = value(name);
  if (!text) {
    throw UsageError("option --" + name + " is required");
  }
  return *text;
}

double Arguments::frameRate(const std::string& name, double fallback) const {
  const auto text = value(name);
  if (!text) {
    return fallback;
  }
  for (const ListedFrameRate& rate : kFrameRates) {
    if (*text == rate.text) {
      return rate.value;
    }
  }
  throw UsageError("--" + name + " takes " + FrameRateChoices() + ", not '" + *text + "'");
}

std::optional<SubtitleFormat> Arguments::format(const std::string& name) const {
  const auto text = value(name);
  if (!text) {
    return std::nullopt;
  }
  if (*text == "microdvd" || *text == "MicroDVD") {
    return SubtitleFormat::MicroDvd;
  }
  if (*text == "subrip" || *text == "SubRip") {
    return SubtitleFormat::SubRip;
  }
  if (*text == "webvtt" || *text == "WebVTT") {
    return SubtitleFormat::WebVtt;
  }
  throw UsageError("--" + name + " takes microdvd, subrip or webvtt, not '" + *text + "'");
}

std::string Arguments::character(const std::string& name, const std::string& fallback) const {
  const auto text = value(name);
  if (!text) {
    return fallback;
  }
  // Empty is left to the operation, which refuses it as the window does.
  if (!text->empty() && !IsOneCharacter(*text)) {
    throw UsageError("--" + name + " takes a single character, not '" + *text + "'");
  }
  return *text;
}

long long Arguments::integer(const std::string& name, long long fallback, long long min,
                             long long max) const {
  const auto text = value(name);
  if (!text) {
    return fallback;
  }
  long long number = 0;
  const char* end = text->data() + text->size();
  const auto parsed = std::from_chars(text->data(), end, number);
  if (parsed.ec != std::errc() || parsed.ptr != end || number < min || number > max) {
    throw UsageError("--" + name + " takes a whole number from " + std::to_string(min) + " to " +
                     std::to_string(max) + ", not '" + *text + "'");
  }
  return number;
}

}  // namespace lumetra::cli
