// The fax chain's view of the main frame: its monitor windows, receiver and schedule.
#pragma once

#include "fax/faxhost.h"

class vantorelFrame;

class FrameFaxHost : public vt::fax::FaxHost {
 public:
  explicit FrameFaxHost(vantorelFrame* frame) : frame(frame) {}

  bool FrequencyVisible() const override;
  void DrawSpectrum(const int* heights, int count) override;

  bool ScopeVisible() const override;
  int ScopeClientWidth() const override;
  void ScopeShowStrip() override;
  void ScopeRestoreSize() override;
  void ScopeClearStrip() override;
  void ScopeLine(int x1, int y1, int x2, int y2) override;
  void ScopeDrawPicture(const unsigned char* grey, int width, int rows, int w, int h) override;
  void ScopeTimerText(const std::string& text) override;

  bool RadioActive() const override;
  int SigStr() const override;

  bool TimerCapture() const override;
  bool NewTimerActive() const override;

  void TerminateReception() override;

 private:
  vantorelFrame* frame;
};
