// The device path end to end, with a stand-in for the demodulator: an ALSA
// capture device that reads a raw file, named the way the sound system names
// the demodulator's card. Runs in its own program because the sound system's
// configuration is chosen through the environment before PortAudio starts.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "capture/audiofile.h"
#include "capture/wxSoundInGTK.h"
#include "test_support.h"

namespace {

using vt::test::MessageRecorder;
using vt::test::TempDir;

// An ALSA configuration with only a silent default and the stand-in card.
// A device name with ':' is opened as "<name>:<argument>", so the full name is
// listed through a placeholder and opened through the definition before it.
std::string AlsaConfig(const std::string& rawFile) {
  return "pcm.default { type null }\n"
         "pcm.\"USB Device 0x16c0\" {\n"
         "  @args [ ID ]\n"
         "  @args.ID { type string default \"none\" }\n"
         "  type file\n"
         "  slave.pcm { type null }\n"
         "  file \"/dev/null\"\n"
         "  infile \"" + rawFile + "\"\n"
         "  format \"raw\"\n"
         "}\n"
         "pcm.\"USB Device 0x16c0:0xa3e\" { type null }\n";
}

TEST(DeviceCapture, DemodulatorBlockReachesTheReaderExactly) {
  TempDir dir;
  const int samples = 4 * kFramesPerBlock / 2;
  std::vector<short> sent(samples);
  for (int i = 0; i < samples; ++i) sent[i] = static_cast<short>((i * 7919 + 13) & 0xFFFF);
  std::vector<unsigned char> frames(static_cast<size_t>(samples) * 4);
  FrameSamples(sent.data(), samples, frames.data());
  const std::string raw = dir.write("in.raw", std::string(frames.begin(), frames.end()));
  setenv("ALSA_CONFIG_PATH", dir.write("alsa.conf", AlsaConfig(raw)).c_str(), 1);
  dir.write("proc/cards",
            " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n"
            "                      HDA Intel PCH at 0xf7f10000 irq 32\n"
            " 1 [Device         ]: USB-Audio - USB Device 0x16c0:0xa3e\n"
            "                      USB Device 0x16c0:0xa3e at usb-0000:00:14.0-1, full speed\n");
  dir.write("proc/card1/usbid", "16c0:0a3e\n");

  MessageRecorder messages;
  CSoundIn sc;
  sc.SetProcRoot(dir.file("proc"));
  ASSERT_TRUE(sc.Open());
  EXPECT_EQ(sc.cardDevice, "/dev/dsp1");
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!sc.CheckBuffers() && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  // The first block the device delivered is the first 2 seconds of its signal.
  std::vector<short> got;
  short s;
  while (sc.ReadSample(s)) got.push_back(s);
  EXPECT_EQ(got, std::vector<short>(sent.begin(), sent.begin() + kFramesPerBlock / 2));
  sc.Close();
  EXPECT_EQ(sc.stream, nullptr);
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
