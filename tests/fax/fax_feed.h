// Feeding samples and intensities to the fax chain without a device.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "capture/wxSoundInGTK.h"
#include "fax/faxdecoder.h"

namespace vt::fax::test {

// Opens the ring for draining as Open would after the stream starts.
void ArmRing(CSoundIn& sc);

// Sends samples through the capture hand-over the demodulator's way and runs
// the decoder's ticks until everything sent has been read.
void FeedSamples(CSoundIn& sc, CFaxDecoder& fax, const std::vector<short>& samples);

// Continuous-phase tone whose frequency (Hz) is given per sample index.
std::vector<short> FmSignal(size_t count, const std::function<double(size_t)>& freqAt,
                            double amplitude = 12000);
inline std::vector<short> SteadyTone(double hz, size_t count) {
  return FmSignal(count, [hz](size_t) { return hz; });
}

// Intensity lines (1280 slots each) for the line assembler; intensity 255 is
// black and 0 white, as the demodulator emits them.
using Line = std::vector<unsigned char>;
Line FlatLine(unsigned char intensity);
// Alternating black and white with the given period in slots (a tone).
Line ToneLine(double periodSlots);
// The phasing line: white pulse of `width` slots at `start`, rest black.
Line PhasingLine(int start, int width = 64);

// A host that records what the chain asks of it, with settable answers.
class RecordingHost : public FaxHost {
 public:
  bool frequencyVisible = false;
  bool radioActive = false, timerCapture = false, newTimerActive = false, autoTune = false;
  int activeDuration = 0;
  std::time_t oldEndTime = 0;
  int sigStr = 0;

  std::vector<std::vector<int>> spectra;
  std::vector<std::string> tunedTo;
  int retunesToSelected = 0;
  int terminations = 0;

  bool FrequencyVisible() const override { return frequencyVisible; }
  void DrawSpectrum(const int* heights, int count) override {
    spectra.emplace_back(heights, heights + count);
  }
  bool RadioActive() const override { return radioActive; }
  int SigStr() const override { return sigStr; }
  void SetFreq(const std::string& khz) override { tunedTo.push_back(khz); }
  void RetuneToSelectedFrequency() override { ++retunesToSelected; }
  bool TimerCapture() const override { return timerCapture; }
  bool NewTimerActive() const override { return newTimerActive; }
  bool AutoTune() const override { return autoTune; }
  int ActiveDuration() const override { return activeDuration; }
  std::time_t OldEndTime() const override { return oldEndTime; }
  void TerminateReception() override { ++terminations; }
};

// Hands lines to Process in blocks of 2560 (a last partial block too).
void ProcessLines(CFaxDecoder& fax, const std::vector<Line>& lines);

}  // namespace vt::fax::test
