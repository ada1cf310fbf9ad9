#include "subtitle/subtitle_error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace lumetra {

SubtitleError SubtitleError::Format(long line) {
  return SubtitleError(Kind::Format, error_number::kTypeMismatch, "Type mismatch", line);
}

SubtitleError SubtitleError::UnknownFormat() {
  return SubtitleError(Kind::Other, error_number::kInvalidFileFormat,
                       "The file is neither a MicroDVD nor a SubRip subtitle");
}

SubtitleError SubtitleError::UnknownCodePage(const std::string& name) {
  return SubtitleError(Kind::Other, error_number::kInvalidFileFormat,
                       "Unknown text encoding \"" + name + "\"");
}

SubtitleError SubtitleError::Empty(const std::string& path) {
  return SubtitleError(Kind::Other, error_number::kInputPastEnd,
                       "The file is empty (reading " + path + ")");
}

SubtitleError SubtitleError::NotARegularFile(const std::string& path, bool folder) {
  return SubtitleError(Kind::Other, error_number::kPathFileAccess,
                       std::string(folder ? "A folder, not a file" : "Not a regular file") +
                           " (reading " + path + ")");
}

SubtitleError SubtitleError::NumberTooLarge(long line, const std::string& path) {
  return SubtitleError(
      Kind::Other, error_number::kOverflow,
      "Number too large in line " + std::to_string(line) + " (reading " + path + ")", line);
}

SubtitleError SubtitleError::UnclosedFrameNumber(long line, const std::string& path) {
  return SubtitleError(
      Kind::Other, error_number::kInvalidCall,
      "Frame number not closed by '}' in line " + std::to_string(line) + " (reading " + path + ")",
      line);
}

SubtitleError SubtitleError::TooLong(const char* what, long line, const std::string& path) {
  return SubtitleError(Kind::Other, error_number::kOutOfMemory,
                       std::string(what) + " longer than 1 MiB at line " + std::to_string(line) +
                           " (reading " + path + ")",
                       line);
}

SubtitleError SubtitleError::OutOfMemory(const std::string& path) {
  return SubtitleError(Kind::Other, error_number::kOutOfMemory,
                       "Out of memory (reading " + path + ")");
}

namespace {

SubtitleError ClassifyErrno(int error, const std::string& path) {
  using namespace error_number;
  using Kind = SubtitleError::Kind;
  switch (error) {
    case ENOENT: {
      // A missing folder is told apart from a missing file, as users expect.
      std::error_code ignored;
      const auto folder = std::filesystem::path(path).parent_path();
      if (!folder.empty() && !std::filesystem::is_directory(folder, ignored)) {
        return SubtitleError(Kind::Other, kPathNotFound, "Path not found");
      }
      return SubtitleError(Kind::Other, kFileNotFound, "File not found");
    }
    case ENOTDIR:
      return SubtitleError(Kind::Other, kPathNotFound, "Path not found");
    case EACCES:
    case EPERM:
    case EROFS:
      return SubtitleError(Kind::Other, kPermissionDenied, "Permission denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return SubtitleError(Kind::Other, kDiskFull, "Disk full");
    case EISDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return SubtitleError(Kind::Other, kPathFileAccess, "Path/File access error");
    default:
      return SubtitleError(Kind::Other, kDeviceIo,
                           std::string("Device I/O error: ") + std::strerror(error));
  }
}

const char* ActionWord(FileAction action) {
  switch (action) {
    case FileAction::Reading:
      return "reading";
    case FileAction::Writing:
      return "writing";
    case FileAction::Deleting:
      break;
  }
  return "deleting";
}

}  // namespace

SubtitleError SubtitleError::FromErrno(int error, const std::string& path, FileAction action) {
  const SubtitleError plain = ClassifyErrno(error, path);
  return SubtitleError(
      Kind::Other, plain.number(),
      std::string(plain.description()) + " (" + ActionWord(action) + " " + path + ")");
}

}  // namespace lumetra
