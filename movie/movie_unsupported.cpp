#include "movie/movie_audio.h"
#include "movie/movie_error.h"
#include "movie/movie_facts.h"

namespace lumetra {

MovieFacts ProbeMovie(const std::string&) {
  throw MovieError(kNoMovieSupport);
}

bool DecodeMovieAudio(const std::string&, int, int, const SampleSink&, const DecodeProgress&,
                      AudioStretch, const StartSink&) {
  throw MovieError(kNoMovieSupport);
}

int DecodingThreads() {
  return 1;
}

}  // namespace lumetra
