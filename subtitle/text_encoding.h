#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumetra {

// How the bytes of a subtitle file hold its text, as told by the byte-order mark at its start.
// Without a mark the bytes pass through untouched, whatever code page they are in. The rules of
// the readers and writers work on UTF-8 for the Unicode encodings; what is read from a file in
// one of them is written back in the same one, behind the same mark.
enum class TextEncoding { Bytes, Utf8, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

// The encoding whose mark starts `head`, and the mark's length; Bytes and 0 without a mark.
TextEncoding EncodingOfMark(std::string_view head, std::size_t& markLength);
// The mark every output in this encoding starts with ("" for Bytes).
std::string_view ByteOrderMark(TextEncoding encoding);
// "UTF-16" or "UTF-32": the encodings a user is told of. nullptr for the others.
const char* EncodingLabel(TextEncoding encoding);
// True when text in this encoding is turned into UTF-8 for reading and back for writing.
bool IsTranscoded(TextEncoding encoding);

// Turns UTF-16 or UTF-32 into UTF-8, piece by piece as the file is read: a code unit or a
// surrogate pair split between two pieces is completed by the next one. A lone surrogate is
// kept as its own three bytes so that writing it back gives the same code unit; anything that
// is no character at all becomes U+FFFD.
class Utf8Decoder {
 public:
  explicit Utf8Decoder(TextEncoding encoding) : encoding_(encoding) {}
  void decode(std::string_view bytes, std::string& out);
  // At the end of the input: a code unit left incomplete becomes U+FFFD.
  void finish(std::string& out);

 private:
  void take(std::uint32_t unit, std::string& out);

  TextEncoding encoding_;
  unsigned char partial_[4] = {};
  std::size_t partialSize_ = 0;
  std::uint32_t highSurrogate_ = 0;
};

// Appends `utf8` to `out` in the encoding (UTF-16 or UTF-32, either byte order). The three-byte
// form of a lone surrogate gives that code unit back; a byte that starts no character becomes
// U+FFFD.
void EncodeUtf8(std::string_view utf8, TextEncoding encoding, std::string& out);

}  // namespace lumetra
