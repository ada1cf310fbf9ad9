#include "files/hidden_name.h"

#include <sys/random.h>
#include <unistd.h>

#include <atomic>
#include <chrono>

namespace lumetra {
namespace {

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kRandomLength = 8;

// Random bytes from the kernel; should it refuse, the clock and a counter still give a name
// that differs from the last one (creation with O_EXCL or link refuses a name in use anyway).
void FillRandom(unsigned char (&bytes)[kRandomLength]) {
  if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof bytes)) {
    return;
  }
  static std::atomic<unsigned long long> counter{0};
  unsigned long long mix =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (++counter * 0x9E3779B97F4A7C15ull) ^ static_cast<unsigned long long>(::getpid());
  for (auto& byte : bytes) {
    byte = static_cast<unsigned char>(mix);
    mix = (mix >> 8) | (mix << 56);
  }
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string HiddenNameBeside(const std::string& target) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  unsigned char bytes[kRandomLength];
  FillRandom(bytes);
  std::string hidden = folder + "." + name.substr(0, 64) + ".part-";
  for (const unsigned char byte : bytes) {
    hidden += kLetters[byte % (sizeof kLetters - 1)];
  }
  return hidden;
}

}  // namespace lumetra
