#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "subtitle/text_encoding.h"

namespace lumetra {

class ByteSource;

// The name of the code page a subtitle's bytes are in, as a user reads it and iconv takes it:
// "UTF-8", "windows-1250", "Big5", "GB18030", "Shift_JIS"... Empty for plain ASCII, which
// every code page reads alike.
//
// Reads `source` from where it stands to its end and rewinds it. Text that is valid UTF-8
// with a byte above 127 is UTF-8; anything else is named by uchardet, which named the code
// page of more of our sample texts than ICU's detector did (ICU took Arabic windows-1256 for
// Hebrew). A Windows code page is named rather than its ISO sibling when bytes 0x80 to 0x9F
// occur, which the ISO pages hold no characters at, or when it reads the same text anyway.
std::string DetectCodePage(ByteSource& source);

// The name a user reads for one the detector or the user gave ("WINDOWS-1250", "cp1250" and
// "windows-1250" all give "windows-1250"); unknown names come back as they were.
std::string CanonicalCodePage(std::string_view name);

// True when iconv can turn text in the code page into UTF-8.
bool IsKnownCodePage(const std::string& name);

// What an input's text is in: the encoding its byte-order mark names, else the code page the
// user gave (`inputEncoding`, empty for none), else the detected one.
struct InputText {
  TextEncoding marked = TextEncoding::Bytes;  // Bytes: no byte-order mark
  std::size_t markLength = 0;
  std::string codePage;  // "UTF-8", "UTF-16LE"..., "windows-1250"; empty for plain ASCII
};

// Reads what it needs of `source` and rewinds it. Throws SubtitleError for a given code page
// that iconv does not know.
InputText KnowInputText(ByteSource& source, const std::string& inputEncoding);

// Which bytes start a character of two bytes (or more) in text passed through as it is.
enum class LeadBytes {
  None,      // single-byte code pages and UTF-8: no ASCII byte is ever part of another character
  Wide,      // Big5, GBK, GB18030: 0x81 to 0xFE
  ShiftJis,  // 0x81 to 0x9F and 0xE0 to 0xFC
};
LeadBytes LeadBytesOf(std::string_view codePage);

inline bool IsLeadByte(unsigned char byte, LeadBytes leads) {
  switch (leads) {
    case LeadBytes::None:
      break;
    case LeadBytes::Wide:
      return byte >= 0x81 && byte <= 0xFE;
    case LeadBytes::ShiftJis:
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  }
  return false;
}

}  // namespace lumetra
