#include "subtitle/text_encoding.h"

namespace lumetra {
namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(std::uint32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(std::uint32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::uint32_t code, std::string& out) {
  if (code > 0x10FFFF) {
    code = kReplacement;
  }
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

std::size_t UnitSize(TextEncoding encoding) {
  return encoding == TextEncoding::Utf32Le || encoding == TextEncoding::Utf32Be ? 4 : 2;
}

bool IsBigEndian(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16Be || encoding == TextEncoding::Utf32Be;
}

void AppendUnit(std::uint32_t unit, TextEncoding encoding, std::string& out) {
  const std::size_t size = UnitSize(encoding);
  for (std::size_t i = 0; i < size; ++i) {
    const std::size_t shift = IsBigEndian(encoding) ? 8 * (size - 1 - i) : 8 * i;
    out.push_back(static_cast<char>((unit >> shift) & 0xFF));
  }
}

void AppendCodePoint(std::uint32_t code, TextEncoding encoding, std::string& out) {
  if (UnitSize(encoding) == 2 && code >= 0x10000) {
    code -= 0x10000;
    AppendUnit(0xD800 + (code >> 10), encoding, out);
    AppendUnit(0xDC00 + (code & 0x3FF), encoding, out);
    return;
  }
  AppendUnit(code, encoding, out);
}

// The code point of the UTF-8 sequence at `text[i]` and its length; U+FFFD and 1 for a byte
// that starts no complete sequence. The three-byte form of a surrogate passes, as the decoder
// writes a lone one that way.
std::uint32_t NextCodePoint(std::string_view text, std::size_t i, std::size_t& length) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  length = 1;
  if (lead < 0x80) {
    return lead;
  }
  std::size_t size = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4;
    code = lead & 0x07;
  } else {
    return kReplacement;
  }
  if (i + size > text.size()) {
    return kReplacement;
  }
  for (std::size_t k = 1; k < size; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      return kReplacement;
    }
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[size] || code > 0x10FFFF) {
    return kReplacement;
  }
  length = size;
  return code;
}

}  // namespace

TextEncoding EncodingOfMark(std::string_view head, std::size_t& markLength) {
  // UTF-32 LE first: its mark begins with the mark of UTF-16 LE.
  constexpr struct {
    std::string_view mark;
    TextEncoding encoding;
  } kMarks[] = {
      {std::string_view("\xFF\xFE\0\0", 4), TextEncoding::Utf32Le},
      {std::string_view("\0\0\xFE\xFF", 4), TextEncoding::Utf32Be},
      {"\xEF\xBB\xBF", TextEncoding::Utf8},
      {"\xFF\xFE", TextEncoding::Utf16Le},
      {"\xFE\xFF", TextEncoding::Utf16Be},
  };
  for (const auto& candidate : kMarks) {
    if (head.starts_with(candidate.mark)) {
      markLength = candidate.mark.size();
      return candidate.encoding;
    }
  }
  markLength = 0;
  return TextEncoding::Bytes;
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Bytes:
      break;
    case TextEncoding::Utf8:
      return "\xEF\xBB\xBF";
    case TextEncoding::Utf16Le:
      return "\xFF\xFE";
    case TextEncoding::Utf16Be:
      return "\xFE\xFF";
    case TextEncoding::Utf32Le:
      return std::string_view("\xFF\xFE\0\0", 4);
    case TextEncoding::Utf32Be:
      return std::string_view("\0\0\xFE\xFF", 4);
  }
  return "";
}

const char* EncodingLabel(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
      return "UTF-16";
    case TextEncoding::Utf32Le:
    case TextEncoding::Utf32Be:
      return "UTF-32";
    case TextEncoding::Bytes:
    case TextEncoding::Utf8:
      break;
  }
  return nullptr;
}

bool IsTranscoded(TextEncoding encoding) {
  return EncodingLabel(encoding) != nullptr;
}

void Utf8Decoder::decode(std::string_view bytes, std::string& out) {
  const std::size_t size = UnitSize(encoding_);
  for (const char c : bytes) {
    partial_[partialSize_++] = static_cast<unsigned char>(c);
    if (partialSize_ < size) {
      continue;
    }
    std::uint32_t unit = 0;
    for (std::size_t i = 0; i < size; ++i) {
      const std::size_t shift = IsBigEndian(encoding_) ? 8 * (size - 1 - i) : 8 * i;
      unit |= static_cast<std::uint32_t>(partial_[i]) << shift;
    }
    partialSize_ = 0;
    take(unit, out);
  }
}

void Utf8Decoder::take(std::uint32_t unit, std::string& out) {
  if (highSurrogate_ != 0) {
    const std::uint32_t high = highSurrogate_;
    highSurrogate_ = 0;
    if (IsLowSurrogate(unit)) {
      AppendUtf8(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00), out);
      return;
    }
    AppendUtf8(high, out);  // a lone high surrogate, kept as it was
  }
  if (IsHighSurrogate(unit) && UnitSize(encoding_) == 2) {
    highSurrogate_ = unit;
    return;
  }
  AppendUtf8(unit, out);
}

void Utf8Decoder::finish(std::string& out) {
  if (highSurrogate_ != 0) {
    AppendUtf8(highSurrogate_, out);
    highSurrogate_ = 0;
  }
  if (partialSize_ != 0) {
    AppendUtf8(kReplacement, out);
    partialSize_ = 0;
  }
}

void EncodeUtf8(std::string_view utf8, TextEncoding encoding, std::string& out) {
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t length = 1;
    // A lone surrogate comes through as its own code point, and goes out as the code unit it was.
    const std::uint32_t code = NextCodePoint(utf8, i, length);
    AppendCodePoint(code, encoding, out);
    i += length;
  }
}

}  // namespace lumetra
