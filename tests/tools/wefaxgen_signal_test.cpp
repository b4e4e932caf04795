// The generated fax signal: tone frequencies, phase continuity, line timing, noise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "wefaxgen.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Short sections so each case takes a fraction of a second.
vt::WefaxParams ShortParams(int rate, int lpm, int ioc) {
  vt::WefaxParams p;
  p.sampleRate = rate;
  p.lpm = lpm;
  p.ioc = ioc;
  p.startToneSeconds = 1;
  p.phasingLines = 4;
  p.stopToneSeconds = 1;
  p.blackSeconds = 0.5;
  return p;
}

// Mean frequency over [from, to) from interpolated zero crossings.
double MeanFrequency(const std::vector<float>& s, size_t from, size_t to, int rate) {
  std::vector<double> crossings;
  for (size_t n = from + 1; n < to; ++n)
    if ((s[n - 1] < 0) != (s[n] < 0)) crossings.push_back(n - 1 + s[n - 1] / (s[n - 1] - s[n]));
  if (crossings.size() < 3) return 0;
  const double halfCycles = static_cast<double>(crossings.size() - 1);
  return halfCycles / 2 / (crossings.back() - crossings.front()) * rate;
}

// Frequency of a clean sinusoid at sample n from s[n-1] + s[n+1] = 2 cos(w) s[n];
// unset where the sample is too close to zero to tell.
std::optional<double> FrequencyAt(const std::vector<float>& s, size_t n, double amplitude,
                                  int rate) {
  if (std::fabs(s[n]) < 0.3 * amplitude) return std::nullopt;
  const double c = std::clamp((s[n - 1] + s[n + 1]) / (2.0 * s[n]), -1.0, 1.0);
  return std::acos(c) * rate / (2 * kPi);
}

struct Edges {
  std::vector<size_t> toBlack;
  std::vector<size_t> toWhite;
};

// Samples where the sent level crosses between black and white in [from, to).
Edges FindEdges(const std::vector<float>& s, size_t from, size_t to, const vt::WefaxParams& p,
                double amplitude) {
  const double middle = (p.blackHz + p.whiteHz) / 2;
  Edges edges;
  std::optional<bool> white;
  for (size_t n = std::max<size_t>(from, 1); n < to && n + 1 < s.size(); ++n) {
    const std::optional<double> hz = FrequencyAt(s, n, amplitude, p.sampleRate);
    if (!hz) continue;
    const bool isWhite = *hz > middle;
    if (white && *white != isWhite) (isWhite ? edges.toWhite : edges.toBlack).push_back(n);
    white = isWhite;
  }
  return edges;
}

// Counts black/white switches per second in [from, to).
double SwitchesPerSecond(const std::vector<float>& s, size_t from, size_t to,
                         const vt::WefaxParams& p, double amplitude) {
  const Edges e = FindEdges(s, from, to, p, amplitude);
  return (e.toBlack.size() + e.toWhite.size()) * static_cast<double>(p.sampleRate) / (to - from);
}

struct ToneCase {
  int rate;
  int ioc;
  double blackHz;
  double whiteHz;
  int startToneHz;  // black/white alternations per second
};

class ToneFrequencies : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneFrequencies, StartStopBlackAndWhiteComeOutAsAsked) {
  const ToneCase c = GetParam();
  vt::WefaxParams p = ShortParams(c.rate, 120, c.ioc);
  p.blackHz = c.blackHz;
  p.whiteHz = c.whiteHz;
  const vt::GreyPicture white(300, 120, 255);
  vt::WefaxModulator modulator(white, p);
  const vt::WefaxLayout l = modulator.layout();
  const std::vector<float> s = vt::GenerateWefax(white, p);
  ASSERT_EQ(s.size(), l.end);

  const size_t margin = c.rate / 20;
  EXPECT_NEAR(MeanFrequency(s, l.picture + margin, l.stopTone - margin, c.rate), c.whiteHz, 0.5);
  EXPECT_NEAR(MeanFrequency(s, l.black + margin, l.end, c.rate), c.blackHz, 0.5);
  // A square-wave alternation at F Hz switches 2F times a second.
  const double startSwitches =
      SwitchesPerSecond(s, l.startTone, l.phasing, p, modulator.amplitude());
  EXPECT_NEAR(startSwitches, 2 * c.startToneHz, 0.01 * startSwitches);
  const double stopSwitches = SwitchesPerSecond(s, l.stopTone, l.black, p, modulator.amplitude());
  EXPECT_NEAR(stopSwitches, 2 * 450, 0.01 * stopSwitches);
  // The start tone sweeps the whole black..white swing, not part of it.
  const size_t half = (l.phasing - l.startTone) / 2;
  EXPECT_NEAR(MeanFrequency(s, half, half + c.rate / 4, c.rate), (c.blackHz + c.whiteHz) / 2,
              0.1 * (c.whiteHz - c.blackHz));
}

