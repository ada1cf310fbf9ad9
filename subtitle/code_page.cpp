#include "subtitle/code_page.h"

#include <iconv.h>
#include <uchardet/uchardet.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <memory>

#include "subtitle/byte_source.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return upper;
}

// Tells whether bytes, given piece by piece, are valid UTF-8; a sequence may be split
// between two pieces.
// True when no byte has its top bit set; eight bytes at a time, since most subtitle text is.
bool AllAscii(std::string_view bytes) {
  std::size_t at = 0;
  std::uint64_t high = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, 8);
    high |= word;
  }
  for (; at < bytes.size(); ++at) {
    high |= static_cast<unsigned char>(bytes[at]);
  }
  return (high & 0x8080808080808080u) == 0;
}

class Utf8Check {
 public:
  void take(std::string_view bytes) {
    if (!valid_ || (pending_ == 0 && AllAscii(bytes))) {
      return;
    }
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      if (pending_ > 0) {
        if (byte < lowest_ || byte > highest_) {
          valid_ = false;
          return;
        }
        lowest_ = 0x80;
        highest_ = 0xBF;
        --pending_;
        continue;
      }
      if (byte < 0x80) {
        continue;
      }
      nonAscii_ = true;
      lowest_ = 0x80;
      highest_ = 0xBF;
      if (byte >= 0xC2 && byte <= 0xDF) {
        pending_ = 1;
      } else if (byte >= 0xE0 && byte <= 0xEF) {
        pending_ = 2;
        lowest_ = byte == 0xE0 ? 0xA0 : 0x80;   // no overlong form
        highest_ = byte == 0xED ? 0x9F : 0xBF;  // no surrogate
      } else if (byte >= 0xF0 && byte <= 0xF4) {
        pending_ = 3;
        lowest_ = byte == 0xF0 ? 0x90 : 0x80;
        highest_ = byte == 0xF4 ? 0x8F : 0xBF;
      } else {
        valid_ = false;
        return;
      }
    }
  }
  bool valid() const { return valid_ && pending_ == 0; }
  bool validSoFar() const { return valid_; }
  bool nonAscii() const { return nonAscii_; }

 private:
  int pending_ = 0;
  unsigned char lowest_ = 0x80;
  unsigned char highest_ = 0xBF;
  bool valid_ = true;
  bool nonAscii_ = false;
};

struct UchardetDeleter {
  void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};

// Which byte values a text holds.
using BytesSeen = std::array<bool, 256>;

bool AnySeen(const BytesSeen& seen, unsigned from, unsigned to) {
  return std::any_of(seen.begin() + from, seen.begin() + to + 1, [](bool b) { return b; });
}

// The character of one byte in a single-byte code page, as UTF-8; empty when it has none.
std::string CharacterOf(unsigned char byte, const char* codePage) {
  const iconv_t converter = iconv_open("UTF-8", codePage);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    return {};
  }
  char in = static_cast<char>(byte);
  char out[8];
  char* inAt = &in;
  char* outAt = out;
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  const bool failed =
      iconv(converter, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1);
  iconv_close(converter);
  return failed ? std::string() : std::string(out, static_cast<std::size_t>(outAt - out));
}

// True when every byte above 127 the text holds is the same character in both pages.
bool ReadsAlike(const BytesSeen& seen, std::string_view first, std::string_view second) {
  const std::string firstName(first);
  const std::string secondName(second);
  for (unsigned byte = 0x80; byte < 0x100; ++byte) {
    if (seen[byte] && CharacterOf(static_cast<unsigned char>(byte), firstName.c_str()) !=
                          CharacterOf(static_cast<unsigned char>(byte), secondName.c_str())) {
      return false;
    }
  }
  return true;
}

// The Windows code page to name for a text the detector took for an ISO page. Where the
// Windows page holds every character of its sibling at the same byte, it is named at once
// (it reads the same text, and subtitles are mostly written in it); the others when the text
// holds bytes 0x80 to 0x9F, which the ISO page has no characters at, or only bytes that both
// pages read alike.
std::string_view WindowsSibling(std::string_view iso, const BytesSeen& seen) {
  static constexpr struct {
    std::string_view iso;
    std::string_view windows;
    bool superset;
  } kSiblings[] = {
      {"ISO-8859-1", "windows-1252", true},  {"ISO-8859-15", "windows-1252", false},
      {"ISO-8859-2", "windows-1250", false}, {"ISO-8859-16", "windows-1250", false},
      {"ISO-8859-7", "windows-1253", false}, {"ISO-8859-9", "windows-1254", true},
      {"ISO-8859-8", "windows-1255", true},  {"ISO-8859-13", "windows-1257", false},
  };
  const bool controlBytes = AnySeen(seen, 0x80, 0x9F);
  for (const auto& sibling : kSiblings) {
    if (iso != sibling.iso) {
      continue;
    }
    if (sibling.superset || controlBytes || ReadsAlike(seen, iso, sibling.windows)) {
      return sibling.windows;
    }
    // Romanian text in windows-1250 is taken for ISO-8859-16, a page hardly any subtitle is
    // written in.
    if (iso == "ISO-8859-16") {
      return sibling.windows;
    }
    // Greek: windows-1253 has its capital alpha with tonos at 0xA2, where ISO-8859-7 has a
    // quotation mark, and a pilcrow at 0xB6, where ISO-8859-7 has that alpha.
    if (iso == "ISO-8859-7" && seen[0xA2] && !seen[0xB6]) {
      return sibling.windows;
    }
    return {};
  }
  return {};
}

}  // namespace

