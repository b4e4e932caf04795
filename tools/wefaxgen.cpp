#include "wefaxgen.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <memory>

namespace vt {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNoiseReferenceHz = 3000;
constexpr double kMaxSectionSeconds = 3600;

size_t CeilDiv(std::uint64_t a, std::uint64_t b) { return static_cast<size_t>((a + b - 1) / b); }

size_t SecondsToSamples(double seconds, int rate) {
  return static_cast<size_t>(std::llround(seconds * rate));
}

bool IsOneOf(int value, std::initializer_list<int> allowed) {
  return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

int PhasingLinesOf(const WefaxParams& params) {
  return params.phasingLines.value_or(30 * params.lpm / 60);
}

// Ratio of the noise's standard deviation to the carrier's peak amplitude.
double NoiseToAmplitude(const WefaxParams& params) {
  if (!params.snrDb) return 0;
  const double bandShare = params.sampleRate / (2 * kNoiseReferenceHz);
  return std::sqrt(bandShare / (2 * std::pow(10.0, *params.snrDb / 10)));
}

// Square-wave black/white alternation: `hz` full cycles per second.
double AlternationLevel(size_t n, int hz, int rate) {
  return ((2 * static_cast<std::uint64_t>(hz) * n) / rate) % 2 == 0 ? 1.0 : 0.0;
}

WefaxLayout MakeLayout(const WefaxParams& params, int pictureLines) {
  WefaxLayout layout;
  const int rate = params.sampleRate;
  // The line clock counts samples times lpm: a line is 60 * rate of those units.
  const std::uint64_t unitsPerLine = 60ull * rate;
  layout.phasingLines = PhasingLinesOf(params);
  layout.pictureLines = pictureLines;
  layout.samplesPerLine = static_cast<double>(unitsPerLine) / params.lpm;
  layout.startTone = SecondsToSamples(params.leadSeconds, rate);
  layout.phasing = layout.startTone + SecondsToSamples(params.startToneSeconds, rate);
  layout.picture = layout.phasing + CeilDiv(layout.phasingLines * unitsPerLine, params.lpm);
  layout.stopTone =
      layout.phasing +
      CeilDiv(static_cast<std::uint64_t>(layout.phasingLines + pictureLines) * unitsPerLine,
              params.lpm);
  layout.black = layout.stopTone + SecondsToSamples(params.stopToneSeconds, rate);
  layout.end = layout.black + SecondsToSamples(params.blackSeconds, rate);
  return layout;
}

int PictureLines(const GreyPicture& picture) {
  const bool usable = picture.width > 0 && picture.height > 0 &&
                      picture.pixels.size() >= static_cast<size_t>(picture.width) * picture.height;
  return usable ? picture.height : 0;
}

bool CheckDuration(double seconds) { return seconds >= 0 && seconds <= kMaxSectionSeconds; }

}  // namespace

GreyPicture::GreyPicture(int w, int h, std::uint8_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * height, fill) {}

int PixelsPerLine(int ioc) { return static_cast<int>(kPi * ioc); }

int StartToneHz(int ioc) { return ioc == 288 ? 675 : 300; }

std::string CheckWefaxParams(const WefaxParams& p) {
  if (!IsOneOf(p.ioc, {576, 288})) return "IOC must be 576 or 288";
  if (!IsOneOf(p.lpm, {60, 90, 120, 240})) return "lines per minute must be 60, 90, 120 or 240";
  if (!IsOneOf(p.sampleRate, {11025, 22050, 44100}))
    return "sample rate must be 11025, 22050 or 44100";
  const double nyquist = p.sampleRate / 2.0;
  for (double hz : {p.blackHz, p.whiteHz})
    if (!(hz > 0 && hz < nyquist))
      return "black and white frequencies must lie between 0 Hz and half the sample rate";
  if (p.blackHz == p.whiteHz) return "black and white frequencies must differ";
  if (!CheckDuration(p.leadSeconds) || !CheckDuration(p.startToneSeconds) ||
      !CheckDuration(p.stopToneSeconds) || !CheckDuration(p.blackSeconds))
    return "lead, tone and tail durations must be 0 to 3600 seconds";
  const int phasing = PhasingLinesOf(p);
  if (phasing < 0 || phasing > 10000) return "phasing lines must be 0 to 10000";
  if (p.snrDb && !(*p.snrDb >= -30 && *p.snrDb <= 150)) return "SNR must be -30 to 150 dB";
  return "";
}

WefaxModulator::WefaxModulator(const GreyPicture& picture, const WefaxParams& params)
    : picture_(picture),
      params_(params),
      layout_(CheckWefaxParams(params).empty() ? MakeLayout(params, PictureLines(picture))
                                                : WefaxLayout{}),
      pixelsPerLine_(PixelsPerLine(params.ioc)),
      random_(params.noiseSeed) {
  // Leave room for noise peaks (4 sigma) so the 16-bit file rarely clips.
  const double q = NoiseToAmplitude(params);
  amplitude_ = std::min(0.7, 0.95 / (1 + 4 * q));
  noiseSigma_ = q * amplitude_;
}

const std::vector<std::uint8_t>& WefaxModulator::TransmittedRow(int row) {
  if (row != cachedRow_) {
    rowBuffer_ = ResampleRow(&picture_.pixels[static_cast<size_t>(row) * picture_.width],
                             picture_.width, pixelsPerLine_);
    cachedRow_ = row;
  }
  return rowBuffer_;
}

// Phasing lines are black with a white pulse of 5 % of a line centred on the
// line start. The receiver starts its line 15 to 21 white pairs (30 to 42 of its
// 1280 intensities a line) after the pulse's black-to-white edge; centring the
// pulse puts that within about 1 % of a line of where the picture's lines begin.
double WefaxModulator::LineClockLevel(size_t n) {
  const std::uint64_t unitsPerLine = 60ull * params_.sampleRate;
  const std::uint64_t units = static_cast<std::uint64_t>(n - layout_.phasing) * params_.lpm;
  const std::uint64_t line = units / unitsPerLine;
  const std::uint64_t pos = units % unitsPerLine;
  if (line < static_cast<std::uint64_t>(layout_.phasingLines))
    return pos * 40 < unitsPerLine || pos * 40 >= unitsPerLine * 39 ? 1.0 : 0.0;
  const int row = static_cast<int>(line) - layout_.phasingLines;
  const size_t pixel = static_cast<size_t>(pos * pixelsPerLine_ / unitsPerLine);
  return TransmittedRow(row)[pixel] / 255.0;
}

double WefaxModulator::LevelAt(size_t n) {
  const int rate = params_.sampleRate;
  if (n < layout_.phasing)
    return AlternationLevel(n - layout_.startTone, StartToneHz(params_.ioc), rate);
  if (n < layout_.stopTone) return LineClockLevel(n);
  if (n < layout_.black) return AlternationLevel(n - layout_.stopTone, kStopToneHz, rate);
  return 0.0;
}

size_t WefaxModulator::Render(float* out, size_t count) {
  const size_t n = std::min(count, remaining());
  const double radiansPerHz = 2 * kPi / params_.sampleRate;
  const double swing = params_.whiteHz - params_.blackHz;
  for (size_t i = 0; i < n; ++i, ++next_) {
    double s = 0;
    if (next_ >= layout_.startTone) {
      const double hz = params_.blackHz + swing * LevelAt(next_);
      phase_ = std::fmod(phase_ + radiansPerHz * hz, 2 * kPi);
      s = amplitude_ * std::sin(phase_);
    }
    if (noiseSigma_ > 0) s += noiseSigma_ * gauss_(random_);
    out[i] = static_cast<float>(std::clamp(s, -1.0, 1.0));
  }
  return n;
}

std::vector<float> GenerateWefax(const GreyPicture& picture, const WefaxParams& params) {
  WefaxModulator modulator(picture, params);
  std::vector<float> samples(modulator.remaining());
  modulator.Render(samples.data(), samples.size());
  return samples;
}

std::vector<std::int16_t> ToPcm16(const float* samples, size_t count) {
  std::vector<std::int16_t> pcm(count);
  std::transform(samples, samples + count, pcm.begin(), [](float s) {
    return static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
  });
  return pcm;
}

std::vector<std::uint8_t> ResampleRow(const std::uint8_t* row, int width, int outWidth) {
  std::vector<std::uint8_t> out(std::max(outWidth, 0), 255);
  if (width <= 0) return out;
  const double step = static_cast<double>(width) / outWidth;  // source pixels per output pixel
  for (int i = 0; i < outWidth; ++i) {
    const double from = i * step;
    const double to = from + step;
    double sum = 0;
    for (int x = static_cast<int>(from); x < width && x < to; ++x) {
      const double covered = std::min<double>(x + 1, to) - std::max<double>(x, from);
      sum += covered * row[x];
    }
    out[i] = static_cast<std::uint8_t>(std::clamp(std::lround(sum / step), 0L, 255L));
  }
  return out;
}

// ---------------------------------------------------------------- test chart

namespace {

void FillRect(GreyPicture& p, int x0, int y0, int x1, int y1, std::uint8_t v) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, p.width);
  y1 = std::min(y1, p.height);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) p.at(x, y) = v;
}

