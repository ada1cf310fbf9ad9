#include "subtitle/reading_paths.h"

namespace lumetra::detail {

ReadingPaths currentReadingPaths;

}  // namespace lumetra::detail
