#include <gtest/gtest.h>

#include <vector>

#include "capture/wxSoundInGTK.h"

namespace {

// Opens the ring for draining without a device (what Open does after the stream starts).
void ArmRing(CSoundIn& sc) {
  sc.ResetRing();
  sc.bTerminate = false;
}

TEST(RingArithmetic, FrameBytesAndSamples) {
  EXPECT_EQ(RingByte(0x10, 0x30), 0x20);
  EXPECT_EQ(RingByte(0xFF, 0xFF), 0xFF);
  EXPECT_EQ(RingByte(0x01, 0x02), 0x01);
  EXPECT_EQ(RingSample(0x00, 0x80), -32768);
  EXPECT_EQ(RingSample(0xFF, 0x7F), 32767);
  EXPECT_EQ(RingSample(0xFF, 0xFF), -1);
}

TEST(Ring, DrainedBlockReadsBackAsSamples) {
  CSoundIn sc;
  ArmRing(sc);
  // Samples sent the demodulator's way: each byte twice, low byte first.
  std::vector<short> sent = {0, 1, -1, 32767, -32768, 1234};
  std::vector<SAMPLE> frames;
  for (short s : sent) {
    const auto u = static_cast<unsigned short>(s);
    for (unsigned char b : {static_cast<unsigned char>(u & 0xFF), static_cast<unsigned char>(u >> 8)}) {
      frames.push_back(b);
      frames.push_back(b);
    }
  }
  ASSERT_TRUE(sc.DeliverBlock(frames.data(), static_cast<int>(frames.size() / 2)));
  EXPECT_FALSE(sc.SampleAvailable());
  ASSERT_TRUE(sc.CheckBuffers());
  EXPECT_FALSE(sc.CheckBuffers());
  std::vector<short> got;
  short s;
  while (sc.ReadSample(s)) got.push_back(s);
  EXPECT_EQ(got, sent);
}

}  // namespace
