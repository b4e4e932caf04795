#include <gtest/gtest.h>

#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "capture/audiofile.h"
#include "capture/wxSoundInGTK.h"
#include "test_support.h"

namespace {

using vt::test::MessageRecorder;
using vt::test::TempDir;

constexpr double kPi = 3.14159265358979323846;

// Writes interleaved 16-bit samples with libsndfile; format is e.g. SF_FORMAT_WAV.
std::string WriteRecording(const TempDir& dir, const std::string& name, int rate, int channels,
                           const std::vector<short>& interleaved, int format = SF_FORMAT_WAV) {
  const std::string path = dir.file(name);
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  EXPECT_NE(f, nullptr) << sf_strerror(nullptr);
  if (f == nullptr) return path;
  sf_writef_short(f, interleaved.data(), static_cast<sf_count_t>(interleaved.size() / channels));
  sf_close(f);
  return path;
}

std::vector<short> Tone(double hz, int rate, int count, double amplitude = 16000) {
  std::vector<short> s(count);
  for (int i = 0; i < count; ++i)
    s[i] = static_cast<short>(std::lrint(amplitude * std::sin(2 * kPi * hz * i / rate)));
  return s;
}

// Opens the capture on the recording at unlimited pace and reads until it ends.
std::vector<short> CaptureAll(CSoundIn& sc) {
  std::vector<short> got;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!sc.SourceFinished() && std::chrono::steady_clock::now() < giveUp) {
    if (!sc.CheckBuffers()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    short s;
    while (sc.ReadSample(s)) got.push_back(s);
  }
  EXPECT_TRUE(sc.SourceFinished());
  return got;
}

// Amplitude of the hz component (Goertzel) over samples [from, to).
double Amplitude(const std::vector<short>& s, double hz, size_t from, size_t to) {
  double re = 0, im = 0;
  for (size_t i = from; i < to; ++i) {
    re += s[i] * std::cos(2 * kPi * hz * i / kRecordingRate);
    im += s[i] * std::sin(2 * kPi * hz * i / kRecordingRate);
  }
  return 2 * std::hypot(re, im) / static_cast<double>(to - from);
}

// Frequency from rising zero crossings over samples [from, to).
double ZeroCrossingHz(const std::vector<short>& s, size_t from, size_t to) {
  double first = -1, last = -1;
  int crossings = 0;
  for (size_t i = from + 1; i < to; ++i) {
    if (s[i - 1] < 0 && s[i] >= 0) {
      const double at = (i - 1) + static_cast<double>(-s[i - 1]) / (s[i] - s[i - 1]);
      if (first < 0) first = at;
      else ++crossings;
      last = at;
    }
  }
  return crossings * kRecordingRate / (last - first);
}

TEST(Recording, CaptureDeliversExactlyTheSamplesOfA22050HzRecording) {
  struct Case {
    const char* what;
    int format;
    int length;
  };
  // 470000 samples pass the ring's wrap and end with a short block.
  const std::vector<Case> cases = {
      {"WAV, longer than the ring", SF_FORMAT_WAV, 470000},
      {"FLAC", SF_FORMAT_FLAC, 50000},
      {"exactly one block", SF_FORMAT_WAV, kFramesPerBlock / 2},
      {"empty", SF_FORMAT_WAV, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<short> samples(c.length);
    for (int i = 0; i < c.length; ++i) samples[i] = static_cast<short>((i * 40503L + 7) & 0xFFFF);
    if (c.length > 2) {
      samples[0] = -32768;
      samples[1] = 32767;
    }
    TempDir dir;
    const std::string path = WriteRecording(dir, "rec", 22050, 1, samples, c.format);
    MessageRecorder messages;
    CSoundIn sc;
    sc.SetAudioFile(path, 0, false);
    ASSERT_TRUE(sc.Open());
    EXPECT_EQ(CaptureAll(sc), samples);
    sc.Close();
    EXPECT_TRUE(messages.texts.empty());
  }
}

TEST(Recording, StereoAt44100HzGivesTheLeftChannelAt22050Hz) {
  std::vector<short> left = Tone(1000, 44100, 3 * 44100);
  std::vector<short> right = Tone(3000, 44100, 3 * 44100);
  std::vector<short> interleaved;
  for (size_t i = 0; i < left.size(); ++i) {
    interleaved.push_back(left[i]);
    interleaved.push_back(right[i]);
  }
  TempDir dir;
  const std::string path = WriteRecording(dir, "stereo.wav", 44100, 2, interleaved);

  std::vector<short> direct;
  std::string error;
  ASSERT_TRUE(ReadRecording(path, 0, direct, error)) << error;
  EXPECT_NEAR(static_cast<double>(direct.size()), 3 * 22050, 2);
  const size_t from = 2000, to = direct.size() - 2000;
  EXPECT_NEAR(Amplitude(direct, 1000, from, to), 16000, 160);
  EXPECT_LT(Amplitude(direct, 3000, from, to), 16);

  CSoundIn sc;
  sc.SetAudioFile(path, 0, false);
  ASSERT_TRUE(sc.Open());
  EXPECT_EQ(CaptureAll(sc), direct) << "the capture carries the converted signal unchanged";
}

TEST(Recording, ShiftMovesAToneBySingleSideband) {
  struct Case {
    double shift;
    double expectHz;
  };
  const std::vector<Case> cases = {{100, 2000}, {-100, 1800}, {0, 1900}};
  TempDir dir;
  const std::vector<short> tone = Tone(1900, 22050, 2 * 22050);
  const std::string path = WriteRecording(dir, "tone.wav", 22050, 1, tone);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shift);
    std::vector<short> out;
    std::string error;
    ASSERT_TRUE(ReadRecording(path, c.shift, out, error)) << error;
    ASSERT_EQ(out.size(), tone.size());
    const size_t from = 4000, to = out.size() - 4000;
    EXPECT_NEAR(ZeroCrossingHz(out, from, to), c.expectHz, 0.5);
    EXPECT_NEAR(Amplitude(out, c.expectHz, from, to), 16000, 160);
    // The mirror image (the other sideband) is suppressed.
    if (c.shift != 0) {
      EXPECT_LT(Amplitude(out, 1900 - c.shift, from, to), 160);
    }
  }
}

