#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

#include <memory>
#include <string>
#include <vector>

namespace lumetra::libav {

struct FormatCloser {
  void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecFreer {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct ResamplerFreer {
  void operator()(SwrContext* context) const { swr_free(&context); }
};
struct PacketFreer {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
using Format = std::unique_ptr<AVFormatContext, FormatCloser>;
using Codec = std::unique_ptr<AVCodecContext, CodecFreer>;
using Resampler = std::unique_ptr<SwrContext, ResamplerFreer>;
using Packet = std::unique_ptr<AVPacket, PacketFreer>;
using Frame = std::unique_ptr<AVFrame, FrameFreer>;

// Opens a movie and reads its stream information; throws MovieError naming the file.
Format OpenMovie(const std::string& path);
// Throws MovieError "what: FFmpeg's description of code" when code < 0.
void Check(int code, const std::string& what);
// The streams of the movie's audio tracks, in track order (track n is element n - 1).
std::vector<int> AudioStreams(const AVFormatContext& format);

}  // namespace lumetra::libav