std::string CanonicalCodePage(std::string_view name) {
  const std::string upper = Upper(name);
  if (upper.starts_with("WINDOWS-") || upper.starts_with("CP12")) {
    return "windows-" + upper.substr(upper.find_first_of("0123456789"));
  }
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kNames{{
      {"UTF8", "UTF-8"},
      {"BIG5", "Big5"},
      {"BIG-5", "Big5"},
      {"GB2312", "GB2312"},
      {"EUC-CN", "GB2312"},
      {"SHIFT_JIS", "Shift_JIS"},
      {"SHIFT-JIS", "Shift_JIS"},
      {"SJIS", "Shift_JIS"},
      {"ASCII", ""},
  }};
  for (const auto& [alias, canonical] : kNames) {
    if (upper == alias) {
      return std::string(canonical);
    }
  }
  return upper.starts_with("ISO") || upper.starts_with("UTF") || upper.starts_with("GB") ||
                 upper.starts_with("EUC") || upper.starts_with("KOI")
             ? upper
             : std::string(name);
}

bool IsKnownCodePage(const std::string& name) {
  if (name.empty()) {
    return false;
  }
  const iconv_t converter = iconv_open("UTF-8", name.c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    return false;
  }
  iconv_close(converter);
  return true;
}

LeadBytes LeadBytesOf(std::string_view codePage) {
  const std::string upper = Upper(codePage);
  if (upper == "SHIFT_JIS" || upper == "SJIS" || upper == "CP932" || upper == "WINDOWS-31J") {
    return LeadBytes::ShiftJis;
  }
  if (upper == "BIG5" || upper == "BIG5-HKSCS" || upper == "GBK" || upper == "GB2312" ||
      upper == "GB18030" || upper == "CP936" || upper == "CP950") {
    return LeadBytes::Wide;
  }
  return LeadBytes::None;
}

std::string DetectCodePage(ByteSource& source) {
  Utf8Check utf8;
  BytesSeen seen{};
  std::array<char, 64 * 1024> chunk{};
  // Far more than any subtitle holds: a larger file is judged by its start, so that opening
  // it does not cost a second reading of all of it.
  constexpr std::size_t kEnoughToJudge = 16 * 1024 * 1024;
  std::size_t looked = 0;
  for (std::size_t got;
       looked < kEnoughToJudge && (got = source.read(chunk.data(), chunk.size())) != 0;
       looked += got) {
    const std::string_view bytes(chunk.data(), got);
    utf8.take(bytes);
    // Only the bytes above 127 tell code pages apart.
    if (!AllAscii(bytes)) {
      for (const char c : bytes) {
        seen[static_cast<unsigned char>(c)] = true;
      }
    }
  }
  source.rewind();
  // A character cut where the look stopped is no fault of the text.
  if (utf8.valid() || (looked >= kEnoughToJudge && utf8.validSoFar())) {
    return utf8.nonAscii() ? "UTF-8" : "";
  }
  const std::unique_ptr<std::remove_pointer_t<uchardet_t>, UchardetDeleter> detector(
      uchardet_new());
  // The detector is sure long before this; the rest of a large file would only cost time.
  constexpr std::size_t kEnoughForDetector = 4 * 1024 * 1024;
  std::size_t fed = 0;
  for (std::size_t got;
       fed < kEnoughForDetector && (got = source.read(chunk.data(), chunk.size())) != 0;
       fed += got) {
    uchardet_handle_data(detector.get(), chunk.data(), got);
  }
  source.rewind();
  uchardet_data_end(detector.get());
  const std::string detected = Upper(uchardet_get_charset(detector.get()));
  if (detected.empty()) {
    return "windows-1252";  // the detector gave up: the most common 8-bit page
  }
  if (const std::string_view sibling = WindowsSibling(detected, seen); !sibling.empty()) {
    return std::string(sibling);
  }
  return CanonicalCodePage(detected);
}

InputText KnowInputText(ByteSource& source, const std::string& inputEncoding) {
  char head[4];
  std::size_t size = 0;
  for (std::size_t got = 1; size < sizeof head && got != 0; size += got) {
    got = source.read(head + size, sizeof head - size);
  }
  source.rewind();
  InputText text;
  text.marked = EncodingOfMark(std::string_view(head, size), text.markLength);
  if (text.marked != TextEncoding::Bytes) {
    text.codePage = IsTranscoded(text.marked) ? EncodingLabel(text.marked) : "UTF-8";
  } else if (!inputEncoding.empty()) {
    if (!IsKnownCodePage(inputEncoding)) {
      throw SubtitleError::UnknownCodePage(inputEncoding);
    }
    text.codePage = CanonicalCodePage(inputEncoding);
  } else {
    text.codePage = DetectCodePage(source);
  }
  return text;
}

}  // namespace lumetra