void DrawFrame(GreyPicture& p, int t) {
  FillRect(p, 0, 0, p.width, t, 0);
  FillRect(p, 0, p.height - t, p.width, p.height, 0);
  FillRect(p, 0, 0, t, p.height, 0);
  FillRect(p, p.width - t, 0, p.width, p.height, 0);
}

void DrawBars(GreyPicture& p, int x0, int x1, int y0, int y1) {
  const int bar = std::max(1, (x1 - x0) / 32);
  for (int x = x0, k = 0; x < x1; x += bar, ++k)
    if (k % 2 == 0) FillRect(p, x, y0, std::min(x + bar, x1), y1, 0);
}

void DrawRamp(GreyPicture& p, int x0, int x1, int y0, int y1) {
  const int span = std::max(1, x1 - x0 - 1);
  for (int y = std::max(y0, 0); y < std::min(y1, p.height); ++y)
    for (int x = x0; x < x1; ++x) p.at(x, y) = static_cast<std::uint8_t>(255L * (x - x0) / span);
}

// Rows of "words": black blocks of letter size with gaps, from a fixed sequence.
void DrawTextBlocks(GreyPicture& p, int x0, int x1, int y0, int y1) {
  const int letterH = std::max(2, p.width / 90);
  const int letterW = std::max(1, letterH * 2 / 3);
  const int letterGap = std::max(1, letterW / 3);
  std::uint32_t seed = 12345;
  auto next = [&seed](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(n));
  };
  for (int y = y0; y + letterH <= y1; y += letterH * 2) {
    int x = x0;
    while (x < x1) {
      const int letters = 2 + next(7);
      const int wordEnd = std::min(x1, x + letters * (letterW + letterGap));
      for (; x + letterW <= wordEnd; x += letterW + letterGap)
        FillRect(p, x, y, x + letterW, y + letterH, 0);
      x = wordEnd + letterW * 2;
    }
  }
}

}  // namespace

