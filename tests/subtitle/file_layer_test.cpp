#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "subtitle/line_reader.h"
#include "subtitle/output_file.h"
#include "subtitle/output_group.h"
#include "subtitle/paths.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/temporary_files.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::TempDir;

std::vector<std::string> Lines(const std::string& bytes, TextEncoding* encoding = nullptr) {
  LineReader reader(std::make_unique<MemorySource>(bytes));
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.next(line)) {
    lines.emplace_back(line);
  }
  if (encoding) {
    *encoding = reader.encoding();
  }
  return lines;
}

TEST(LineReader, EndsLinesAtCrLfLfAndCr) {
  EXPECT_EQ(Lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
}

TEST(LineReader, RefusesALineLongerThan1MiB) {
  EXPECT_EQ(Lines(std::string(1 << 20, 'x')).size(), 1u);
  try {
    Lines("ok\n" + std::string((1 << 20) + 1, 'x') + "\n");
    FAIL() << "a line of more than 1 MiB was read";
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.line(), 2);
    EXPECT_EQ(std::string(error.description()),
              "Line longer than 1 MiB at line 2 (reading memory)");
  }
}

TEST(LineReader, TurnsUtf16IntoUtf8AndBack) {
  // "a", U+1F600 as a surrogate pair, a lone high surrogate, U+00E9, then a line break.
  const std::string utf16(
      "\xFF\xFE"
      "a\0"
      "\x3D\xD8\x00\xDE"
      "\x3D\xD8"
      "\xE9\0"
      "\n\0",
      14);
  TextEncoding encoding{};
  const auto lines = Lines(utf16, &encoding);
  EXPECT_EQ(encoding, TextEncoding::Utf16Le);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "a\xF0\x9F\x98\x80\xED\xA0\xBD\xC3\xA9");
  std::string back;
  EncodeUtf8(lines[0] + "\n", TextEncoding::Utf16Le, back);
  EXPECT_EQ(std::string(ByteOrderMark(TextEncoding::Utf16Le)) + back, utf16);
}

TEST(OutputFile, LeavesNothingAndKeepsTheTargetWhenNotCommitted) {
  TempDir dir;
  const std::string target = dir.write("out.srt", "earlier");
  {
    OutputFile out(target);
    out.writeLine(std::string(3 << 20, 'x'));  // past the buffer: bytes are on disk
  }
  EXPECT_EQ(dir.read("out.srt"), "earlier");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"out.srt"});
}

TEST(OutputFile, FailsWhereNoFileCanBeCreated) {
  TempDir dir;
  dir.write("plain", "a file, not a folder");
  try {
    OutputFile out(dir.file("plain/out.sub"));
    FAIL() << "created a file inside a file";
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.kind(), SubtitleError::Kind::Other);
    EXPECT_EQ(error.number(), 76);
  }
  EXPECT_EQ(dir.names(), std::vector<std::string>{"plain"});
}

// A new file gets 0666 less the umask, as any new file; a replaced one keeps its mode.
TEST(OutputFile, ModeFollowsTheUmaskOrTheReplacedFile) {
  struct Case {
    const char* name;
    mode_t umask;
    int replacedMode;  // -1: nothing to replace
    mode_t mode;
  };
  for (const Case& c :
       {Case{"new, umask 027", 027, -1, 0640}, Case{"replaces a private file", 022, 0600, 0600},
        Case{"replaces a shared file", 077, 0664, 0664}}) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string target = dir.file("out.srt");
    if (c.replacedMode >= 0) {
      dir.write("out.srt", "earlier");
      ::chmod(target.c_str(), static_cast<mode_t>(c.replacedMode));
    }
    struct RestoredUmask {
      mode_t saved;
      ~RestoredUmask() { ::umask(saved); }
    } restored{::umask(c.umask)};
    OutputFile(target).commit();
    struct stat written {};
    ASSERT_EQ(::stat(target.c_str(), &written), 0);
    EXPECT_EQ(written.st_mode & 0777, c.mode);
  }
}

// More files than the group keeps open, so the later ones wait under hidden names.
void BeginTwelve(OutputGroup& group, const TempDir& dir) {
  for (int i = 0; i < 12; ++i) {
    group.begin(dir.file(std::to_string(i) + ".sub")).writeLine(std::to_string(i));
  }
}

TEST(OutputGroup, EveryFileAppearsAtCommitAndNoneBefore) {
  TempDir dir;
  dir.write("0.sub", "earlier");
  OutputGroup group;
  BeginTwelve(group, dir);
  EXPECT_EQ(dir.read("0.sub"), "earlier");
  EXPECT_FALSE(dir.exists("10.sub"));
  group.commit();
  EXPECT_EQ(dir.names().size(), 12u);  // and no hidden file
  EXPECT_EQ(dir.read("0.sub"), "0\r\n");
  EXPECT_EQ(dir.read("11.sub"), "11\r\n");
}

// A target that cannot be replaced fails the commit: the files renamed before it are taken
// back, and what they replaced is there again as it was.
TEST(OutputGroup, AFailedCommitPutsEveryEarlierFileBack) {
  TempDir dir;
  dir.write("1.sub", "earlier");
  std::filesystem::create_directory(dir.file("3.sub"));
  {
    OutputGroup group;
    for (const char* name : {"1.sub", "2.sub", "3.sub"}) {
      group.begin(dir.file(name)).writeLine("new");
    }
    try {
      group.commit();
      FAIL() << "replaced a folder";
    } catch (const SubtitleError& error) {
      EXPECT_EQ(std::string(error.description()),
                "Path/File access error (writing " + dir.file("3.sub") + ")");
    }
  }
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"1.sub", "3.sub"}));
  EXPECT_EQ(dir.read("1.sub"), "earlier");
}

// The files waiting under hidden names are removed before the signal ends the process.
TEST(TemporaryFiles, ASignalRemovesThemAndStillEndsTheProcess) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    TempDir dir;
    const pid_t child = ::fork();
    if (child == 0) {
      ::signal(signal, SIG_DFL);  // as a program starts, whatever this test inherited
      InstallTemporaryFileCleanup();
      OutputGroup group;
      BeginTwelve(group, dir);
      if (!dir.names().empty()) {
        ::raise(signal);
      }
      ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(dir.names(), std::vector<std::string>{});
  }
}

TEST(Paths, CutTheFileNamesOwnExtensionOnly) {
  struct Case {
    const char* input;
    const char* base;
    const char* extension;
  };
  const Case cases[] = {
      {"/films/movie.sub", "/films/movie", "sub"},
      {"/films/film.subtitle", "/films/film", "subtitle"},
      {"/subs/ab", "/subs/ab", ""},
      {"movie", "movie", ""},
      {"/a.b/movie", "/a.b/movie", ""},
      {"/x/.hidden", "/x/.hidden", ""},
      {"/x/my film.v2.srt", "/x/my film.v2", "srt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BaseName(c.input), c.base) << c.input;
    EXPECT_EQ(FileExtension(c.input), c.extension) << c.input;
  }
}

TEST(Paths, OutputPathAddsSuffixAndExtension) {
  EXPECT_EQ(OutputPath("/f/movie.sub", " - SubRip", "srt"), "/f/movie - SubRip.srt");
  EXPECT_EQ(OutputPath("/f/movie", " - 25fps", ""), "/f/movie - 25fps");
  EXPECT_EQ(OutputPath("/f/movie.sub", " - 1", "sub", "/out"), "/out/movie - 1.sub");
}

}  // namespace
}  // namespace lumetra
