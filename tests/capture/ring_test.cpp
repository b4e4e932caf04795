#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "capture/audiofile.h"
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

// A sample for every position of the stream, covering all byte values.
short PatternSample(long index) { return static_cast<short>((index * 7919 + 13) & 0xFFFF); }

// Frames of `samples` pattern samples starting at sample `first`.
std::vector<SAMPLE> PatternFrames(long first, int samples) {
  std::vector<short> values(samples);
  for (int i = 0; i < samples; ++i) values[i] = PatternSample(first + i);
  std::vector<SAMPLE> frames(static_cast<size_t>(samples) * 4);
  FrameSamples(values.data(), samples, frames.data());
  return frames;
}

// Reads every available sample, checking it against the pattern; returns the next index.
long ReadPattern(CSoundIn& sc, long expect) {
  short s = 0;
  while (sc.ReadSample(s)) {
    if (s != PatternSample(expect)) {
      ADD_FAILURE() << "sample " << expect << " is " << s;
      return -1;
    }
    ++expect;
  }
  return expect;
}

TEST(Ring, WriterAndReaderWrapTogetherAt900002Bytes) {
  struct Case {
    std::vector<int> blockFrames;
    int offsetAfter;  // write and read position in the ring afterwards
  };
  const int full = kFramesPerBlock;
  const std::vector<Case> cases = {
      {{full, full, full, full, full, full, full, full, full, full, 18002}, 0},
      {{full, full, full, full, full, full, full, full, full, full, 18002, 100}, 100},
      {{full, full, full, full, full, full, full, full, full, full, full}, 11 * full - kRingSize},
  };
  for (const Case& c : cases) {
    CSoundIn sc;
    ArmRing(sc);
    long sent = 0, read = 0, bytes = 0;
    for (int frames : c.blockFrames) {
      ASSERT_TRUE(sc.DeliverBlock(PatternFrames(sent, frames / 2).data(), frames));
      ASSERT_TRUE(sc.CheckBuffers());
      sent += frames / 2;
      bytes += frames;
      read = ReadPattern(sc, read);
      ASSERT_EQ(read, sent);
    }
    EXPECT_EQ(sc.rifcounter4, bytes);
    EXPECT_EQ(sc.rifcounter3, bytes);
    EXPECT_EQ(sc.rifcounter1, c.offsetAfter);
    EXPECT_EQ(sc.rifcounter, c.offsetAfter);
    EXPECT_EQ(sc.wkriff1, sc.holdriff + c.offsetAfter);
    EXPECT_EQ(sc.riff, sc.holdriff + c.offsetAfter);
    if (bytes > kRingSize) {
      // Byte 900002 of the stream (the low byte of sample 450001) went to the start.
      EXPECT_EQ(sc.holdriff[0], static_cast<unsigned short>(PatternSample(kRingSize / 2)) & 0xFF);
    }
  }
}

TEST(Ring, ReaderNeverPassesTheWriter) {
  CSoundIn sc;
  ArmRing(sc);
  short s = 777;
  EXPECT_FALSE(sc.ReadSample(s));
  ASSERT_TRUE(sc.DeliverBlock(PatternFrames(0, 3).data(), 6));
  EXPECT_FALSE(sc.ReadSample(s)) << "a delivered block is readable only after the drain";
  ASSERT_TRUE(sc.CheckBuffers());
  EXPECT_EQ(ReadPattern(sc, 0), 3);
  EXPECT_FALSE(sc.ReadSample(s));
  EXPECT_EQ(sc.rifcounter3, sc.rifcounter4);
  EXPECT_EQ(sc.riff, sc.wkriff1);
}

TEST(Ring, UnreadSamplesAreNeverOverwritten) {
  CSoundIn sc;
  ArmRing(sc);
  const int samples = kFramesPerBlock / 2;
  long next = 0;
  // Ten blocks fill 882000 of the ring's 900002 bytes; the eleventh must wait.
  for (int block = 0; block < 10; ++block) {
    const auto frames = PatternFrames(next, samples);
    next += samples;
    ASSERT_TRUE(sc.DeliverBlock(frames.data(), kFramesPerBlock));
    ASSERT_TRUE(sc.CheckBuffers());
  }
  const auto eleventh = PatternFrames(next, samples);
  ASSERT_TRUE(sc.DeliverBlock(eleventh.data(), kFramesPerBlock));
  EXPECT_FALSE(sc.CheckBuffers()) << "the block would overwrite unread samples";
  short s = 0;
  for (int i = 0; i < samples; ++i) ASSERT_TRUE(sc.ReadSample(s));
  EXPECT_TRUE(sc.CheckBuffers()) << "one block read: room again";
  EXPECT_EQ(ReadPattern(sc, samples), next + samples) << "everything still arrives in order";
}

TEST(Ring, NothingIsDrainedBeforeOpen) {
  CSoundIn sc;
  ASSERT_TRUE(sc.bTerminate);
  ASSERT_TRUE(sc.DeliverBlock(PatternFrames(0, 10).data(), 20));
  EXPECT_FALSE(sc.CheckBuffers());
  EXPECT_FALSE(sc.SampleAvailable());
}

TEST(HandOver, ProducerNeverOverwritesAnUndrainedBlock) {
  CSoundIn sc;
  ArmRing(sc);
  ASSERT_TRUE(sc.DeliverBlock(PatternFrames(0, 5).data(), 10));
  ASSERT_TRUE(sc.DeliverBlock(PatternFrames(5, 5).data(), 10));
  EXPECT_FALSE(sc.DeliverBlock(PatternFrames(999, 5).data(), 10)) << "both buffers wait";
  ASSERT_TRUE(sc.CheckBuffers());
  ASSERT_TRUE(sc.DeliverBlock(PatternFrames(10, 5).data(), 10));
  ASSERT_TRUE(sc.CheckBuffers());
  ASSERT_TRUE(sc.CheckBuffers());
  EXPECT_FALSE(sc.CheckBuffers());
  EXPECT_EQ(ReadPattern(sc, 0), 15);
}

// The producer runs on its own thread, as the audio callback does; the consumer
// drains and reads as the decoders do. Every sample must arrive once, in order.
TEST(HandOver, SecondThreadDeliversEverySampleInOrder) {
  CSoundIn sc;
  ArmRing(sc);
  const int blocks = 40;
  const int lastBlockSamples = 1234;
  const long total = static_cast<long>(blocks - 1) * (kFramesPerBlock / 2) + lastBlockSamples;
  std::thread producer([&sc] {
    long first = 0;
    for (int b = 0; b < blocks; ++b) {
      const int samples = b + 1 < blocks ? kFramesPerBlock / 2 : lastBlockSamples;
      const std::vector<SAMPLE> frames = PatternFrames(first, samples);
      while (!sc.DeliverBlock(frames.data(), samples * 2)) std::this_thread::yield();
      first += samples;
    }
  });
  // Guards against a lost block hanging the test; not a speed goal.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  long read = 0;
  while (read >= 0 && read < total && std::chrono::steady_clock::now() < giveUp) {
    if (!sc.CheckBuffers()) std::this_thread::yield();
    read = ReadPattern(sc, read);
  }
  producer.join();
  EXPECT_EQ(read, total);
  EXPECT_FALSE(sc.CheckBuffers());
}

}  // namespace