// A canonical WAV header for 16-bit mono PCM at `rate`, followed by `samples` zeros.
std::string WavBytes(uint32_t rate, uint32_t samples) {
  std::string b;
  auto u32 = [&b](uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&b](uint16_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
  };
  b += "RIFF";
  u32(36 + 2 * samples);
  b += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  b += "data";
  u32(2 * samples);
  b.append(2 * samples, '\0');
  return b;
}

TEST(Recording, UnreadableFileGivesAMessageAndNoReception) {
  TempDir dir;
  struct Case {
    const char* what;
    std::string path;
    const char* reason;  // part of the message after the path, when known
  };
  const std::vector<Case> cases = {
      {"missing", dir.file("absent.wav"), nullptr},
      {"not audio", dir.write("notes.wav", "these are words, not sound\n"), nullptr},
      {"empty file", dir.write("empty.wav", ""), nullptr},
      {"truncated header", dir.write("short.wav", WavBytes(22050, 100).substr(0, 20)), nullptr},
      {"absurd sample rate", dir.write("rate.wav", WavBytes(1, 100)),
       "unsupported sample rate 1 Hz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MessageRecorder messages;
    CSoundIn sc;
    sc.SetAudioFile(c.path, 0, false);
    EXPECT_FALSE(sc.Open());
    ASSERT_EQ(messages.texts.size(), 1u);
    const std::string prefix = "Cannot read recording " + c.path + ": ";
    EXPECT_EQ(messages.texts[0].substr(0, prefix.size()), prefix);
    EXPECT_GT(messages.texts[0].size(), prefix.size());
    if (c.reason != nullptr) {
      EXPECT_EQ(messages.texts[0], prefix + c.reason);
    }
    EXPECT_FALSE(sc.CheckBuffers());
    EXPECT_FALSE(sc.SampleAvailable());
    EXPECT_FALSE(sc.SourceFinished());
    sc.Close();
  }
}

TEST(Recording, RealTimePaceDeliversTheFirstBlockAndCloseStopsThePlayer) {
  TempDir dir;
  const std::string path = WriteRecording(dir, "long.wav", 22050, 1, Tone(1500, 22050, 10 * 22050));
  CSoundIn sc;
  sc.SetAudioFile(path, 0, true);
  ASSERT_TRUE(sc.Open());
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!sc.CheckBuffers() && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(sc.rifcounter4, kFramesPerBlock);
  EXPECT_FALSE(sc.SourceFinished());
  sc.Close();  // joins the player, which is waiting for its next block's time
  EXPECT_FALSE(sc.CheckBuffers()) << "no block is delivered after Close";
}

TEST(Recording, ReopeningPlaysTheRecordingAgainFromTheStart) {
  TempDir dir;
  const std::vector<short> samples = Tone(2300, 22050, 30000);
  const std::string path = WriteRecording(dir, "again.wav", 22050, 1, samples);
  CSoundIn sc;
  sc.SetAudioFile(path, 0, false);
  ASSERT_TRUE(sc.Open());
  short s;
  while (!sc.CheckBuffers()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(sc.ReadSample(s));
  ASSERT_TRUE(sc.Open());
  EXPECT_EQ(CaptureAll(sc), samples);
}

}  // namespace