INSTANTIATE_TEST_SUITE_P(Generator, ToneFrequencies,
                         ::testing::Values(ToneCase{11025, 576, 1500, 2300, 300},
                                           ToneCase{11025, 288, 1500, 2300, 675},
                                           ToneCase{22050, 576, 1600, 2400, 300},
                                           ToneCase{44100, 288, 1500, 2300, 675}),
                         [](const auto& info) {
                           const ToneCase& c = info.param;
                           return "Rate" + std::to_string(c.rate) + "Ioc" + std::to_string(c.ioc) +
                                  "Black" + std::to_string(int(c.blackHz));
                         });

TEST(Generator, PhaseIsContinuousAtEveryLevelChange) {
  for (int rate : {11025, 22050, 44100}) {
    vt::WefaxParams p = ShortParams(rate, 240, 576);
    p.whiteHz = 2800;
    const vt::GreyPicture chart = vt::MakeTestChart(400, 40);
    vt::WefaxModulator modulator(chart, p);
    const std::vector<float> s = vt::GenerateWefax(chart, p);
    // A sine of amplitude A and at most f Hz moves at most 2 A sin(pi f / rate) per sample.
    const double limit = 2 * modulator.amplitude() * std::sin(kPi * p.whiteHz / rate) + 1e-5;
    double largest = 0;
    for (size_t n = 1; n < s.size(); ++n)
      largest = std::max(largest, std::fabs(double(s[n]) - s[n - 1]));
    EXPECT_LE(largest, limit) << "rate " << rate;
    EXPECT_GT(largest, 0.9 * limit) << "rate " << rate;  // white is reached at all
  }
}

struct TimingCase {
  int rate;
  int lpm;
  int ioc;
};

class LineTiming : public ::testing::TestWithParam<TimingCase> {};

// Rows black on the left half, white on the right, after phasing pulses centred
// on the line starts: every edge must fall at its place on the line clock
// phasing + k * rate * 60 / lpm, and each picture row must begin on it.
TEST_P(LineTiming, LinesStartEveryRateTimesSixtyOverLpmSamples) {
  const TimingCase c = GetParam();
  const vt::WefaxParams p = ShortParams(c.rate, c.lpm, c.ioc);
  const int width = vt::PixelsPerLine(c.ioc);  // no resampling blur at the edge
  const int half = width / 2;
  vt::GreyPicture halves(width, 4, 255);
  for (int y = 0; y < halves.height; ++y)
    for (int x = 0; x < half; ++x) halves.at(x, y) = 0;
  vt::WefaxModulator modulator(halves, p);
  const vt::WefaxLayout l = modulator.layout();
  const double spl = c.rate * 60.0 / c.lpm;
  ASSERT_DOUBLE_EQ(l.samplesPerLine, spl);
  ASSERT_EQ(l.phasingLines, 4);
  ASSERT_EQ(l.pictureLines, 4);
  EXPECT_EQ(l.stopTone, l.phasing + static_cast<size_t>(std::ceil(8 * spl)));

  std::vector<double> toWhite, toBlack;  // in lines from the start of phasing
  for (int k = 1; k < 4; ++k) toBlack.push_back(k + 0.025);  // pulse ends
  for (int k = 0; k < 4; ++k) toWhite.push_back(k + 0.975);  // pulse begins
  for (int k = 4; k < 8; ++k) toBlack.push_back(k);          // row begins black
  for (int k = 4; k < 8; ++k) toWhite.push_back(k + double(half) / width);

  const std::vector<float> s = vt::GenerateWefax(halves, p);
  const Edges e = FindEdges(s, l.phasing + static_cast<size_t>(spl / 2), l.stopTone, p,
                            modulator.amplitude());
  ASSERT_EQ(e.toBlack.size(), toBlack.size());
  ASSERT_EQ(e.toWhite.size(), toWhite.size());
  const double tolerance = 3;  // samples; the frequency estimate needs its neighbours
  for (size_t i = 0; i < toBlack.size(); ++i)
    EXPECT_NEAR(double(e.toBlack[i]), l.phasing + toBlack[i] * spl, tolerance)
        << "line " << toBlack[i];
  for (size_t i = 0; i < toWhite.size(); ++i)
    EXPECT_NEAR(double(e.toWhite[i]), l.phasing + toWhite[i] * spl, tolerance)
        << "line " << toWhite[i];
}

INSTANTIATE_TEST_SUITE_P(Generator, LineTiming,
                         ::testing::Values(TimingCase{11025, 120, 576}, TimingCase{11025, 90, 288},
                                           TimingCase{22050, 60, 576}, TimingCase{44100, 240, 288}),
                         [](const auto& info) {
                           const TimingCase& c = info.param;
                           return "Rate" + std::to_string(c.rate) + "Lpm" + std::to_string(c.lpm) +
                                  "Ioc" + std::to_string(c.ioc);
                         });