GreyPicture MakeTestChart(int width, int height) {
  GreyPicture chart(width, height, 255);
  if (chart.pixels.empty()) return chart;
  const int border = std::max(2, std::min(width, height) / 60);
  const int left = border * 3;
  const int right = width - border * 3;
  auto rowAt = [height](int percent) { return height * percent / 100; };
  DrawBars(chart, left, right, rowAt(8), rowAt(35));
  DrawRamp(chart, left, right, rowAt(40), rowAt(60));
  DrawTextBlocks(chart, left, right, rowAt(65), rowAt(92));
  DrawFrame(chart, border);
  return chart;
}

// ---------------------------------------------------------------- PGM

namespace {

// Reads the next header number, skipping blanks and # comments.
bool ReadHeaderNumber(std::istream& in, long& value) {
  for (;;) {
    const int c = in.peek();
    if (c == '#') {
      std::string comment;
      std::getline(in, comment);
    } else if (c != EOF && std::isspace(c)) {
      in.get();
    } else {
      break;
    }
  }
  if (!std::isdigit(in.peek())) return false;
  value = 0;
  while (std::isdigit(in.peek())) {
    value = value * 10 + (in.get() - '0');
    if (value > 1000000) return false;
  }
  return true;
}

// Bytes between the read position and the end of the file.
size_t BytesLeft(std::istream& in) {
  const std::streampos here = in.tellg();
  in.seekg(0, std::ios::end);
  const std::streampos end = in.tellg();
  in.seekg(here);
  return here < 0 || end < here ? 0 : static_cast<size_t>(end - here);
}

}  // namespace

