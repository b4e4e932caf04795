// The master ring and the hand-over from the producer thread.
#include "capture/wxSoundInGTK.h"

#include "capture/audiofile.h"

#include <algorithm>
#include <cstring>
#include <new>

CSoundIn::CSoundIn() {
  buff = new (std::nothrow) SAMPLE[kBlockBytes];
  holdriff = new (std::nothrow) unsigned char[kRingAlloc];
  data.wkbuff[0] = new (std::nothrow) SAMPLE[kBlockBytes];
  data.wkbuff[1] = new (std::nothrow) SAMPLE[kBlockBytes];
  ResetRing();
  bTerminate = true;
}

CSoundIn::~CSoundIn() {
  Close();
  delete[] data.wkbuff[0];
  delete[] data.wkbuff[1];
  delete[] buff;
  delete[] holdriff;
}

void CSoundIn::ResetRing() {
  data.buffindex.store(0, std::memory_order_release);
  data.buffready[0].store(false, std::memory_order_release);
  data.buffready[1].store(false, std::memory_order_release);
  producerIndex = 0;
  wkriff2 = holdriff;
  wkriff1 = holdriff;
  riff = holdriff;
  rifcounter1 = rifcounter = rifcounter4 = rifcounter3 = 0;
}

bool CSoundIn::DeliverBlock(const SAMPLE* frames, int frameCount) {
  // The producer keeps its own alternation, in step with the drain's buffindex:
  // it only writes a buffer whose ready flag is down, so it never touches the
  // buffer being drained.
  const int w = producerIndex;
  SAMPLE* target = data.wkbuff[w];
  if (target == nullptr || frames == nullptr) return false;
  if (data.buffready[w].load(std::memory_order_acquire)) return false;
  frameCount = std::clamp(frameCount, 0, kFramesPerBlock);
  std::memcpy(target, frames, static_cast<size_t>(frameCount) * 2);
  data.blockFrames[w] = frameCount;
  data.buffready[w].store(true, std::memory_order_release);
  producerIndex = 1 - w;
  return true;
}

bool CSoundIn::CheckBuffers() {
  if (bTerminate || holdriff == nullptr) return false;
  const int b = data.buffindex.load(std::memory_order_acquire);
  if (!data.buffready[b].load(std::memory_order_acquire)) return false;
  const SAMPLE* src = data.wkbuff[b];
  const int frames = data.blockFrames[b];
  // Never overwrite samples the decoder has not read yet: the block waits until
  // there is room (a recording then waits; a live device drops its next block).
  if (rifcounter4 - rifcounter3 + frames > kRingSize) return false;
  for (int i = 0; i < frames; ++i) {
    *wkriff1++ = RingByte(src[2 * i], src[2 * i + 1]);
    ++rifcounter1;
    ++rifcounter4;
    if (rifcounter1 > kRingSize - 1) {
      rifcounter1 = 0;
      wkriff1 = wkriff2;
    }
  }
  // Lowered only after the copy, so the producer cannot refill it meanwhile.
  data.buffready[b].store(false, std::memory_order_release);
  data.buffindex.store(1 - b, std::memory_order_release);
  return true;
}

bool CSoundIn::ReadSample(short& sample) {
  bool took = false;
  if (rifcounter3 < rifcounter4) {
    const unsigned char r0 = *riff++;
    const unsigned char r1 = *riff++;
    sample = RingSample(r0, r1);
    rifcounter += 2;
    rifcounter3 += 2;
    took = true;
  }
  if (rifcounter > kRingSize - 1) {
    rifcounter = 0;
    riff = wkriff2;
  }
  return took;
}