TEST(Generator, DefaultSectionsLastFiveThirtyFiveAndTenSeconds) {
  vt::WefaxParams p;
  const vt::GreyPicture picture(1809, 10);
  vt::WefaxModulator modulator(picture, p);
  const vt::WefaxLayout& l = modulator.layout();
  EXPECT_EQ(l.phasing, 5u * 11025);
  EXPECT_EQ(l.phasingLines, 60);
  EXPECT_EQ(l.picture - l.phasing, 30u * 11025);
  EXPECT_EQ(l.stopTone - l.picture, 5u * 11025);  // 10 lines at 120 per minute
  EXPECT_EQ(l.black - l.stopTone, 5u * 11025);
  EXPECT_EQ(l.end - l.black, 10u * 11025);
  EXPECT_EQ(vt::PixelsPerLine(576), 1809);
  EXPECT_EQ(vt::PixelsPerLine(288), 904);
}

TEST(Generator, LeadBeforeTheStartToneCarriesNoSignal) {
  vt::WefaxParams p = ShortParams(11025, 120, 576);
  p.leadSeconds = 1.3;
  const vt::GreyPicture picture(100, 2, 0);
  vt::WefaxModulator modulator(picture, p);
  const vt::WefaxLayout& l = modulator.layout();
  EXPECT_EQ(l.startTone, 14333u);
  EXPECT_EQ(l.phasing, l.startTone + 11025);
  const std::vector<float> clean = vt::GenerateWefax(picture, p);
  const auto silent = [](float v) { return v == 0; };
  EXPECT_TRUE(std::all_of(clean.begin(), clean.begin() + l.startTone, silent));
  EXPECT_NE(clean[l.startTone + 2], 0);
  p.snrDb = 20;
  const std::vector<float> noisy = vt::GenerateWefax(picture, p);
  EXPECT_NE(noisy[100], 0);  // the receiver hears noise before the broadcast
}

// Noise power is measured as the difference from the same signal generated clean.
TEST(Generator, NoiseGivesTheAskedSnrInAThreeKilohertzBand) {
  for (int rate : {11025, 44100}) {
    for (double snr : {10.0, 25.0}) {
      vt::WefaxParams p = ShortParams(rate, 120, 576);
      const vt::GreyPicture chart = vt::MakeTestChart(300, 4);
      vt::WefaxModulator clean(chart, p);
      p.snrDb = snr;
      vt::WefaxModulator noisy(chart, p);
      const std::vector<float> a = vt::GenerateWefax(chart, p);
      p.snrDb.reset();
      const std::vector<float> b = vt::GenerateWefax(chart, p);
      ASSERT_EQ(a.size(), b.size());
      const double scale = noisy.amplitude() / clean.amplitude();
      double power = 0, lagged = 0;
      size_t clipped = 0;
      for (size_t n = 0; n < a.size(); ++n) {
        const double noise = a[n] - scale * b[n];
        const double previous = n ? a[n - 1] - scale * b[n - 1] : 0;
        power += noise * noise;
        lagged += noise * previous;
        clipped += std::fabs(a[n]) >= 0.999f;
      }
      const double variance = power / a.size();
      const double inBand = variance * 3000 / (rate / 2.0);
      const double carrier = noisy.amplitude() * noisy.amplitude() / 2;
      EXPECT_NEAR(10 * std::log10(carrier / inBand), snr, 0.2) << rate << " Hz, " << snr << " dB";
      EXPECT_LT(std::fabs(lagged / power), 0.03) << "noise is not white";
      EXPECT_LT(clipped, a.size() / 10000) << "noise clips the recording";
    }
  }
}

TEST(Generator, RefusesParametersItCannotSend) {
  struct Case {
    const char* what;
    void (*change)(vt::WefaxParams&);
  };
  const Case cases[] = {
      {"ioc", [](vt::WefaxParams& p) { p.ioc = 352; }},
      {"lpm", [](vt::WefaxParams& p) { p.lpm = 100; }},
      {"no lpm", [](vt::WefaxParams& p) { p.lpm = 0; }},
      {"rate", [](vt::WefaxParams& p) { p.sampleRate = 8000; }},
      {"white above half the rate", [](vt::WefaxParams& p) { p.whiteHz = 6000; }},
      {"equal tones", [](vt::WefaxParams& p) { p.whiteHz = p.blackHz; }},
      {"negative black tail", [](vt::WefaxParams& p) { p.blackSeconds = -1; }},
      {"negative phasing", [](vt::WefaxParams& p) { p.phasingLines = -2; }},
      {"absurd SNR", [](vt::WefaxParams& p) { p.snrDb = std::nan(""); }},
  };
  EXPECT_EQ(vt::CheckWefaxParams(vt::WefaxParams{}), "");
  for (const Case& c : cases) {
    vt::WefaxParams p;
    c.change(p);
    EXPECT_NE(vt::CheckWefaxParams(p), "") << c.what;
    EXPECT_TRUE(vt::GenerateWefax(vt::GreyPicture(10, 2), p).empty()) << c.what;
  }
}

TEST(Generator, PictureWithoutPixelsSendsTonesOnly) {
  const vt::WefaxParams p = ShortParams(11025, 120, 576);
  vt::GreyPicture broken;
  broken.width = 100;
  broken.height = 50;  // no pixel data behind it
  vt::WefaxModulator modulator(broken, p);
  EXPECT_EQ(modulator.layout().pictureLines, 0);
  EXPECT_EQ(vt::GenerateWefax(broken, p).size(), modulator.layout().end);
}

}  // namespace
