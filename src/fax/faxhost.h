// What the fax decoder needs from the program around it: drawing the monitor
// windows, the receiver, the scheduler's values and ending a reception. The
// main frame implements it; the headless decoder and the tests use the no-op
// defaults.
#pragma once

#include <ctime>
#include <limits>
#include <string>

namespace vt::fax {

class FaxHost {
 public:
  virtual ~FaxHost() = default;

  // "Frequency" window. While it is not shown the transform is skipped.
  virtual bool FrequencyVisible() const { return false; }
  // Clear it and draw count bars (heights in pixels,
  // bar i at x = i) with the two marker lines.
  virtual void DrawSpectrum(const int* heights, int count) { (void)heights, (void)count; }

  // Tuning scope.
  virtual bool ScopeVisible() const { return false; }
  virtual int ScopeClientWidth() const { return 0; }
  // Resize to the 320 by 40 strip used while waiting for an automatic start.
  virtual void ScopeShowStrip() {}
  // Back to the stored client size ("TuneX" by "TuneY").
  virtual void ScopeRestoreSize() {}
  // Clear the trace strip: rectangle (0, 0), 320 by 35.
  virtual void ScopeClearStrip() {}
  virtual void ScopeLine(int x1, int y1, int x2, int y2) { (void)x1, (void)y1, (void)x2, (void)y2; }
  // Draw the first `rows` rows of the grey picture scaled to w by h at (0, 35).
  virtual void ScopeDrawPicture(const unsigned char* grey, int width, int rows, int w, int h) {
    (void)grey, (void)width, (void)rows, (void)w, (void)h;
  }
  // Clear the rectangle (100, 100), 100 by 50, and write text at (100, 100).
  virtual void ScopeTimerText(const std::string& text) { (void)text; }

  // Receiver.
  virtual bool RadioActive() const { return false; }
  virtual int SigStr() const { return 0; }
  virtual void SetFreq(const std::string& khz) { (void)khz; }
  // Tune back to the frequency selected in the frequency bar.
  virtual void RetuneToSelectedFrequency() {}

  // Scheduler values (a timed capture and its bounds). The defaults of the
  // bounds are harmless ones: the scheduler's own 45 minutes, and no end time.
  virtual bool TimerCapture() const { return false; }
  virtual bool NewTimerActive() const { return false; }
  virtual bool AutoTune() const { return false; }
  virtual int ActiveDuration() const { return 45; }
  virtual std::time_t OldEndTime() const { return std::numeric_limits<std::time_t>::max(); }

  // End the current reception (close the capture, save, ...). The decoder
  // clears its IsReceiving afterwards in any case.
  virtual void TerminateReception() {}
};

// A host with no display, no receiver and no schedule.
class NullFaxHost : public FaxHost {};

}  // namespace vt::fax
