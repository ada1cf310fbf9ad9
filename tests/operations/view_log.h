#pragma once

#include <string>
#include <vector>

#include "operations/frame_view.h"

namespace lumetra::testing {

// Records what an operation shows the window, one line per call, in order.
class ViewLog : public FrameView {
 public:
  void enterBusy(const std::string& caption) override { events.push_back("busy " + caption); }
  void leaveBusy() override { events.push_back("rest"); }
  void setSource(const std::string& path) override { events.push_back("source " + path); }
  void setInputInformation(const std::string& caption) override {
    events.push_back("information " + caption);
  }
  void resetShift() override { events.push_back("reset shift"); }
  void showMessage(const Message& message) override {
    events.push_back("message " + message.text);
    messages.push_back(message);
  }

  std::vector<std::string> events;
  std::vector<Message> messages;
};

}  // namespace lumetra::testing
