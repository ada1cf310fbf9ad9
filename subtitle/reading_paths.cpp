#include "subtitle/reading_paths.h"

namespace lumetra {

ReadingPaths& CurrentReadingPaths() {
  static ReadingPaths paths;
  return paths;
}

}  // namespace lumetra
