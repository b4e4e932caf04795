// Recording reader: file -> first channel -> 22050 Hz -> frequency shift -> int16.
#include "capture/audiofile.h"

#include <algorithm>
#include <cmath>

namespace {

// Taps of the Hilbert FIR; odd, so the delay is a whole number of samples.
// 255 taps keep the transformer flat (well under 0.1 %) from about 300 Hz to
// 10 kHz at 22050 Hz, which covers every tone the decoders use.
constexpr int kHilbertTaps = 255;
// Frames asked of the file per read (fewer for files with many channels).
constexpr int kFileChunkSamples = 8192;
constexpr double kPi = 3.14159265358979323846;

short ToSample(float x) {
  const float scaled = std::clamp(x * 32768.0f, -32768.0f, 32767.0f);
  return static_cast<short>(std::lrint(scaled));
}

}  // namespace

FrequencyShifter::FrequencyShifter(double shiftHz, double sampleRate)
    : taps(kHilbertTaps, 0.0f), history(2 * kHilbertTaps, 0.0f), delay(kHilbertTaps / 2) {
  for (int m = 0; m < kHilbertTaps; ++m) {
    const int n = m - delay;
    if (n % 2 == 0) continue;
    const double blackman = 0.42 - 0.5 * std::cos(2 * kPi * m / (kHilbertTaps - 1)) +
                            0.08 * std::cos(4 * kPi * m / (kHilbertTaps - 1));
    taps[m] = static_cast<float>(2.0 / (kPi * n) * blackman);
  }
  phaseStep = 2 * kPi * shiftHz / sampleRate;
}

void FrequencyShifter::Push(float x, std::vector<float>& out) {
  const int n = kHilbertTaps;
  pos = (pos + 1) % n;
  history[pos] = x;
  history[pos + n] = x;
  // history[pos + n - m] is the input m samples ago.
  const float* newest = &history[pos + n];
  if (++pushed <= delay) return;
  double quadrature = 0.0;
  // Only taps an odd distance from the centre are non-zero.
  for (int m = (delay + 1) % 2; m < n; m += 2) quadrature += taps[m] * newest[-m];
  const double inPhase = newest[-delay];
  out.push_back(static_cast<float>(inPhase * std::cos(phase) - quadrature * std::sin(phase)));
  phase = std::remainder(phase + phaseStep, 2 * kPi);
}

void FrequencyShifter::Process(const std::vector<float>& in, std::vector<float>& out, bool last) {
  for (float x : in) Push(x, out);
  if (!last) return;
  for (int i = 0; i < delay; ++i) Push(0.0f, out);
}

AudioFileSource::~AudioFileSource() {
  if (resampler != nullptr) src_delete(resampler);
  if (file != nullptr) sf_close(file);
}

bool AudioFileSource::Open(const std::string& path, double shiftHz, std::string& error) {
  const std::string prefix = "Cannot read recording " + path + ": ";
  SF_INFO info{};
  file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) {
    error = prefix + sf_strerror(nullptr);
    return false;
  }
  channels = info.channels;
  ratio = static_cast<double>(kRecordingRate) / info.samplerate;
  if (channels < 1 || info.samplerate <= 0 || !src_is_valid_ratio(ratio)) {
    error = prefix + "unsupported sample rate " + std::to_string(info.samplerate) + " Hz";
    return false;
  }
  if (info.samplerate != kRecordingRate) {
    int err = 0;
    resampler = src_new(SRC_SINC_MEDIUM_QUALITY, 1, &err);
    if (resampler == nullptr) {
      error = prefix + src_strerror(err);
      return false;
    }
  }
  if (shiftHz != 0.0) shifter = std::make_unique<FrequencyShifter>(shiftHz, kRecordingRate);
  return true;
}

void AudioFileSource::ReadFileChunk() {
  const int frames = std::max(1, kFileChunkSamples / channels);
  interleaved.resize(static_cast<size_t>(frames) * channels);
  const sf_count_t got = sf_readf_float(file, interleaved.data(), frames);
  if (got <= 0) {
    fileEnded = true;
    return;
  }
  for (sf_count_t i = 0; i < got; ++i) input.push_back(interleaved[i * channels]);
}

// The next part of the 22050 Hz signal (before the shift); true when it is the last.
bool AudioFileSource::NextChunk(std::vector<float>& chunk) {
  if (!fileEnded) ReadFileChunk();
  if (resampler == nullptr) {
    chunk.swap(input);
    input.clear();
    return fileEnded;
  }
  chunk.resize(static_cast<size_t>(input.size() * ratio) + 1024);
  SRC_DATA d{};
  d.data_in = input.data();
  d.input_frames = static_cast<long>(input.size());
  d.data_out = chunk.data();
  d.output_frames = static_cast<long>(chunk.size());
  d.src_ratio = ratio;
  d.end_of_input = fileEnded ? 1 : 0;
  if (src_process(resampler, &d) != 0) {
    chunk.clear();
    return true;
  }
  input.erase(input.begin(), input.begin() + d.input_frames_used);
  chunk.resize(static_cast<size_t>(d.output_frames_gen));
  return fileEnded && d.output_frames_gen == 0;
}

bool AudioFileSource::Refill() {
  ready.clear();
  readyPos = 0;
  std::vector<float> chunk;
  while (ready.empty() && !finished) {
    const bool last = NextChunk(chunk);
    if (shifter) {
      shifter->Process(chunk, ready, last);
    } else {
      ready.swap(chunk);
    }
    finished = last;
  }
  return !ready.empty();
}

int AudioFileSource::Read(short* out, int maxSamples) {
  if (file == nullptr) return 0;
  int count = 0;
  while (count < maxSamples) {
    if (readyPos == ready.size() && !Refill()) break;
    const int take = static_cast<int>(std::min<size_t>(maxSamples - count, ready.size() - readyPos));
    for (int i = 0; i < take; ++i) out[count + i] = ToSample(ready[readyPos + i]);
    count += take;
    readyPos += take;
  }
  return count;
}

bool ReadRecording(const std::string& path, double shiftHz, std::vector<short>& samples,
                   std::string& error) {
  AudioFileSource source;
  if (!source.Open(path, shiftHz, error)) return false;
  samples.clear();
  short part[8192];
  int got;
  while ((got = source.Read(part, 8192)) > 0) samples.insert(samples.end(), part, part + got);
  return true;
}

void FrameSamples(const short* samples, int count, unsigned char* frames) {
  for (int i = 0; i < count; ++i) {
    const auto u = static_cast<unsigned short>(samples[i]);
    const auto lo = static_cast<unsigned char>(u & 0xFF);
    const auto hi = static_cast<unsigned char>(u >> 8);
    frames[4 * i] = lo;
    frames[4 * i + 1] = lo;
    frames[4 * i + 2] = hi;
    frames[4 * i + 3] = hi;
  }
}
