#pragma once

#include <string>
#include <vector>

#include "operations/message.h"

namespace lumetra {

// The window side of an operation. A driver calls these in the order the user must see
// them; the default does nothing, so the command line and tests can ignore what they like.
class FrameView {
 public:
  virtual ~FrameView() = default;
  // Busy state: caption set, the own button, Exit, About and Options disabled.
  virtual void enterBusy(const std::string& busyCaption) { (void)busyCaption; }
  // Caption back to the title text, the four buttons enabled again.
  virtual void leaveBusy() {}
  // Post-success options: txtBron set ("" clears it) and lblInputFileInformation's caption.
  virtual void setSource(const std::string& path) { (void)path; }
  virtual void setInputInformation(const std::string& caption) { (void)caption; }
  // Synchronize and Delete comments put the shift of the Synchronize tab back to 0.
  virtual void resetShift() {}
  // Change frame rate with "output as input": the input rate list takes the new rate.
  virtual void selectCurrentFrameRate(double rate) { (void)rate; }
  virtual void showMessage(const Message& message) { (void)message; }
  // Files already under the names a finished run is about to give its outputs: true
  // replaces them, false ends the run with nothing written.
  virtual bool replaceExisting(const std::vector<std::string>& existing) {
    (void)existing;
    return true;
  }
  // The files a run has just written, told before its completion message.
  virtual void outputsWritten(const std::vector<std::string>& paths) { (void)paths; }
};

}  // namespace lumetra
