#include "movie/movie_audio.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "movie/libav_handles.h"
extern "C" {
#include <libavutil/cpu.h>
}
#include "movie/movie_error.h"
#include "movie/rate_reducer.h"

namespace lumetra {
namespace {

// The stream of audio track `track` (0: the default one, as ProbeMovie chooses it).
int ChosenStream(AVFormatContext& format, int track) {
  const std::vector<int> streams = libav::AudioStreams(format);
  if (streams.empty()) {
    throw MovieError("The movie has no sound.");
  }
  if (track > 0) {
    if (track > static_cast<int>(streams.size())) {
      throw MovieError("The movie has no audio track " + std::to_string(track) + ".");
    }
    return streams[track - 1];
  }
  for (const int stream : streams) {
    if (format.streams[stream]->disposition & AV_DISPOSITION_DEFAULT) {
      return stream;
    }
  }
  const int best = av_find_best_stream(&format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  return best >= 0 ? best : streams.front();
}

// Seconds from the start of the stream to time stamp `at`.
double SecondsOf(const AVStream& stream, int64_t at) {
  const int64_t first = stream.start_time != AV_NOPTS_VALUE ? stream.start_time : 0;
  return double(at - first) * av_q2d(stream.time_base);
}

// Decodes, downmixes and resamples in one go, handing the samples on.
class Decoder {
 public:
  Decoder(const AVStream& stream, int sampleRate, const SampleSink& sink, const StartSink& started)
      : sink_(sink), started_(started), stream_(stream) {
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!codec) {
      throw MovieError("The movie's sound is in a form FFmpeg can not decode.");
    }
    codec_.reset(avcodec_alloc_context3(codec));
    libav::Check(avcodec_parameters_to_context(codec_.get(), stream.codecpar), "Sound");
    codec_->pkt_timebase = stream.time_base;
    // One thread: a long movie is decoded in parts side by side instead (HearSpeech).
    codec_->thread_count = 1;
    libav::Check(avcodec_open2(codec_.get(), codec, nullptr), "Can not decode the sound");
    sampleRate_ = sampleRate;
  }

  void send(const AVPacket* packet) {
    int sent = avcodec_send_packet(codec_.get(), packet);
    if (sent < 0 && sent != AVERROR(EAGAIN) && sent != AVERROR_EOF) {
      return;  // a damaged packet: its sound is missing, the rest is still worth having
    }
    while (avcodec_receive_frame(codec_.get(), frame_.get()) >= 0) {
      resample(frame_.get());
      av_frame_unref(frame_.get());
    }
  }
  void finish() {
    send(nullptr);
    if (resampler_) {
      flush();
    }
  }

 private:
  void resample(const AVFrame* frame) {
    if (!toldStart_) {
      toldStart_ = true;
      if (started_) {
        const int64_t at = frame->best_effort_timestamp;
        started_(at == AV_NOPTS_VALUE ? 0 : SecondsOf(stream_, at));
      }
    }
    if (!resampler_ || frame->sample_rate != inputRate_ || frame->format != inputFormat_ ||
        av_channel_layout_compare(&frame->ch_layout, &inputLayout_) != 0) {
      if (resampler_) {
        flush();
      }
      open(frame);
    }
    const int room = swr_get_out_samples(resampler_.get(), frame->nb_samples);
    if (room <= 0) {
      return;
    }
    out_.resize(static_cast<std::size_t>(room));
    uint8_t* planes[] = {reinterpret_cast<uint8_t*>(out_.data())};
    const int made =
        swr_convert(resampler_.get(), planes, room,
                    const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
    hand(made);
  }
  // Lowers the rate of the first `made` converted samples and hands them on.
  void hand(int made) {
    if (made <= 0) {
      return;
    }
    reduced_.clear();
    reducer_->feed(out_.data(), static_cast<std::size_t>(made), reduced_);
    if (!reduced_.empty()) {
      sink_(reduced_.data(), reduced_.size());
    }
  }
  void open(const AVFrame* frame) {
    av_channel_layout_uninit(&inputLayout_);
    libav::Check(av_channel_layout_copy(&inputLayout_, &frame->ch_layout), "Sound");
    inputRate_ = frame->sample_rate;
    inputFormat_ = frame->format;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    // FFmpeg's resampler only downmixes and converts the samples: its filter costs more than
    // the decoding, so the rate is lowered by the reducer. A rate below the one asked for is
    // raised by the resampler.
    const int convertedRate = std::max(inputRate_, sampleRate_);
    SwrContext* raw = nullptr;
    libav::Check(
        swr_alloc_set_opts2(&raw, &mono, AV_SAMPLE_FMT_FLT, convertedRate, &inputLayout_,
                            static_cast<AVSampleFormat>(inputFormat_), inputRate_, 0, nullptr),
        "Can not resample the sound");
    resampler_.reset(raw);
    libav::Check(swr_init(resampler_.get()), "Can not resample the sound");
    reducer_.emplace(convertedRate, sampleRate_);
  }
  void flush() {
    const int room = swr_get_out_samples(resampler_.get(), 0);
    if (room > 0) {
      out_.resize(static_cast<std::size_t>(room));
      uint8_t* planes[] = {reinterpret_cast<uint8_t*>(out_.data())};
      hand(swr_convert(resampler_.get(), planes, room, nullptr, 0));
    }
  }

 public:
  ~Decoder() { av_channel_layout_uninit(&inputLayout_); }
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;

 private:
  const SampleSink& sink_;
  const StartSink& started_;
  const AVStream& stream_;
  bool toldStart_ = false;
  libav::Codec codec_;
  libav::Resampler resampler_;
  libav::Frame frame_{av_frame_alloc()};
  AVChannelLayout inputLayout_{};
  int inputRate_ = 0;
  int inputFormat_ = -1;
  int sampleRate_ = 0;
  std::vector<float> out_;
  std::optional<RateReducer> reducer_;
  std::vector<float> reduced_;
};

}  // namespace

bool DecodeMovieAudio(const std::string& path, int track, int sampleRate, const SampleSink& sink,
                      const DecodeProgress& progress, AudioStretch stretch,
                      const StartSink& started) {
  const libav::Format format = libav::OpenMovie(path);
  const int chosen = ChosenStream(*format, track);
  // Only the chosen track's packets are read past the demuxer.
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    format->streams[i]->discard = static_cast<int>(i) == chosen ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
  }
  const AVStream& stream = *format->streams[chosen];
  if (stretch.from > 0) {
    // To the last point the movie can seek to before the stretch; where it can not seek, the
    // packets before the stretch are read and passed over.
    const int64_t first = format->start_time != AV_NOPTS_VALUE ? format->start_time : 0;
    const int64_t at = first + static_cast<int64_t>(stretch.from * AV_TIME_BASE);
    avformat_seek_file(format.get(), -1, INT64_MIN, at, at, 0);
  }
  Decoder decoder(stream, sampleRate, sink, started);
  double length = format->duration > 0 ? double(format->duration) / AV_TIME_BASE : 0;
  if (stretch.to > 0) {
    length = stretch.to;
  }
  length -= stretch.from;
  const libav::Packet packet(av_packet_alloc());
  double lastTold = -1;
  for (;;) {
    const int read = av_read_frame(format.get(), packet.get());
    if (read == AVERROR_EOF) {
      break;
    }
    libav::Check(read, "Can not read the movie");
    if (packet->stream_index != chosen) {
      av_packet_unref(packet.get());
      continue;
    }
    const int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    const double time = stamp != AV_NOPTS_VALUE ? SecondsOf(stream, stamp) : -1;
    if (time >= 0 && stretch.to > 0 && time >= stretch.to) {
      av_packet_unref(packet.get());
      break;
    }
    if (time < 0 || time >= stretch.from) {
      decoder.send(packet.get());
    }
    av_packet_unref(packet.get());
    if (progress && length > 0 && time >= 0) {
      const double share = std::clamp((time - stretch.from) / length, 0.0, 1.0);
      if (share - lastTold >= 0.01) {
        lastTold = share;
        if (!progress(share)) {
          return false;
        }
      }
    }
  }
  decoder.finish();
  return true;
}

int DecodingThreads() {
  return std::max(1, av_cpu_count());
}

}  // namespace lumetra
