// The fax reception chain: tone-to-intensity demodulator (PLL) and line
// assembler (Process) writing the reception image.
//
// The main frame owns one CFaxDecoder and drives it from its tick; the
// headless decoder drives the same object in a loop. Everything visible or
// external goes through FaxHost.
#pragma once

#include <ctime>
#include <string>

#include "capture/wxSoundInGTK.h"
#include "fax/faxhost.h"
#include "fax/faxpicture.h"
#include "fax/skew.h"
#include "fax/wxfft.h"

namespace vt::fax {

constexpr int kHistory = 16384;     // sample and filter histories
constexpr int kBlock = 2560;        // intensities handed to Process at once
constexpr int kLineSlots = 1280;    // slots per line
constexpr int kImageRows = 2400;    // rows of the reception image
constexpr int kAltFreqs = 10;       // alternative frequencies of a station

// Why the last reception ended inside the line assembler.
enum class FaxEnd { None, StopTone, RowLimit, ScheduledEnd };

class CFaxDecoder {
 public:
  CFaxDecoder(CSoundIn& sc, FaxHost& host);
  CFaxDecoder(const CFaxDecoder&) = delete;
  CFaxDecoder& operator=(const CFaxDecoder&) = delete;

  // Reception start: clears the line store, and unless a reception runs already
  // sets IsReceiving, resets the demodulator and line assembler, creates the
  // black image and takes sskew as the pixel clock. Set ioc and speed first.
  // Returns false (changing nothing else) when a reception already runs.
  bool StartReception(int sskew);
  // Reception end: clears the reception flags and keeps pixy and the image for
  // saving; `piwxSize` becomes `pixy`.
  void FinishReception();

  // One tick of demodulation: drains the capture, demodulates every sample
  // that has arrived and passes full intensity blocks to Process. Returns true
  // when it drained a block or read samples.
  bool PLL();

  // Line assembly of one intensity block; false when no reception runs.
  bool Process(const unsigned char* lpBlock, int nLength);

  // Tunes to the next untried alternative frequency and moves past it.
  void TryAnotherFreq();

  // --- demodulator state ---
  double detect[kHistory] = {};
  double detout[kHistory] = {};
  int circbuffer = 0;
  bool bFilter = false;
  double SampCount = 0;
  double NewPosZero = 0, OldPosZero = 0, NewNegZero = 0, OldNegZero = 0;
  double MaxPeriod = 19, MinPeriod = 6;
  double SampFreq = 22050;
  double NewFreq = 0;
  double NextSamp = 0;
  int skew = kSkewDefault;
  std::string speed = "120";
  unsigned char abIn[kBlock + 1] = {};
  int outsize = 0;
  bool bReady = false;
  CFFT fft;
  double fftB[kHistory] = {};
  int latch = 0;
  int fftc = 0;

  // --- line assembler state ---
  int FaxX = kLineSlots;
  int FaxY = 2400;
  FaxImage m_hDIB;
  size_t p_HoldFax = 0;  // write offset into m_hDIB.pixels
  unsigned int piwxSize = kImageRows;
  unsigned int faxstore[kBlock + 1] = {};
  unsigned long pixx = 0;
  unsigned long pixy = 0;
  int work_speed = 1;
  int work_ioc = 1;
  int wkct = 0;
  bool storescan = true;
  bool WritePixel = false;
  std::string Bandwidth = "PHOTO";
  std::string modulation = "FM";
  int Histogram[256] = {};
  int HistTest = 0;
  int NoiseCount = 0;
  unsigned char lastval = 0;
  int Noise = 0;
  int pixry = 0;
  bool bChangingFreq = false;
  int AltSub = 0, wkAltSub = 0;
  std::string HoldAltFreq[kAltFreqs];
  int holdscore[kAltFreqs] = {};
  int holdsig[kAltFreqs] = {};
  bool AutoStartEngaged = false;
  bool AutoStartReceiving = false;
  bool StartToneDetected = false;
  bool StrictAutostart = true;
  int DelayCount = 0;
  int testcycle = 0;
  bool PhasingSawBlack = false;  // the phasing search has seen black before its white run
  std::string ioc = "576";
  std::string sioc = "NULL";
  bool ishigh = true;
  unsigned int lastct = 0;
  unsigned int lowpass = 500;
  unsigned int highpass = 30;
  bool stoptone = true;
  bool Interupted = false;
  int count2 = 0, count4 = 0;

  bool IsReceiving = false;

  // What happened in the current (or last) reception, for summaries.
  bool StartToneSeen = false;
  bool PhasingFound = false;
  FaxEnd EndReason = FaxEnd::None;

 private:
  // demodulator
  void ResetDemodulator();
  void DemodulateSample(short s);
  double FilterSample(double s);
  void TakeCrossing(double prev, double cur);
  void EmitIntensity();
  void PassBlock();
  void DrawSpectrum();

  // line assembler
  void ResetLineAssembler();
  int RowLimit() const;
  int MapIntensity(unsigned char p) const;
  void UpdateNoise(int s);
  void RetuneDecision();
  int ToneValue(const unsigned char* lpBlock, int nLength, int r) const;
  bool PhasingSearch(const unsigned char* lpBlock, int nLength, int& r);
  void PhasingPulseFound();
  bool AssembleSlot(int s, int limit);
  void WriteImagePixel(unsigned int out);
  void DrawScopeTrace();
  bool EndStoredLine();
  bool EndAveragedLine(int limit);
  struct LineScan {
    int rises = 0, falls = 0, bright = 0, dark = 0;
  };
  bool AnalyseWaitingLine();
  void StartToneHeard();
  LineScan ScanLine();
  bool Is300HzLine(const LineScan& scan) const;
  bool Is675HzLine(const LineScan& scan) const;
  int LinesPerMinute() const;
  double SlotsPerSecond() const;
  void DetectIoc(const LineScan& scan);
  int CountTemplateHits(const double* tmpl, int start = 0) const;
  bool StopToneInLine() const;
  void WriteRepeatRow();
  void EndReception(FaxEnd why);

  CSoundIn& sc;
  FaxHost& host;
};

// Intensity byte of a tone frequency: 255 at 1600 Hz and below, 0 from
// 2396.875 Hz on, 3.125 Hz per step.
unsigned char IntensityOf(double freq);

}  // namespace vt::fax
