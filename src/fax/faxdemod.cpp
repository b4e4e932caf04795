// Fax demodulator: band-pass filter, zero-crossing frequency, pixel clock and
// intensity mapping, and the "Frequency" spectrum display.
#include <algorithm>
#include <cmath>

#include "fax/faxdecoder.h"

namespace vt::fax {

namespace {

constexpr int kMask = kHistory - 1;

// 12th-order band-pass, about 1350 to 2700 Hz at 22050 samples per second.
constexpr double kB[13] = {0.01134000649107,  -0.09650041080431, 0.39707617752693,
                           -1.04932677644585, 1.99204668108408,  -2.87298577787357,
                           3.23670396452781,  -2.87298577787408, 1.9920466810847,
                           -1.04932677644635, 0.39707617752715,  -0.09650041080437,
                           0.01134000649108};
constexpr double kA[13] = {1.0,
                           -9.364703033504,
                           41.660957491369,
                           -116.114829800827,
                           225.444171159817,
                           -320.892195461822,
                           343.14621675499,
                           -277.710017017218,
                           168.84808763086,
                           -75.259920649495,
                           23.369129166453,
                           -4.547045209013,
                           0.42052547588};

constexpr int kSpectrumBars = 199;

}  // namespace

unsigned char IntensityOf(double freq) {
  double v = (freq - 1600.0) / 3.125;
  v = std::clamp(v, 0.0, 255.0);
  return static_cast<unsigned char>(255.0 - v);
}

CFaxDecoder::CFaxDecoder(CSoundIn& sound, FaxHost& faxHost) : sc(sound), host(faxHost) {}

void CFaxDecoder::ResetDemodulator() {
  circbuffer = 0;
  NextSamp = SampCount = 0;
  NewPosZero = OldPosZero = NewNegZero = OldNegZero = 0;
  MaxPeriod = 19;
  MinPeriod = 6;
  SampFreq = 22050;
  bReady = false;
  outsize = 0;
  latch = 0;
  std::fill(detect, detect + 200, 0.0);
  std::fill(detout, detout + 200, 0.0);
}

bool CFaxDecoder::PLL() {
  bool worked = false;
  while (IsReceiving) {
    if (sc.CheckBuffers()) {
      bReady = true;  // read at the next tick
      return true;
    }
    if (!bReady) return worked;
    short s;
    if (!sc.ReadSample(s)) return worked;
    worked = true;
    DemodulateSample(s);
    if (outsize > kBlock - 1) PassBlock();
  }
  return worked;
}

double CFaxDecoder::FilterSample(double s) {
  detect[circbuffer] = s;
  double y = kB[0] * s;
  for (int k = 1; k <= 12; ++k) {
    const int j = (circbuffer - k) & kMask;
    y += kB[k] * detect[j] - kA[k] * detout[j];
  }
  detout[circbuffer] = y;
  return y;
}

void CFaxDecoder::DemodulateSample(short s) {
  FilterSample(s);
  const double* x = bFilter ? detout : detect;
  const double prev = x[(circbuffer - 1) & kMask];
  const double cur = x[circbuffer];
  SampCount += 1;
  TakeCrossing(prev, cur);
  if (SampCount > NextSamp) EmitIntensity();
  circbuffer = (circbuffer + 1) & kMask;
}

void CFaxDecoder::TakeCrossing(double prev, double cur) {
  double* newZero;
  double* oldZero;
  if (prev < 0 && cur >= 0) {
    newZero = &NewPosZero;
    oldZero = &OldPosZero;
  } else if (prev > 0 && cur <= 0) {
    newZero = &NewNegZero;
    oldZero = &OldNegZero;
  } else {
    return;
  }
  *oldZero = *newZero;
  *newZero = SampCount - prev / (cur - prev);
  const double period = *newZero - *oldZero;
  if (period > MinPeriod && period < MaxPeriod) NewFreq = SampFreq / period;
}

void CFaxDecoder::EmitIntensity() {
  abIn[outsize++] = IntensityOf(NewFreq);
  float step = static_cast<float>(skew);
  if (speed == "60") {
    step *= 2;
  } else if (speed == "90") {
    step = step * 4 / 3;
  }
  NextSamp += static_cast<double>(step) / 1000000.0;
}

void CFaxDecoder::PassBlock() {
  Process(abIn, kBlock);
  outsize = 0;
  if (IsReceiving) DrawSpectrum();
}

void CFaxDecoder::DrawSpectrum() {
  latch += 1;
  const bool visible = host.FrequencyVisible();
  if (latch > 1) {
    // The transform only feeds the display: skipped while nobody sees it.
    if (visible) {
      for (int i = 0; i < kHistory; ++i) fftB[i] = detect[(circbuffer - i) & kMask];
      fft.DoFFT(fftB, kHistory);
    }
    latch = 0;
  }
  if (!visible) return;
  int heights[kSpectrumBars];
  for (int i = 1; i <= kSpectrumBars; ++i) {
    const double re = fft.RealBOut[16 * i];
    const double im = fft.ImagBOut[16 * i];
    heights[i - 1] = static_cast<int>(std::sqrt(re * re + im * im) * 0.000005);
  }
  host.DrawSpectrum(heights, kSpectrumBars);
}

}  // namespace vt::fax
