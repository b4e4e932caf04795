// Reads a recording as the demodulator's signal: 22050 signed 16-bit samples
// per second, optionally moved in frequency.
//
// Any file libsndfile reads (WAV, FLAC, ...) at any sample rate; mono, or the
// first (left) channel of a multi-channel file. Other rates are converted with
// libsamplerate. The whole chain streams, so long recordings need little memory.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <samplerate.h>
#include <sndfile.h>

constexpr int kRecordingRate = 22050;

// Single-sideband frequency shift: the analytic signal (a Hilbert FIR beside a
// matching delay) multiplied by e^(j*2*pi*shift*t), real part kept. The output
// has as many samples as the input once the last part has been passed.
class FrequencyShifter {
 public:
  FrequencyShifter(double shiftHz, double sampleRate);
  // Appends the shifted samples of in to out; with last, also the samples the
  // filter still holds.
  void Process(const std::vector<float>& in, std::vector<float>& out, bool last);

 private:
  void Push(float x, std::vector<float>& out);

  std::vector<float> taps;     // Hilbert transformer, centred on tap `delay`
  std::vector<float> history;  // last taps.size() inputs, stored twice
  int delay = 0;
  int pos = 0;
  long long pushed = 0;
  double phase = 0.0;
  double phaseStep = 0.0;
};

class AudioFileSource {
 public:
  AudioFileSource() = default;
  ~AudioFileSource();
  AudioFileSource(const AudioFileSource&) = delete;
  AudioFileSource& operator=(const AudioFileSource&) = delete;

  // Opens the recording; on failure error holds a text for the user naming it.
  bool Open(const std::string& path, double shiftHz, std::string& error);
  // Fills out with up to maxSamples samples at 22050 Hz; 0 at the end.
  int Read(short* out, int maxSamples);

 private:
  bool Refill();
  bool NextChunk(std::vector<float>& chunk);
  void ReadFileChunk();

  SNDFILE* file = nullptr;
  SRC_STATE* resampler = nullptr;
  std::unique_ptr<FrequencyShifter> shifter;
  int channels = 1;
  double ratio = 1.0;
  bool fileEnded = false;
  bool finished = false;
  std::vector<float> interleaved;  // one read from the file
  std::vector<float> input;        // first channel, waiting for the converter
  std::vector<float> ready;        // processed samples not yet handed out
  size_t readyPos = 0;
};

// The whole recording as 22050 Hz samples; false with error set when unreadable.
bool ReadRecording(const std::string& path, double shiftHz, std::vector<short>& samples,
                   std::string& error);

// The demodulator's framing of one sample: low byte twice, high byte twice
// (two frames of two equal bytes). Writes 4 bytes per sample into frames.
void FrameSamples(const short* samples, int count, unsigned char* frames);
