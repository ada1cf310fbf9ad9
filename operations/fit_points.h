#pragma once

#include <optional>
#include <string>
#include <vector>

#include "operations/fit_request.h"

namespace lumetra {

// The exact model through two points: `starts` are the two entries' own start times, in
// seconds, `points` where they must go. Empty when the entries start at the same time or the
// order of the two would turn around.
std::optional<FitModel> ModelThroughPoints(const double starts[2],
                                           const std::vector<FitPoint>& points);

// Reads "ENTRY=TIME,ENTRY=TIME"; a TIME is seconds ("754.2") or h:mm:ss / mm:ss with "," or
// "." before the fraction ("1:02:03,500"). Empty when the text is not two such points.
std::optional<std::vector<FitPoint>> ParseFitPoints(const std::string& text);

}  // namespace lumetra
