#include "movie/libav_handles.h"

#include <vector>

#include "movie/movie_error.h"

namespace lumetra::libav {

void Check(int code, const std::string& what) {
  if (code >= 0) {
    return;
  }
  char description[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, description, sizeof description);
  throw MovieError(what + ": " + description);
}

Format OpenMovie(const std::string& path) {
  av_log_set_level(AV_LOG_ERROR);
  AVFormatContext* raw = nullptr;
  Check(avformat_open_input(&raw, path.c_str(), nullptr, nullptr), "Can not open " + path);
  Format format(raw);
  Check(avformat_find_stream_info(format.get(), nullptr), "Can not read " + path);
  return format;
}

std::vector<int> AudioStreams(const AVFormatContext& format) {
  std::vector<int> streams;
  for (unsigned i = 0; i < format.nb_streams; ++i) {
    if (format.streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
      streams.push_back(static_cast<int>(i));
    }
  }
  return streams;
}

}  // namespace lumetra::libav
