#pragma once

#include <string>
#include <vector>

#include "operations/frame_view.h"

namespace lumetra::testing {

// Records what an operation shows the window, in order, as short event texts.
class RecordingView : public FrameView {
 public:
  void enterBusy(const std::string& caption) override { events.push_back("busy:" + caption); }
  void leaveBusy() override { events.push_back("rest"); }
  void setSource(const std::string& path) override { events.push_back("source:" + path); }
  void setInputInformation(const std::string& caption) override {
    events.push_back("info:" + caption);
  }
  void resetShift() override { events.push_back("shift:0"); }
  void selectCurrentFrameRate(double rate) override {
    events.push_back("rate:" + std::to_string(rate));
  }
  void showMessage(const Message& message) override {
    messages.push_back(message);
    events.push_back("message");
  }

  // True when the last message tells of a completed run.
  bool completed() const {
    return !messages.empty() && messages.back().kind == MessageKind::Completion;
  }
  std::string lastText() const { return messages.empty() ? "" : messages.back().text; }

  std::vector<std::string> events;
  std::vector<Message> messages;
};

}  // namespace lumetra::testing
