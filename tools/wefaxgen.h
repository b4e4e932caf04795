// Weather-fax signal generator: turns a grey picture into the audio a receiver
// hears from an HF fax broadcast (start tone, phasing lines, picture, stop tone,
// black tail), optionally with white noise. Window-free; used by tests, by the
// demonstration recording and by the vantorel-wefax-gen tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vt {

// 8-bit grey picture, rows top to bottom, 0 = black, 255 = white.
struct GreyPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height bytes

  GreyPicture() = default;
  GreyPicture(int w, int h, std::uint8_t fill = 255);
  std::uint8_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  std::uint8_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct WefaxParams {
  int ioc = 576;           // index of cooperation: 576 or 288
  int lpm = 120;           // lines per minute: 60, 90, 120 or 240
  int sampleRate = 11025;  // 11025, 22050 or 44100
  double blackHz = 1500;
  double whiteHz = 2300;
  // Noise alone (silence without noise) before the start tone, as when a
  // recording begins a moment before the broadcast.
  double leadSeconds = 0;
  double startToneSeconds = 5;
  std::optional<int> phasingLines;  // unset: 30 seconds' worth at lpm
  double stopToneSeconds = 5;
  double blackSeconds = 10;
  // Signal-to-noise ratio in dB: carrier power over the power of the added
  // white noise within a 3000 Hz reference band (an SSB audio channel), so the
  // figure means the same at every sample rate. Unset: no noise.
  std::optional<double> snrDb;
  unsigned noiseSeed = 1;
};

// Where each section begins, in samples from the start of the signal (the lead
// runs from 0 to startTone).
// Phasing and picture lines share one line clock that starts at `phasing`:
// line k begins at phasing + k * samplesPerLine (a fraction at 11025 Hz and
// 120 lines per minute, so timing never drifts). Phasing lines are black with a
// white pulse of 5 % of a line centred on each line start.
struct WefaxLayout {
  size_t startTone = 0;
  size_t phasing = 0;
  size_t picture = 0;
  size_t stopTone = 0;
  size_t black = 0;
  size_t end = 0;
  int phasingLines = 0;
  int pictureLines = 0;
  double samplesPerLine = 0;  // sampleRate * 60 / lpm
};

// Pixels along one transmitted line: pi * IOC, whole pixels (1809 or 904).
int PixelsPerLine(int ioc);
// Alternation rate of the start tone: 300 Hz for IOC 576, 675 Hz for IOC 288.
int StartToneHz(int ioc);
constexpr int kStopToneHz = 450;

// Empty when the parameters can be generated, else what is wrong.
std::string CheckWefaxParams(const WefaxParams& params);

// Renders the signal piece by piece, so long recordings need little memory.
// The picture must outlive the modulator. Parameters that fail CheckWefaxParams
// give an empty signal; a picture without pixels sends no picture lines.
class WefaxModulator {
 public:
  WefaxModulator(const GreyPicture& picture, const WefaxParams& params);
  WefaxModulator(GreyPicture&&, const WefaxParams&) = delete;  // would dangle

  const WefaxLayout& layout() const { return layout_; }
  double amplitude() const { return amplitude_; }    // peak of the clean carrier
  double noiseSigma() const { return noiseSigma_; }  // standard deviation of the noise
  int sampleRate() const { return params_.sampleRate; }
  size_t remaining() const { return layout_.end - next_; }

  // Writes up to `count` samples in -1..1 and returns how many were written
  // (0 once the signal has ended).
  size_t Render(float* out, size_t count);

 private:
  double LevelAt(size_t n);  // 0 = black .. 1 = white at sample n
  double LineClockLevel(size_t n);
  const std::vector<std::uint8_t>& TransmittedRow(int row);

  const GreyPicture& picture_;
  WefaxParams params_;
  WefaxLayout layout_;
  int pixelsPerLine_;
  double amplitude_;
  double noiseSigma_;
  double phase_ = 0;
  size_t next_ = 0;
  int cachedRow_ = -1;
  std::vector<std::uint8_t> rowBuffer_;
  std::mt19937 random_;
  std::normal_distribution<double> gauss_;
};

// The whole signal at once (for tests and short recordings).
std::vector<float> GenerateWefax(const GreyPicture& picture, const WefaxParams& params);
std::vector<std::int16_t> ToPcm16(const float* samples, size_t count);
inline std::vector<std::int16_t> ToPcm16(const std::vector<float>& samples) {
  return ToPcm16(samples.data(), samples.size());
}

// Resamples one row of `width` pixels to `outWidth` pixels by area averaging.
std::vector<std::uint8_t> ResampleRow(const std::uint8_t* row, int width, int outWidth);

// A chart whose alignment and slant can be measured after reception: white
// ground, black frame border, vertical bars (top), a grey ramp from black at the
// left to white at the right (middle), rows of text-like blocks (bottom).
GreyPicture MakeTestChart(int width, int height);

// Largest picture side accepted from files and the command line.
constexpr int kMaxPictureSide = 10000;

// Binary PGM (P5), maxval up to 65535 (scaled to 0..255).
bool ReadPgm(const std::string& path, GreyPicture& picture, std::string& error);
bool WritePgm(const std::string& path, const GreyPicture& picture, std::string& error);
// PNG of any colour type, flattened to grey over white; only when built with libpng.
bool PngSupported();
bool ReadPng(const std::string& path, GreyPicture& picture, std::string& error);
bool WritePng(const std::string& path, const GreyPicture& picture, std::string& error);
// PGM or PNG, told apart by the file's first bytes.
bool ReadPicture(const std::string& path, GreyPicture& picture, std::string& error);

// Mono 16-bit PCM WAV.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate,
              std::string& error);
// Streams the modulator's remaining signal into a mono 16-bit PCM WAV.
bool WriteWav(const std::string& path, WefaxModulator& modulator, std::string& error);

}  // namespace vt
