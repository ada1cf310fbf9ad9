#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

struct DetectionCase {
  const char* name;
  std::string bytes;
  const char* described;  // DescribeSubtitle(), or "Unknown subtitle"
};

const std::string kSubRip = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n";
const std::string kMicroDvd = "{1}{25}Hello\r\n{30}{50}World\r\n";

std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char c : ascii) {
    bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return bytes;
}

std::string Utf32LittleEndian(const std::string& ascii) {
  std::string bytes("\xFF\xFE\0\0", 4);
  for (const char c : ascii) {
    bytes += std::string{c, '\0', '\0', '\0'};
  }
  return bytes;
}

const DetectionCase kCases[] = {
    {"empty file", "", "Unknown subtitle"},
    {"byte-order mark alone", "\xEF\xBB\xBF", "Unknown subtitle"},
    {"two MicroDVD lines", kMicroDvd, "MicroDVD subtitle"},
    {"blank line between MicroDVD lines", "{1}{2}a\n\n{3}{4}b\n", "MicroDVD subtitle"},
    {"brace then a number", "{1}{2}a\n1\n", "Unknown subtitle"},
    {"SubRip block", kSubRip, "SubRip subtitle"},
    {"SubRip from block 0 after blank lines", "\r\n \r\n0\r\n0:0:1 --> 0:0:2\r\nx",
     "SubRip subtitle"},
    {"SubRip without numbers", "00:00:01,000 --> 00:00:02,000\nx\n", "SubRip subtitle"},
    {"a number alone", "1\n", "Unknown subtitle"},
    {"plain text", "Hello world\n", "Unknown subtitle"},
    {"time line gone wrong", "1\n00:00:01,000 = > 0:0:2\nx\n", "SubRip subtitle"},
    {"text holding an arrow", "a --> b\n", "Unknown subtitle"},
    {"UTF-8 mark", "\xEF\xBB\xBF" + kSubRip, "SubRip subtitle (UTF-8)"},
    {"half a mark", "\xEF\xBB{1}{2}a\n{3}{4}b\n", "Unknown subtitle"},
    {"UTF-16 LE", Utf16(kSubRip, false), "SubRip subtitle (UTF-16)"},
    {"UTF-16 BE", Utf16(kMicroDvd, true), "MicroDVD subtitle (UTF-16)"},
    {"UTF-32 LE", Utf32LittleEndian(kSubRip), "SubRip subtitle (UTF-32)"},
    {"declared rate", "{1}{1}23.976\r\n" + kMicroDvd, "MicroDVD subtitle (23.976 fps)"},
    {"declared rate, UTF-16", Utf16("{0}{0}25\r\n" + kMicroDvd, false),
     "MicroDVD subtitle (UTF-16, 25 fps)"},
    {"declared rate nobody lists", "{1}{1}12.5\r\n" + kMicroDvd, "MicroDVD subtitle"},
    {"a first line longer than 1 MiB", "{1}{2}" + std::string(3 << 20, 'x'), "Unknown subtitle"},
};

TEST(SubtitleDetection, RecognisesFilesByTheirOpeningLines) {
  testing::TempDir dir;
  for (const DetectionCase& c : kCases) {
    EXPECT_EQ(DescribeSubtitle(InspectSubtitleFile(dir.write("input.txt", c.bytes))), c.described)
        << c.name;
  }
}

TEST(SubtitleDetection, RefusesWhatIsNoRegularFileWithoutWaiting) {
  testing::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
  const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, dir.file("socket").c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  struct Case {
    std::string path;
    int number;
    std::string description;
  };
  const Case cases[] = {
      {dir.file("missing.sub"), 53, "File not found (reading " + dir.file("missing.sub") + ")"},
      {dir.file("no/such.sub"), 76, "Path not found (reading " + dir.file("no/such.sub") + ")"},
      {dir.path(), 75, "A folder, not a file (reading " + dir.path() + ")"},
      {dir.file("pipe"), 75, "Not a regular file (reading " + dir.file("pipe") + ")"},
      {dir.file("socket"), 75, "Not a regular file (reading " + dir.file("socket") + ")"},
  };
  for (const Case& c : cases) {
    try {
      InspectSubtitleFile(c.path);
      ADD_FAILURE() << c.path;
    } catch (const SubtitleError& error) {
      EXPECT_EQ(error.number(), c.number) << c.path;
      EXPECT_EQ(std::string(error.description()), c.description);
    }
  }
  ::close(listening);
}

}  // namespace
}  // namespace lumetra
