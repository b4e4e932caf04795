// Fax demodulator: intensity map, zero-crossing bounds, pixel clock, FFT.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "fax/faxdecoder.h"
#include "fax/skew.h"
#include "fax_feed.h"

namespace vt::fax {
namespace {

using test::FeedSamples;

struct Chain {
  CSoundIn sc;
  NullFaxHost host;
  CFaxDecoder fax{sc, host};
  Chain() {
    test::ArmRing(sc);
    fax.StartReception(kSkewDefault);
  }
};

TEST(Intensity, MapsToneToByte) {
  const struct {
    double hz;
    int intensity;
  } table[] = {{1000, 255}, {1600, 255}, {1603.125, 254}, {2000, 127},
               {2396.875, 0}, {2400, 0},   {3000, 0}};
  for (const auto& c : table) EXPECT_EQ(IntensityOf(c.hz), c.intensity) << c.hz << " Hz";
}

// A steady tone through ring, filter, crossings and line assembly: the picture
// shows 1600 Hz black, 2000 Hz mid grey and 2400 Hz white.
TEST(Demodulator, SteadyTonesBecomePictureLevels) {
  const struct {
    double hz;
    int pixel;
  } table[] = {{1600, 0}, {2000, 128}, {2400, 255}};
  for (bool filter : {false, true}) {
    for (const auto& c : table) {
      Chain chain;
      chain.fax.bFilter = filter;
      FeedSamples(chain.sc, chain.fax, test::SteadyTone(c.hz, 22050 * 4));
      ASSERT_GE(chain.fax.pixy, 3u);
      EXPECT_NEAR(chain.fax.NewFreq, c.hz, 2.0) << "filter " << filter;
      for (int x : {0, 640, 1279}) {
        EXPECT_NEAR(chain.fax.m_hDIB.Row(1)[x], c.pixel, 1) << c.hz << " Hz, filter " << filter;
      }
    }
  }
}

// Repeats one period of a waveform whose zero crossings fall on whole samples.
std::vector<short> ExactPeriod(int period, int repeats) {
  std::vector<short> one(period, -1000);
  one[1] = 0;
  for (int i = 2; i < period / 2 + 1; ++i) one[i] = 1000;
  one[period / 2 + 1] = 0;
  // A quiet start, so that the first crossings (measured from position 0) lie
  // outside the accepted range too.
  std::vector<short> out(40, -1000);
  for (int r = 0; r < repeats; ++r) out.insert(out.end(), one.begin(), one.end());
  return out;
}

TEST(Demodulator, CrossingPeriodBoundsAreStrict) {
  const struct {
    int period;
    bool accepted;
  } table[] = {{6, false}, {7, true}, {18, true}, {19, false}};
  for (const auto& c : table) {
    Chain chain;
    chain.fax.NewFreq = 1234;
    FeedSamples(chain.sc, chain.fax, ExactPeriod(c.period, 200));
    const double expected = c.accepted ? 22050.0 / c.period : 1234;
    EXPECT_DOUBLE_EQ(chain.fax.NewFreq, expected) << "period " << c.period;
  }
}

TEST(Demodulator, PixelClockFollowsSpeed) {
  // Intensities taken from half a second of signal (fewer than one block).
  const struct {
    const char* speed;
    int intensities;
  } table[] = {{"60", 641}, {"90", 961}, {"120", 1281}, {"240", 1281}};
  for (const auto& c : table) {
    Chain chain;
    chain.fax.speed = c.speed;
    FeedSamples(chain.sc, chain.fax, test::SteadyTone(2000, 11025));
    EXPECT_NEAR(chain.fax.outsize, c.intensities, 1) << c.speed;
  }
}

TEST(Demodulator, SkewStepsAndRange) {
  EXPECT_EQ(SkewToK(kSkewDefault), 128);
  EXPECT_EQ(SkewToK(kSkewLow), 0);
  EXPECT_EQ(SkewToK(kSkewHigh), 256);
  EXPECT_EQ(SkewLeft(kSkewHigh), kSkewHigh);
  EXPECT_EQ(SkewRight(kSkewLow), kSkewLow);
  EXPECT_EQ(SkewLeft(kSkewDefault), kSkewDefault + 20);
  EXPECT_EQ(SkewRight(kSkewDefault), kSkewDefault - 20);
  EXPECT_EQ(KToSkew(128), kSkewDefault);
  // 2560 intensities per second at the default.
  EXPECT_NEAR(22050.0 / (kSkewDefault / 1e6), 2560.0, 0.001);
}

// Silence, noise and tones outside the accepted range: the chain keeps
// producing rows, stays finite and never writes outside the image.
TEST(Demodulator, BadSignalsKeepTheChainSane) {
  std::mt19937 rng(7);
  std::normal_distribution<double> gauss(0, 8000);
  std::vector<short> noise(22050 * 6);
  for (short& s : noise) s = static_cast<short>(std::clamp(gauss(rng), -32768.0, 32767.0));
  const std::vector<std::vector<short>> inputs = {
      std::vector<short>(22050 * 6, 0), noise, test::SteadyTone(800, 22050 * 6),
      test::SteadyTone(4500, 22050 * 6), std::vector<short>(22050 * 6, 32767)};
  for (size_t k = 0; k < inputs.size(); ++k) {
    for (bool filter : {false, true}) {
      Chain chain;
      chain.fax.bFilter = filter;
      FeedSamples(chain.sc, chain.fax, inputs[k]);
      EXPECT_TRUE(chain.fax.IsReceiving) << k;
      EXPECT_GT(chain.fax.pixy, 5u) << k;
      EXPECT_LE(chain.fax.p_HoldFax, chain.fax.m_hDIB.pixels.size());
      for (int i = 0; i < kHistory; ++i) ASSERT_TRUE(std::isfinite(chain.fax.detout[i])) << k;
    }
  }
}

// The "Frequency" display: a transform every second block, bars of 21.5 Hz.
TEST(Demodulator, SpectrumShowsTheTone) {
  CSoundIn sc;
  test::RecordingHost host;
  host.frequencyVisible = true;
  CFaxDecoder fax(sc, host);
  test::ArmRing(sc);
  fax.StartReception(kSkewDefault);
  FeedSamples(sc, fax, test::SteadyTone(2000, 22050 * 3));
  ASSERT_EQ(host.spectra.size(), 3u);
  const std::vector<int>& bars = host.spectra[1];  // after the first transform
  ASSERT_EQ(bars.size(), 199u);
  const int peak = static_cast<int>(std::max_element(bars.begin(), bars.end()) - bars.begin());
  EXPECT_NEAR((peak + 1) * 22050.0 / 1024, 2000, 25);
  EXPECT_GT(bars[peak], 5);
}

TEST(Fft, FindsToneAndGuardsArguments) {
  CFFT fft;
  std::vector<double> in(1024);
  for (int i = 0; i < 1024; ++i) in[i] = std::cos(2 * M_PI * 100 * i / 1024);
  fft.DoFFT(in.data(), 1024);
  EXPECT_NEAR(std::hypot(fft.RealBOut[100], fft.ImagBOut[100]), 512, 1e-6);
  EXPECT_NEAR(std::hypot(fft.RealBOut[99], fft.ImagBOut[99]), 0, 1e-6);

  // Inverse of the forward transform gives the input back.
  std::vector<double> re(1024), im(1024);
  fft.fft_double(1024, 1, fft.RealBOut, fft.ImagBOut, re.data(), im.data());
  for (int i = 0; i < 1024; i += 97) EXPECT_NEAR(re[i], in[i], 1e-9);

  testing::internal::CaptureStderr();
  fft.RealBOut[0] = 42;
  fft.fft_double(1000, 0, in.data(), nullptr, fft.RealBOut, fft.ImagBOut);
  fft.fft_double(1024, 0, nullptr, nullptr, fft.RealBOut, fft.ImagBOut);
  fft.fft_double(1024, 0, in.data(), nullptr, fft.RealBOut, nullptr);
  fft.DoFFT(in.data(), 2 * kFftSize);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(fft.RealBOut[0], 42);
  EXPECT_NE(err.find("Error in fft():  NumSamples=1000 is not power of two\n"), std::string::npos);
  EXPECT_NE(err.find("Error in fft_double():  RealIn == 0\n"), std::string::npos);
  EXPECT_NE(err.find("Error in fft_double():  ImagOut == 0\n"), std::string::npos);
}

}  // namespace
}  // namespace vt::fax
