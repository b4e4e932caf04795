// Opening and closing the demodulator or a recording; locating the demodulator.
#include "capture/wxSoundInGTK.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <fcntl.h>
#include <unistd.h>

#include "app/messages.h"
#include "capture/audiofile.h"

namespace {

constexpr int kFrameRate = 44100;
// The sound-card files are read up to this size.
constexpr size_t kProcFileLimit = 64000;
// The card list is walked while more than this many characters remain.
constexpr size_t kMinCardLine = 10;

const char kNoHardwareFile[] = "Error - Could not read Hardware file";
const char kNoDemodulator[] = "Error - Vantorel Demodulator not found";

// Up to kProcFileLimit bytes of a file; false when it cannot be opened or read.
bool ReadProcFile(const std::string& path, std::string& text) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  text.assign(kProcFileLimit, '\0');
  size_t used = 0;
  bool ok = true;
  while (used < kProcFileLimit) {
    const ssize_t got = ::read(fd, &text[used], kProcFileLimit - used);
    if (got < 0) ok = false;
    if (got <= 0) break;
    used += static_cast<size_t>(got);
  }
  ::close(fd);
  text.resize(used);
  return ok;
}

std::string Hex(const char* format, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

bool UsbIdIsDemodulator(const std::string& usbid) {
  const std::string padded = Hex("%04x", kDemodulatorVendor) + ":" + Hex("%04x", kDemodulatorProduct);
  const std::string prefixed = Hex("0x%x", kDemodulatorVendor) + ":" + Hex("0x%x", kDemodulatorProduct);
  return usbid.find(padded) != std::string::npos || usbid.find(prefixed) != std::string::npos;
}

// The callback on PortAudio's thread: hands each 2-second block over.
int RecordCallback(const void* input, void*, unsigned long framesPerBuffer,
                   const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags, void* userData) {
  auto* sc = static_cast<CSoundIn*>(userData);
  if (sc->data.wkbuff[0] == nullptr || sc->data.wkbuff[1] == nullptr) return paComplete;
  // A block arriving while the previous one is still undrained is dropped.
  if (input != nullptr)
    sc->DeliverBlock(static_cast<const SAMPLE*>(input), static_cast<int>(framesPerBuffer));
  sc->data.frameIndex = 0;
  return paContinue;
}

}  // namespace

DemodulatorCard FindDemodulatorCard(const std::string& procRoot) {
  DemodulatorCard result;
  std::string cards;
  if (!ReadProcFile(procRoot + "/cards", cards)) {
    result.status = DemodulatorCard::kNoHardwareFile;
    return result;
  }
  size_t start = 0;
  // Each card takes two lines of the list.
  for (int line = 0; cards.size() - start > kMinCardLine; ++line) {
    size_t end = cards.find('\n', start);
    if (end == std::string::npos) end = cards.size();
    if (std::string_view(cards).substr(start, end - start).find("USB-Audio") != std::string::npos) {
      const int card = line / 2;
      std::string usbid;
      if (!ReadProcFile(procRoot + "/card" + std::to_string(card) + "/usbid", usbid)) {
        result.status = DemodulatorCard::kNoHardwareFile;
        return result;
      }
      if (!UsbIdIsDemodulator(usbid)) return result;
      result.status = DemodulatorCard::kFound;
      result.card = card;
      result.device = "/dev/dsp" + std::to_string(card);
      return result;
    }
    if (end == cards.size()) break;
    start = end + 1;
  }
  return result;
}

int FindDemodulatorDevice(const std::vector<std::string>& deviceNames) {
  const std::string id = Hex("%04x", kDemodulatorVendor) + ":" + Hex("0x%x", kDemodulatorProduct);
  for (size_t i = 0; i < deviceNames.size(); ++i)
    if (deviceNames[i].find(id) != std::string::npos) return static_cast<int>(i);
  return -1;
}

bool CSoundIn::FindHID() {
  // Negative when PortAudio is not initialised: no devices then.
  const int deviceCount = Pa_GetDeviceCount();
  SoundIndex = 0;
  const DemodulatorCard card = FindDemodulatorCard(procRoot);
  if (card.status == DemodulatorCard::kNoHardwareFile) {
    vt::ShowMessage(kNoHardwareFile);
    return false;
  }
  if (card.status == DemodulatorCard::kNotFound) {
    vt::ShowMessage(kNoDemodulator);
    return false;
  }
  cardDevice = card.device;
  std::vector<std::string> names;
  for (int i = 0; i < deviceCount; ++i) {
    const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
    names.push_back(info != nullptr && info->name != nullptr ? info->name : "");
  }
  const int index = FindDemodulatorDevice(names);
  if (index < 0) return false;
  SoundIndex = index;
  return true;
}

