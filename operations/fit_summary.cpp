#include "operations/fit_summary.h"

#include <cmath>
#include <cstdio>

#include "operations/message.h"

namespace lumetra {
namespace {

constexpr double kRates[] = {24000.0 / 1001, 24, 25, 30000.0 / 1001, 30};
constexpr const char* kRateTexts[] = {"23.976", "24", "25", "29.97", "30"};

bool Near(double a, double b) {
  return std::abs(a - b) <= 1e-6 * b;
}

int RateIndex(double rate) {
  for (int i = 0; i < 5; ++i) {
    if (std::abs(rate - kRates[i]) < 0.0015) {
      return i;
    }
  }
  return -1;
}

std::string Factor(double speed) {
  char text[32];
  std::snprintf(text, sizeof text, "× %.4f", speed);
  return text;
}

}  // namespace

std::string SpeedText(double speed, double framesRate, double movieRate) {
  if (Near(speed, 1)) {
    return "unchanged";
  }
  if (framesRate > 0) {
    const int from = RateIndex(framesRate);
    const int to = RateIndex(framesRate / speed);
    if (from >= 0 && to >= 0) {
      return std::string(kRateTexts[from]) + " → " + kRateTexts[to] + " fps";
    }
    return Factor(speed);
  }
  // A subtitle made for `from` fps laid on a movie of `to` fps: speed = from / to.
  int best = -1;
  const int movie = RateIndex(movieRate);
  for (int to = 0; to < 5; ++to) {
    const int from = RateIndex(speed * kRates[to]);
    if (from >= 0 && Near(kRates[from] / kRates[to], speed) && (best < 0 || to == movie)) {
      best = to;
    }
  }
  if (best < 0) {
    return Factor(speed);
  }
  return std::string(kRateTexts[RateIndex(speed * kRates[best])]) + " → " + kRateTexts[best] +
         " fps";
}

std::string FitFigures(const FitModel& model, const std::string& speed, double match,
                       double standout, bool hasMatch) {
  char shift[64];
  std::snprintf(shift, sizeof shift, "Shift: %+.3f s", model.shiftSeconds);
  std::string text = shift;
  text += kCR;
  text += "Speed: " + speed;
  if (hasMatch) {
    char share[96];
    std::snprintf(share, sizeof share, "Match: %.0f%% (the best shift stands out by %.1f)",
                  match * 100, standout);
    text += kCR;
    text += share;
  }
  return text;
}

}  // namespace lumetra
