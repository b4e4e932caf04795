// Line assembler: cuts the intensity stream into lines, finds start tone,
// phasing and stop tone, averages and selects lines by IOC and writes rows.
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <ctime>

#include "app/clock.h"
#include "fax/faxdecoder.h"

namespace vt::fax {

namespace {

constexpr int kTemplateLength = 80;
constexpr double kTemplateThreshold = 1280 + 400;
constexpr int kPhasingWindow = 1999;     // the search only looks at the first 2000 positions
constexpr int kStartDelay = 1280 * 6;    // intensities after a start tone before the search
constexpr int kStrictGiveUp = 1280 * 10;

using Template = std::array<double, kTemplateLength>;

// sin(2 pi (i + 1) / period) for i = 0..79; period in slots.
Template MakeTemplate(double period) {
  Template t{};
  for (int i = 0; i < kTemplateLength; ++i) t[i] = std::sin(2 * M_PI * (i + 1) / period);
  return t;
}

constexpr double kStartToneHz = 300;  // IOC 576
constexpr double kStopToneHz = 450;

std::string ClockText(std::time_t t) {
  char buf[32];
  std::tm tmv{};
  localtime_r(&t, &tmv);
  std::strftime(buf, sizeof buf, "%H-%M-%S", &tmv);
  return buf;
}

}  // namespace

bool CFaxDecoder::StartReception(int sskew) {
  std::fill(faxstore, faxstore + kLineSlots, 0u);
  if (IsReceiving) return false;
  IsReceiving = true;
  Interupted = false;
  latch = count2 = count4 = 0;
  work_ioc = (ioc == "288" || ioc == "AUT") ? 0 : 1;
  work_speed = speed == "240" ? 2 : 1;
  wkct = 0;
  pixx = pixy = 0;
  ResetDemodulator();
  m_hDIB.Create(kLineSlots, kImageRows);
  piwxSize = kImageRows;
  p_HoldFax = 0;
  skew = sskew;
  ResetLineAssembler();
  return true;
}

// State that would otherwise carry a half-finished line or phasing count from
// the previous reception into this one.
void CFaxDecoder::ResetLineAssembler() {
  storescan = true;
  WritePixel = false;
  testcycle = 0;
  DelayCount = 0;
  sioc = "NULL";
  StartToneSeen = false;
  PhasingFound = false;
  EndReason = FaxEnd::None;
}

void CFaxDecoder::FinishReception() {
  IsReceiving = false;
  StartToneDetected = false;
  AutoStartEngaged = false;
  AutoStartReceiving = false;
  piwxSize = static_cast<unsigned int>(pixy);
}

void CFaxDecoder::EndReception(FaxEnd why) {
  EndReason = why;
  host.TerminateReception();
  if (IsReceiving) FinishReception();
}

void CFaxDecoder::TryAnotherFreq() {
  if (!host.RadioActive()) return;
  if (wkAltSub < 0 || wkAltSub >= std::min(AltSub, kAltFreqs)) return;
  host.SetFreq(HoldAltFreq[wkAltSub]);
  wkAltSub += 1;
}

bool CFaxDecoder::Process(const unsigned char* lpBlock, int nLength) {
  if (!IsReceiving) return false;
  if (AutoStartEngaged) host.ScopeShowStrip();
  const int limit = RowLimit();
  for (int r = 0; r < nLength; ++r) {
    const int s = MapIntensity(lpBlock[r]);
    UpdateNoise(s);
    if (!StrictAutostart) {
      DelayCount = kStartDelay + 1;
    } else if (DelayCount < INT_MAX) {
      DelayCount += 1;
    }
    if (StartToneDetected && r <= kPhasingWindow && DelayCount > kStartDelay) {
      if (!PhasingSearch(lpBlock, nLength, r)) break;
      continue;
    }
    if (!AssembleSlot(s, limit)) break;
  }
  return true;
}

int CFaxDecoder::RowLimit() const {
  float limit = static_cast<int>((piwxSize + piwxSize / 4) / 1280.0f * 800);
  if (host.TimerCapture()) {
    const float perMinute = ioc == "576" || (ioc != "288" && sioc == "576") ? 40 : 60;
    limit = host.ActiveDuration() * perMinute;
  }
  // Any duration beyond the image ends at the image's last row anyway.
  return static_cast<int>(std::clamp(limit * 1.25f, -1.0f, 1e7f));
}

int CFaxDecoder::MapIntensity(unsigned char p) const {
  if (Bandwidth == "PHOTO") return p;
  const int u = 255 - p;
  int w;
  if (modulation == "FM" || modulation == "TP") {
    w = u >= 128 ? 2 * (u - 128) : 0;
  } else {
    w = u > 128 ? 255 : static_cast<unsigned char>(2 * (u - 128));
  }
  return 255 - w;
}

void CFaxDecoder::UpdateNoise(int s) {
  Histogram[s] += 1;
  HistTest += 1;
  if ((lastval <= 49 && s > 200) || (lastval > 200 && s <= 199)) NoiseCount += 1;
  lastval = static_cast<unsigned char>(s);

  if (host.RadioActive() && pixry > 6 && pixry <= 10 && host.NewTimerActive() && HistTest > 1280 &&
      host.AutoTune()) {
    RetuneDecision();
  } else if (HistTest > 1280) {
    Noise = NoiseCount;
    NoiseCount = 0;
    HistTest = 0;
    pixry += 1;
    std::fill(Histogram, Histogram + 256, 0);
  }
}

void CFaxDecoder::RetuneDecision() {
  Noise = NoiseCount;
  const bool untried = wkAltSub >= 0 && wkAltSub < std::min(AltSub, kAltFreqs);
  if (untried && (NoiseCount > 150 || (bChangingFreq && NoiseCount > 50))) {
    if (host.SigStr() > 30) NoiseCount /= 2;
    holdscore[wkAltSub] = NoiseCount;
    holdsig[wkAltSub] = host.SigStr();
    TryAnotherFreq();
    bChangingFreq = true;
    pixry = -5;
  } else if (bChangingFreq && NoiseCount > 50) {
    host.RetuneToSelectedFrequency();  // every alternative has been tried
  }
  pixry += 1;
  std::fill(Histogram, Histogram + 256, 0);
  NoiseCount = 0;
  HistTest = 0;
}

// G(r): high while the pair is darker than near-white, 0 for white.
int CFaxDecoder::ToneValue(const unsigned char* lpBlock, int nLength, int r) const {
  const int a = lpBlock[r];
  const int b = r + 1 < nLength ? lpBlock[r + 1] : 0;
  int v = 256 * a + b;
  v = v <= 826 ? 0 : v - 827;
  const float x = std::min(v / 400.0f * 255.0f, 255.0f);
  return static_cast<int>(x);
}

// Looks for the white phasing pulse; false when the block is used up.
bool CFaxDecoder::PhasingSearch(const unsigned char* lpBlock, int nLength, int& r) {
  sioc = "NULL";
  // A search that begins inside a white run skips it: counting its remainder
  // would put the line start anywhere in the pulse.
  while (r < nLength) {
    const bool white = ToneValue(lpBlock, nLength, r) <= 80;
    if (white && PhasingSawBlack) break;
    if (!white) PhasingSawBlack = true;
    r += 2;
  }
  if (r >= nLength) return false;
  while (ToneValue(lpBlock, nLength, r) < 81 && testcycle <= 20) {
    testcycle += 1;
    r += 2;
    if (r > nLength - 1) return false;  // the count carries into the next block
  }
  if ((StrictAutostart && testcycle > 15) || testcycle > 20) {
    PhasingPulseFound();
  } else if (!StrictAutostart || DelayCount > kStrictGiveUp) {
    testcycle = 0;
    StartToneDetected = false;
  }
  return true;
}

void CFaxDecoder::PhasingPulseFound() {
  StartToneDetected = false;
  AutoStartEngaged = false;
  PhasingFound = true;
  pixx = 0;
  // A line already begun in the image is dropped, so rows stay whole.
  p_HoldFax -= p_HoldFax % static_cast<size_t>(kLineSlots);
  host.ScopeRestoreSize();
}

// One intensity into the current line; false when the reception ended.
bool CFaxDecoder::AssembleSlot(int s, int limit) {
  unsigned int out = 255 - s;
  if (storescan) {
    faxstore[pixx] = out;
    const bool write =
        WritePixel && (!AutoStartEngaged || AutoStartReceiving) && work_speed != 2;
    for (int l = 0; l < work_speed; ++l) {
      if (write) WriteImagePixel(out);
      faxstore[pixx + l] = out;
    }
    if (wkct == 0 && host.ScopeVisible()) DrawScopeTrace();
  } else {
    out = (out + faxstore[pixx]) / 2;
    faxstore[pixx] = out;
    for (int l = 0; l < work_speed; ++l) WriteImagePixel(out);
  }
  pixx += work_speed;
  if (pixx <= kLineSlots - 1) return true;
  pixx = 0;
  return storescan ? EndStoredLine() : EndAveragedLine(limit);
}

void CFaxDecoder::WriteImagePixel(unsigned int out) {
  if (p_HoldFax >= m_hDIB.pixels.size()) return;  // the image is full
  m_hDIB.pixels[p_HoldFax++] = static_cast<unsigned char>(out);
}

void CFaxDecoder::DrawScopeTrace() {
  if (pixx == 0) {
    count4 = 0;
    if (++count2 > 1) {
      count2 = 0;
      host.ScopeClearStrip();
    }
    return;
  }
  if (++count4 > 3 && pixx >= 4) {
    const int x1 = static_cast<int>((pixx - 4) / 4);
    const int y1 = static_cast<int>((255 - faxstore[pixx - 4]) / 8);
    host.ScopeLine(x1, y1, static_cast<int>(pixx / 4), static_cast<int>((255 - faxstore[pixx]) / 8));
    count4 = 0;
  }
}

bool CFaxDecoder::EndStoredLine() {
  if (WritePixel) {
    WritePixel = false;
    // At 240 lines per minute the stored line is not written: not a row.
    if (work_speed != 2) pixy += 1;
    pixry += 1;
    const int w = host.ScopeClientWidth();
    if (w > 0) {
      host.ScopeDrawPicture(m_hDIB.pixels.data(), m_hDIB.width, m_hDIB.height, w, FaxY / 4 * w / 320);
    }
  }
  if (AutoStartEngaged && !AutoStartReceiving) return AnalyseWaitingLine();
  wkct += 1;
  if (wkct > work_ioc) storescan = false;
  return true;
}

bool CFaxDecoder::EndAveragedLine(int limit) {
  const bool stopHeard = stoptone && StopToneInLine();
  if (stopHeard) limit = 2;
  wkct = 0;
  pixy += 1;
  if (pixy > piwxSize - 2 || static_cast<long>(pixy) > static_cast<long>(limit) - 2) {
    EndReception(stopHeard ? FaxEnd::StopTone : FaxEnd::RowLimit);
    return false;
  }
  WritePixel = true;
  storescan = true;
  if (work_ioc == 0 || ioc == "288") {
    WriteRepeatRow();
    pixy += 1;
  }
  return true;
}

// IOC 288: the line store once more as the next row.
void CFaxDecoder::WriteRepeatRow() {
  const bool write = (!AutoStartEngaged || AutoStartReceiving) && work_speed != 2;
  if (!write) return;
  for (int x = 0; x < kLineSlots; ++x) WriteImagePixel(faxstore[x]);
}

// The stop template at the line start alone also matches the second harmonic
// of text-like blocks about 11 slots apart. A stop tone fills the whole line,
// so it must be heard at each quarter of the line.
bool CFaxDecoder::StopToneInLine() const {
  const Template stop = MakeTemplate(SlotsPerSecond() / kStopToneHz);
  for (int start = 0; start < kLineSlots; start += kLineSlots / 4) {
    if (CountTemplateHits(stop.data(), start) <= 15) return false;
  }
  return true;
}

// Offsets j = 0..79 from start at which the template's correlation with the
// line store exceeds the threshold.
int CFaxDecoder::CountTemplateHits(const double* tmpl, int start) const {
  int hits = 0;
  for (int j = start; j < start + kTemplateLength; ++j) {
    double sum = 0;
    for (int i = 0; i < kTemplateLength; ++i) sum += tmpl[i] * (static_cast<double>(faxstore[j + i]) - 127);
    if (sum > kTemplateThreshold) hits += 1;
  }
  return hits;
}

// A stored line while waiting for an automatic start; false when the wait ended.
bool CFaxDecoder::AnalyseWaitingLine() {
  if (host.NewTimerActive() && vt::Now() > host.OldEndTime()) {
    Interupted = true;
    EndReception(FaxEnd::ScheduledEnd);
    return false;
  }
  if (CountTemplateHits(MakeTemplate(SlotsPerSecond() / kStartToneHz).data()) > 20) StartToneHeard();
  if (host.NewTimerActive()) {
    host.ScopeTimerText(ClockText(vt::Now()) + " " + ClockText(host.OldEndTime()) + " ");
  }
  const LineScan scan = ScanLine();
  const bool phasingLine =
      scan.dark > lowpass * 1280 / 800.0f && scan.bright > highpass * 1280 / 800.0f;
  testcycle = phasingLine ? testcycle + 1 : 0;
  if (!StrictAutostart && testcycle > 2) {
    if (!StartToneDetected) PhasingSawBlack = false;
    StartToneDetected = true;
    AutoStartReceiving = true;
  }
  // The IOC 288 start tone (675 Hz) is too fast for the template; its level
  // changes give it away, by the same rule the IOC detection uses.
  if (Is675HzLine(scan)) StartToneHeard();
  if (ioc == "AUT") DetectIoc(scan);
  return true;
}

void CFaxDecoder::StartToneHeard() {
  StartToneDetected = true;
  PhasingSawBlack = false;
  StartToneSeen = true;
  DelayCount = 0;
}

// The level-change bounds are set for the 150 and 337 cycles a 120 lines-per-
// minute line holds; a line of another speed lasts 120 / lpm times as long.
bool CFaxDecoder::Is300HzLine(const LineScan& scan) const {
  const double k = 120.0 / LinesPerMinute();
  return scan.rises > 90 * k && scan.falls <= 189 * k;
}
bool CFaxDecoder::Is675HzLine(const LineScan& scan) const {
  const double k = 120.0 / LinesPerMinute();
  return !Is300HzLine(scan) && scan.rises > 260 * k && scan.falls <= 339 * k;
}

// The templates and bounds describe tones in hertz; the line store holds
// 1280 slots per line whatever the speed (two per intensity at 240).
int CFaxDecoder::LinesPerMinute() const {
  for (int lpm : {60, 90, 240}) {
    if (speed == std::to_string(lpm)) return lpm;
  }
  return 120;
}
double CFaxDecoder::SlotsPerSecond() const { return kLineSlots * LinesPerMinute() / 60.0; }

// Counts level rises and falls and bright and dark pairs over the line store,
// carrying the last values into the next line.
CFaxDecoder::LineScan CFaxDecoder::ScanLine() {
  LineScan scan;
  unsigned int prev2 = lastct;
  for (int i = 0; i < kLineSlots; ++i) {
    const unsigned int v = faxstore[i];
    if (v > 140 && (lastct <= 79 || prev2 <= 79) && !ishigh) {
      scan.rises += 1;
      ishigh = true;
    }
    if (v <= 79 && (lastct > 140 || prev2 > 140) && ishigh) {
      scan.falls += 1;
      ishigh = false;
    }
    if (v > 180 && lastct > 180) scan.bright += 1;
    if (v <= 69 && lastct <= 49) scan.dark += 1;
    prev2 = lastct;
    lastct = v;
  }
  return scan;
}

// Two consecutive lines of the same kind set the IOC.
void CFaxDecoder::DetectIoc(const LineScan& scan) {
  if (Is300HzLine(scan)) {
    if (sioc == "576") {
      work_ioc = 1;
    } else {
      sioc = "576";
    }
  } else if (Is675HzLine(scan)) {
    if (sioc == "288") {
      work_ioc = 0;
    } else {
      sioc = "288";
    }
  } else {
    sioc = "NULL";
  }
}

}  // namespace vt::fax
