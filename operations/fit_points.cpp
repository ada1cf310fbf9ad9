#include "operations/fit_points.h"

#include <cmath>
#include <cstdlib>

namespace lumetra {
namespace {

std::optional<double> ParseNumber(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos ||
      text.front() == '.' || text.find('.') != text.rfind('.')) {
    return std::nullopt;
  }
  return std::strtod(text.c_str(), nullptr);
}

// Seconds, or [[h:]m:]s with "," or "." before the fraction.
std::optional<double> ParseTime(std::string text) {
  for (char& c : text) {
    if (c == ',') {
      c = '.';
    }
  }
  double seconds = 0;
  int fields = 0;
  std::size_t from = 0;
  for (;;) {
    const std::size_t colon = text.find(':', from);
    const std::string field = text.substr(from, colon == std::string::npos ? colon : colon - from);
    const std::optional<double> value = ParseNumber(field);
    const bool last = colon == std::string::npos;
    if (!value || ++fields > 3 || (!last && field.find('.') != std::string::npos) ||
        (fields > 1 && *value >= 60)) {
      return std::nullopt;
    }
    seconds = seconds * 60 + *value;
    if (last) {
      return seconds;
    }
    from = colon + 1;
  }
}

}  // namespace

std::optional<FitModel> ModelThroughPoints(const double starts[2],
                                           const std::vector<FitPoint>& points) {
  if (points.size() != 2 || starts[0] == starts[1]) {
    return std::nullopt;
  }
  const double speed = (points[1].seconds - points[0].seconds) / (starts[1] - starts[0]);
  if (!(speed > 0) || !std::isfinite(speed)) {
    return std::nullopt;
  }
  return FitModel{speed, points[0].seconds - speed * starts[0]};
}

std::optional<std::vector<FitPoint>> ParseFitPoints(const std::string& text) {
  std::vector<FitPoint> points;
  std::size_t from = 0;
  for (;;) {
    const std::size_t comma = text.find(',', from);
    // A comma may also stand before a time's fraction: a point ends at the comma after which
    // a new "ENTRY=" follows.
    std::size_t end = comma;
    while (end != std::string::npos) {
      const std::size_t equals = text.find('=', end);
      const std::size_t next = text.find(',', end + 1);
      if (equals != std::string::npos && (next == std::string::npos || equals < next)) {
        break;
      }
      end = next;
    }
    const std::string point = text.substr(from, end == std::string::npos ? end : end - from);
    const std::size_t equals = point.find('=');
    if (equals == std::string::npos) {
      return std::nullopt;
    }
    const std::string entry = point.substr(0, equals);
    const std::optional<double> time = ParseTime(point.substr(equals + 1));
    if (entry.empty() || entry.size() > 9 ||
        entry.find_first_not_of("0123456789") != std::string::npos || !time) {
      return std::nullopt;
    }
    points.push_back({std::stoll(entry), *time});
    if (end == std::string::npos) {
      break;
    }
    from = end + 1;
  }
  if (points.size() != 2 || points[0].entry == points[1].entry) {
    return std::nullopt;
  }
  return points;
}

}  // namespace lumetra