bool ReadPgm(const std::string& path, GreyPicture& picture, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  char magic[2] = {};
  long width = 0, height = 0, maxval = 0;
  if (!in.read(magic, 2) || magic[0] != 'P' || magic[1] != '5') {
    error = path + " is not a binary PGM (P5) picture";
    return false;
  }
  if (!ReadHeaderNumber(in, width) || !ReadHeaderNumber(in, height) ||
      !ReadHeaderNumber(in, maxval) || !std::isspace(in.get())) {
    error = path + ": malformed PGM header";
    return false;
  }
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
      maxval < 1 || maxval > 65535) {
    error = path + ": unsupported PGM size or depth";
    return false;
  }
  const size_t bytesPerSample = maxval > 255 ? 2 : 1;
  const size_t needed = static_cast<size_t>(width) * height * bytesPerSample;
  if (BytesLeft(in) < needed) {
    error = path + ": PGM picture data is truncated";
    return false;
  }
  std::vector<std::uint8_t> raw(needed);
  if (!in.read(reinterpret_cast<char*>(raw.data()), static_cast<std::streamsize>(raw.size()))) {
    error = path + ": PGM picture data is truncated";
    return false;
  }
  GreyPicture result(static_cast<int>(width), static_cast<int>(height));
  for (size_t i = 0; i < result.pixels.size(); ++i) {
    const long v = bytesPerSample == 2 ? raw[2 * i] * 256L + raw[2 * i + 1] : raw[i];
    result.pixels[i] = static_cast<std::uint8_t>(std::min(v, maxval) * 255 / maxval);
  }
  picture = std::move(result);
  return true;
}

bool ReadPicture(const std::string& path, GreyPicture& picture, std::string& error) {
  static const char kPngSignature[] = "\x89PNG\r\n\x1a\n";
  char start[8] = {};
  std::ifstream in(path, std::ios::binary);
  in.read(start, sizeof start);
  const bool isPng = in.gcount() == 8 && std::equal(start, start + 8, kPngSignature);
  return isPng ? ReadPng(path, picture, error) : ReadPgm(path, picture, error);
}

bool WritePgm(const std::string& path, const GreyPicture& picture, std::string& error) {
  std::ofstream out(path, std::ios::binary);
  out << "P5\n" << picture.width << ' ' << picture.height << "\n255\n";
  out.write(reinterpret_cast<const char*>(picture.pixels.data()),
            static_cast<std::streamsize>(picture.pixels.size()));
  out.close();
  if (!out) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

// ---------------------------------------------------------------- WAV

namespace {

struct SndfileCloser {
  void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

SndfileHandle OpenWavForWriting(const std::string& path, int sampleRate, std::string& error) {
  SF_INFO info = {};
  info.samplerate = sampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SndfileHandle file(sf_open(path.c_str(), SFM_WRITE, &info));
  if (!file) error = "cannot write " + path + ": " + sf_strerror(nullptr);
  return file;
}

bool WriteBlock(SNDFILE* file, const float* samples, size_t count, const std::string& path,
                std::string& error) {
  const std::vector<std::int16_t> pcm = ToPcm16(samples, count);
  if (sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size())) !=
      static_cast<sf_count_t>(pcm.size())) {
    error = "cannot write " + path + ": " + sf_strerror(file);
    return false;
  }
  return true;
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate,
              std::string& error) {
  SndfileHandle file = OpenWavForWriting(path, sampleRate, error);
  return file && WriteBlock(file.get(), samples.data(), samples.size(), path, error);
}

bool WriteWav(const std::string& path, WefaxModulator& modulator, std::string& error) {
  SndfileHandle file = OpenWavForWriting(path, modulator.sampleRate(), error);
  if (!file) return false;
  std::vector<float> block(65536);
  while (size_t n = modulator.Render(block.data(), block.size()))
    if (!WriteBlock(file.get(), block.data(), n, path, error)) return false;
  return true;
}

}  // namespace vt
