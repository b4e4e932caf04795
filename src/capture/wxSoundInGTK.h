// Capture from the demodulator (or a recording) into the master ring.
//
// The demodulator is a USB audio device delivering 44100 frames per second,
// mono, 16 bits. Each frame's two bytes are averaged into one ring byte. The
// demodulator sends every 22050 Hz signed 16-bit sample as two frames whose two
// bytes are equal, low byte first, so the ring holds little-endian samples:
// readers take the ring two bytes at a time and see 22050 samples per second.
//
// Two threads meet here. The producer (PortAudio's callback, or the worker that
// plays a recording) fills one of two work buffers with a 2-second block and
// raises its ready flag; the decoders on the user-interface thread call
// CheckBuffers(), which moves a ready block into the ring. The ready flags and
// the buffer index are the only shared state.
//
// The demodulator's USB identity is 16c0:0a3e (vendor 0x16c0, product 0x0a3e).
// It is written three ways: "16c0:0a3e" in the sound system's usbid file,
// "0x16c0:0xa3e" as 0x-prefixed numbers, and "16c0:0xa3e" inside the name the
// sound system gives the card when it has no product string ("USB Device
// 0x16c0:0xa3e"). Both numbers have no leading zero digits, so that name
// carries the padded vendor and the unpadded product as the device search
// expects.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <portaudio.h>

typedef unsigned char SAMPLE;

// Frames in one 2-second block and bytes in one work buffer.
constexpr int kFramesPerBlock = 88200;
constexpr int kBlockBytes = kFramesPerBlock * 2;
// The ring block as allocated, and the part of it used as a circle.
constexpr int kRingAlloc = 1000000;
constexpr int kRingSize = 900002;

struct paTestData {
  std::atomic<int> buffindex{0};
  std::atomic<bool> buffready[2] = {false, false};
  int frameIndex = 0;
  int maxFrameIndex = 0;
  SAMPLE* recordedSamples = nullptr;
  SAMPLE* wkbuff[2] = {nullptr, nullptr};
  // Frames held by each work buffer; written before its ready flag is raised.
  int blockFrames[2] = {0, 0};
};

class AudioFileSource;

constexpr unsigned kDemodulatorVendor = 0x16c0;
constexpr unsigned kDemodulatorProduct = 0x0a3e;

// Result of looking for the demodulator among the sound cards.
struct DemodulatorCard {
  enum Status { kFound, kNoHardwareFile, kNotFound };
  Status status = kNotFound;
  int card = -1;       // card number, when found
  std::string device;  // "/dev/dsp<card>", when found
};

// Walks <procRoot>/cards and the usbid file of the first "USB-Audio" card.
DemodulatorCard FindDemodulatorCard(const std::string& procRoot);

// Index of the first device name carrying the demodulator's identifier, or -1.
int FindDemodulatorDevice(const std::vector<std::string>& deviceNames);

class CSoundIn {
 public:
  CSoundIn();
  virtual ~CSoundIn();
  CSoundIn(const CSoundIn&) = delete;
  CSoundIn& operator=(const CSoundIn&) = delete;

  bool Open();
  bool CheckBuffers();
  void Close();
  bool FindHID();

  // Read protocol: true and one signed sample when one is available. When none
  // is, the reader's wrap test still runs and the result is false.
  bool ReadSample(short& sample);
  bool SampleAvailable() const { return rifcounter3 < rifcounter4; }

  // Producer side, shared by the audio callback and the recording worker:
  // copies frameCount frames (2 bytes each, at most kFramesPerBlock) into the
  // work buffer that the drain will take next and raises its ready flag.
  // Returns false when that buffer is still waiting to be drained.
  bool DeliverBlock(const SAMPLE* frames, int frameCount);

  // Rewinds the ring and the exchange (done by Open).
  void ResetRing();

  // Where the sound-card files live ("/proc/asound" unless a test says otherwise).
  void SetProcRoot(const std::string& root) { procRoot = root; }

  // While a recording is set, Open plays it instead of opening the demodulator.
  // shiftHz moves the audio up (positive) or down in frequency; realtime paces
  // it at 2-second blocks per 2 seconds, otherwise it runs as fast as drained.
  void SetAudioFile(const std::string& path, double shiftHz, bool realtime);
  void ClearAudioFile();
  bool UsingAudioFile() const { return !audioPath.empty(); }
  // True once a recording has been played to its end and every block drained.
  bool SourceFinished() const;

  // Record shared with the producer (one per program in the device case).
  paTestData data;
  // The demodulator's card as remembered by FindHID ("/dev/dsp<n>").
  std::string cardDevice;

  PaStreamParameters inputParameters{};
  PaStream* stream = nullptr;
  bool bTerminate = true;
  int SoundIndex = 0;
  SAMPLE* buff = nullptr;
  unsigned char* holdriff = nullptr;
  unsigned char* wkriff2 = nullptr;
  unsigned char* wkriff1 = nullptr;
  unsigned char* riff = nullptr;
  int rifcounter1 = 0;
  int rifcounter = 0;
  // Totals since open; 64 bits so that days of unattended telex never overflow them.
  long long rifcounter4 = 0;
  long long rifcounter3 = 0;

 private:
  bool OpenDevice();
  bool OpenRecording();
  void CloseDevice();
  void CloseRecording();
  void EndPortAudio();
  void PlayRecording(bool realtime);
  bool DeliverWhenDrained(const SAMPLE* frames, int frameCount);

  std::string procRoot = "/proc/asound";
  std::string audioPath;
  double audioShiftHz = 0.0;
  bool audioRealtime = true;
  std::unique_ptr<AudioFileSource> fileSource;
  bool paInitialised = false;
  int producerIndex = 0;  // producer's own alternation, see DeliverBlock
  // The worker that plays a recording, and its two signals.
  std::thread worker;
  std::atomic<bool> stopWorker{false};
  std::atomic<bool> producerDone{false};
};

// The ring byte of one frame: both bytes unsigned, halved sum.
inline unsigned char RingByte(unsigned char b0, unsigned char b1) {
  return static_cast<unsigned char>((b0 + b1) / 2);
}

// The signed sample formed from two ring bytes, low byte first.
inline short RingSample(unsigned char r0, unsigned char r1) {
  int v = r0 + 256 * r1;
  if (v > 32767) v -= 65536;
  return static_cast<short>(v);
}
