#include <cmath>
#include <cstdlib>

#include "movie/libav_handles.h"
#include "movie/movie_facts.h"
#include "movie/movie_rates.h"

namespace lumetra {
namespace {

RateFraction FractionOf(AVRational rational) {
  if (rational.num <= 0 || rational.den <= 0) {
    return {};
  }
  return {rational.num, rational.den};
}

// The video rate the container states: its average rate (what MP4 and Matroska derive from
// their frame durations), else the base rate of its time stamps. A near miss of a usual rate
// (2997/125 for 24000/1001) is taken as that rate.
void ReadFrameRate(const AVStream& stream, MovieFacts& facts) {
  const RateFraction average = FractionOf(stream.avg_frame_rate);
  const RateFraction base = FractionOf(stream.r_frame_rate);
  const RateFraction stated = average.numerator ? average : base;
  facts.frameRate = UsualRateNear(stated.value()).value_or(stated);
  if (!facts.frameRate.numerator) {
    facts.frameRateWarning = "The movie does not state its frame rate.";
  } else if (average.numerator && base.numerator &&
             std::abs(average.value() - base.value()) > 0.005 * base.value()) {
    facts.frameRateWarning = "The movie's frame rate is variable.";
  } else if (!IsListedRate(facts.frameRate)) {
    facts.frameRateWarning = "The movie's frame rate is not one of the listed rates.";
  }
}

std::string Tag(const AVDictionary* metadata, const char* key) {
  const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
  return entry ? entry->value : "";
}

}  // namespace

MovieFacts ProbeMovie(const std::string& path) {
  const libav::Format format = libav::OpenMovie(path);
  MovieFacts facts;
  if (format->duration > 0) {
    facts.durationSeconds = double(format->duration) / AV_TIME_BASE;
  }
  const int video = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (video >= 0 && !(format->streams[video]->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
    facts.hasVideo = true;
    ReadFrameRate(*format->streams[video], facts);
  }
  const std::vector<int> streams = libav::AudioStreams(*format);
  const int best = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, video, nullptr, 0);
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const AVStream& stream = *format->streams[streams[i]];
    AudioTrack track;
    track.number = static_cast<int>(i) + 1;
    track.language = Tag(stream.metadata, "language");
    track.codec = avcodec_get_name(stream.codecpar->codec_id);
    track.channels = stream.codecpar->ch_layout.nb_channels;
    track.sampleRate = stream.codecpar->sample_rate;
    track.isDefault = (stream.disposition & AV_DISPOSITION_DEFAULT) != 0;
    if (track.isDefault && !facts.defaultTrack) {
      facts.defaultTrack = track.number;
    }
    facts.audioTracks.push_back(track);
  }
  if (!facts.defaultTrack) {
    for (const AudioTrack& track : facts.audioTracks) {
      if (streams[track.number - 1] == best) {
        facts.defaultTrack = track.number;
      }
    }
  }
  if (!facts.defaultTrack && !facts.audioTracks.empty()) {
    facts.defaultTrack = 1;
  }
  return facts;
}

}  // namespace lumetra
