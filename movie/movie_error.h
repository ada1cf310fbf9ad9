#pragma once

#include <stdexcept>
#include <string>

namespace lumetra {

// A movie that cannot be read, or a build that cannot read movies: what() is the user's
// message.
class MovieError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The refusal of a build made without FFmpeg.
inline constexpr const char* kNoMovieSupport =
    "This Lumetra was built without movie support; it can not read movies.";

}  // namespace lumetra