bool CSoundIn::Open() {
  Close();  // a capture still running ends before the next starts
  return UsingAudioFile() ? OpenRecording() : OpenDevice();
}

bool CSoundIn::OpenDevice() {
  paInitialised = Pa_Initialize() == paNoError;
  if (!paInitialised) vt::ShowMessage("Error Open");
  ResetRing();
  if (holdriff == nullptr) {
    vt::ShowMessage("Error no memory for master buffer.");
    EndPortAudio();
    return false;
  }
  const PaDeviceInfo* info = FindHID() ? Pa_GetDeviceInfo(SoundIndex) : nullptr;
  if (info == nullptr) {
    EndPortAudio();
    return false;
  }
  data.maxFrameIndex = kFrameRate;
  data.frameIndex = 0;
  data.recordedSamples = buff;
  inputParameters.device = SoundIndex;
  inputParameters.channelCount = 1;
  inputParameters.sampleFormat = paInt16;
  inputParameters.suggestedLatency = info->defaultLowInputLatency;
  inputParameters.hostApiSpecificStreamInfo = nullptr;
  if (Pa_OpenStream(&stream, &inputParameters, nullptr, kFrameRate, kFramesPerBlock, paClipOff,
                    RecordCallback, this) != paNoError) {
    stream = nullptr;
    EndPortAudio();
    return false;
  }
  ResetRing();
  bTerminate = false;
  if (Pa_StartStream(stream) != paNoError) {
    Pa_CloseStream(stream);
    stream = nullptr;
    EndPortAudio();
    return false;
  }
  return true;
}

void CSoundIn::Close() {
  CloseRecording();
  CloseDevice();
}

void CSoundIn::CloseDevice() {
  if (stream != nullptr) {
    Pa_AbortStream(stream);
    Pa_Sleep(2000);
    if (Pa_CloseStream(stream) != paNoError) vt::ShowMessage("Error Close");
    stream = nullptr;
  }
  EndPortAudio();
}

void CSoundIn::EndPortAudio() {
  if (!paInitialised) return;
  paInitialised = false;
  if (Pa_Terminate() != paNoError) vt::ShowMessage("Error Term");
}

void CSoundIn::SetAudioFile(const std::string& path, double shiftHz, bool realtime) {
  audioPath = path;
  audioShiftHz = shiftHz;
  audioRealtime = realtime;
}

void CSoundIn::ClearAudioFile() { audioPath.clear(); }

bool CSoundIn::SourceFinished() const {
  return UsingAudioFile() && producerDone.load(std::memory_order_acquire) &&
         !data.buffready[0].load(std::memory_order_acquire) &&
         !data.buffready[1].load(std::memory_order_acquire) && !SampleAvailable();
}

bool CSoundIn::OpenRecording() {
  ResetRing();
  auto source = std::make_unique<AudioFileSource>();
  std::string error;
  if (!source->Open(audioPath, audioShiftHz, error)) {
    vt::ShowMessage(error);
    return false;
  }
  if (holdriff == nullptr || data.wkbuff[0] == nullptr || data.wkbuff[1] == nullptr) {
    vt::ShowMessage("Error no memory for master buffer.");
    return false;
  }
  fileSource = std::move(source);
  bTerminate = false;
  stopWorker.store(false);
  producerDone.store(false);
  worker = std::thread(&CSoundIn::PlayRecording, this, audioRealtime);
  return true;
}

void CSoundIn::CloseRecording() {
  if (worker.joinable()) {
    stopWorker.store(true);
    worker.join();
  }
  fileSource.reset();
}

// Waits until the buffer is drained (no block of a recording is lost);
// false when Close asked the worker to stop first.
bool CSoundIn::DeliverWhenDrained(const SAMPLE* frames, int frameCount) {
  while (!DeliverBlock(frames, frameCount)) {
    if (stopWorker.load()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// The recording worker: plays the role of the audio callback, one 2-second
// block at a time, at real-time pace or as fast as the blocks are drained.
void CSoundIn::PlayRecording(bool realtime) {
  using Clock = std::chrono::steady_clock;
  constexpr int kSamplesPerBlock = kFramesPerBlock / 2;
  std::vector<short> samples(kSamplesPerBlock);
  std::vector<SAMPLE> frames(kBlockBytes);
  auto due = Clock::now();
  while (!stopWorker.load()) {
    const int count = fileSource->Read(samples.data(), kSamplesPerBlock);
    if (count == 0) break;
    FrameSamples(samples.data(), count, frames.data());
    if (realtime) {
      while (Clock::now() < due && !stopWorker.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      if (stopWorker.load()) return;
      due = std::max(due, Clock::now()) + std::chrono::seconds(2);
    }
    if (!DeliverWhenDrained(frames.data(), 2 * count)) return;
    if (count < kSamplesPerBlock) break;
  }
  producerDone.store(true, std::memory_order_release);
}
