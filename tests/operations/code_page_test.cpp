// Text in the code pages subtitles come in: detected, and written as UTF-8 byte for byte.

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "operations/convert.h"
#include "operations/recode.h"
#include "operations/recording_view.h"
#include "subtitle/subtitle_input.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

// `utf8` in `codePage`, as a file in that page holds it.
std::string Encode(const std::string& utf8, const char* codePage) {
  const iconv_t converter = iconv_open(codePage, "UTF-8");
  std::string in = utf8;
  std::string out(4 * utf8.size(), '\0');
  char* inAt = in.data();
  char* outAt = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  EXPECT_NE(iconv(converter, &inAt, &inLeft, &outAt, &outLeft), static_cast<std::size_t>(-1))
      << codePage;
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

std::string SubRip(const std::string& text) {
  std::string file;
  for (const char* number : {"1", "2", "3"}) {
    file += std::string(number) + "\r\n00:00:0" + number + ",000 --> 00:00:0" + number +
            ",500\r\n" + text + "\r\n\r\n";
  }
  return file;
}

struct CodePageCase {
  const char* name;
  const char* codePage;  // as detected and shown
  const char* text;      // UTF-8
};

const CodePageCase kCodePages[] = {
    {"Polish", "windows-1250",
     "Zażółć gęślą jaźń. Dzień dobry, jak się masz? Nie wiem, co mam teraz zrobić. Musimy "
     "natychmiast stąd wyjść. Dziękuję bardzo, przyjacielu."},
    {"Hungarian, bytes both pages read alike", "windows-1250",
     "Árvíztűrő tükörfúrógép. Jó napot, hogy vagy? Nem tudom, mit csináljak most. Azonnal el "
     "kell mennünk innen. Köszönöm szépen, barátom."},
    {"Russian", "windows-1251",
     "Привет, как дела? Я не знаю, что делать дальше. Мы должны уйти отсюда немедленно. "
     "Здравствуйте, товарищ капитан!"},
    {"Greek", "windows-1253",
     "Καλημέρα, τι κάνεις; Δεν ξέρω τι να κάνω τώρα. Άλλη μια φορά. Πρέπει να φύγουμε αμέσως "
     "από εδώ. Ευχαριστώ πολύ, φίλε μου."},
    {"Turkish", "windows-1254",
     "Merhaba, nasılsın? Ne yapacağımı bilmiyorum. Buradan hemen gitmeliyiz. Çok teşekkür "
     "ederim, dostum. Şişli'de güzel bir gün."},
    {"Hebrew", "windows-1255",
     "שלום, מה שלומך? אני לא יודע מה לעשות עכשיו. אנחנו חייבים ללכת מכאן מיד. תודה רבה, חבר "
     "שלי."},
    {"Arabic", "windows-1256",
     "مرحبا، كيف حالك؟ لا أعرف ماذا أفعل الآن. يجب أن نغادر من هنا فورا. شكرا جزيلا يا صديقي."},
    {"traditional Chinese", "Big5",
     "你好，你今天過得怎麼樣？我不知道現在該怎麼辦。我們必須馬上離開這裡。非常感謝你，我的朋友。"},
    {"simplified Chinese", "GB18030",
     "你好，你今天过得怎么样？我不知道现在该怎么办。我们必须马上离开这里。非常感谢你，我的朋友。"},
    {"Japanese", "Shift_JIS",
     "こんにちは、元気ですか？今どうすればいいのか分かりません。ポケットの中に何がある？"},
};

TEST(CodePages, AreDetectedAndWrittenAsUtf8ByteForByte) {
  TempDir dir;
  for (const CodePageCase& c : kCodePages) {
    const std::string input = dir.write(
        "movie.srt",
        Encode(SubRip(c.text), c.codePage == std::string("GB18030") ? "GBK" : c.codePage));
    EXPECT_EQ(DescribeSubtitle(InspectSubtitleFile(input)),
              "SubRip subtitle (" + std::string(c.codePage) + ")")
        << c.name;

    CommonParams params;
    params.inputPath = input;
    params.frameRate = 25;
    params.outputFormat = SubtitleFormat::MicroDvd;
    params.text.writeUtf8 = true;
    RecordingView convert;
    Convert(params, 0, convert);
    EXPECT_TRUE(convert.completed()) << c.name << ": " << convert.lastText();
    const std::string text = c.text;
    EXPECT_EQ(dir.read("movie - MicroDVD.sub"),
              "{25}{38}" + text + "\r\n{50}{62}" + text + "\r\n{75}{88}" + text + "\r\n")
        << c.name;

    RecordingView recode;
    Recode(params, recode);
    EXPECT_EQ(dir.read("movie - UTF-8.srt"), SubRip(c.text)) << c.name;
  }
}

struct UndecodableCase {
  const char* name;
  std::string bytes;
  const char* codePage;
  long line;
};

const UndecodableCase kUndecodable[] = {
    {"byte windows-1250 has no character for", "{1}{2}a\r\n{3}{4}b\r\n{5}{6}c\x81\r\n",
     "windows-1250", 3},
    {"lone LF line breaks", "{1}{2}a\n{3}{4}b\n\n{5}{6}\x98x\n", "windows-1251", 4},
    {"character cut off by the end of the file", "{1}{2}a\r\n{3}{4}\x82", "Shift_JIS", 2},
};

TEST(CodePages, AnUndecodableByteFailsNamingItsLine) {
  TempDir dir;
  for (const UndecodableCase& c : kUndecodable) {
    CommonParams params;
    params.inputPath = dir.write("movie.sub", c.bytes);
    params.outputFormat = SubtitleFormat::SubRip;
    params.text = {c.codePage, true};
    RecordingView view;
    Convert(params, 0, view);
    ASSERT_FALSE(view.completed()) << c.name;
    EXPECT_NE(view.lastText().find("Line " + std::to_string(c.line) + " holds the byte"),
              std::string::npos)
        << c.name << ": " << view.lastText();
    EXPECT_FALSE(dir.exists("movie - SubRip.srt")) << c.name;
  }
}

TEST(CodePages, ASecondByteIsNoMicroDvdLineBreakWhenBytesPassThrough) {
  TempDir dir;
  // ポ is 83 7C in Shift_JIS, 表 is 95 5C; the "|" after them is a real line break.
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "{25}{50}\x83\x7C|\x95\x5C\r\n{75}{100}x\r\n");
  params.frameRate = 25;
  params.outputFormat = SubtitleFormat::SubRip;
  params.text.inputEncoding = "Shift_JIS";  // too little text for the detector
  RecordingView view;
  Convert(params, 0, view);
  EXPECT_EQ(dir.read("movie - SubRip.srt"),
            "1\r\n00:00:01,000 --> 00:00:02,000\r\n\x83\x7C\r\n\x95\x5C\r\n\r\n"
            "2\r\n00:00:03,000 --> 00:00:04,000\r\nx\r\n");
}

}  // namespace
}  // namespace lumetra
