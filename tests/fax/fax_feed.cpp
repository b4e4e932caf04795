#include "fax_feed.h"

#include <algorithm>
#include <cmath>

namespace vt::fax::test {

void ArmRing(CSoundIn& sc) {
  sc.ResetRing();
  sc.bTerminate = false;
}

void FeedSamples(CSoundIn& sc, CFaxDecoder& fax, const std::vector<short>& samples) {
  const size_t perBlock = kFramesPerBlock / 2;
  std::vector<SAMPLE> frames;
  for (size_t start = 0; start < samples.size() && fax.IsReceiving; start += perBlock) {
    const size_t n = std::min(perBlock, samples.size() - start);
    frames.clear();
    for (size_t i = 0; i < n; ++i) {
      const auto u = static_cast<unsigned short>(samples[start + i]);
      const auto lo = static_cast<SAMPLE>(u & 0xFF);
      const auto hi = static_cast<SAMPLE>(u >> 8);
      frames.insert(frames.end(), {lo, lo, hi, hi});
    }
    while (!sc.DeliverBlock(frames.data(), static_cast<int>(frames.size() / 2))) {
      if (!fax.IsReceiving) return;
      fax.PLL();
    }
    while (fax.PLL()) {
    }
  }
  while (fax.PLL()) {
  }
}

std::vector<short> FmSignal(size_t count, const std::function<double(size_t)>& freqAt,
                            double amplitude) {
  std::vector<short> out(count);
  double phase = 0.3;
  for (size_t i = 0; i < count; ++i) {
    phase += 2 * M_PI * freqAt(i) / 22050.0;
    out[i] = static_cast<short>(std::lround(amplitude * std::sin(phase)));
  }
  return out;
}

Line FlatLine(unsigned char intensity) { return Line(kLineSlots, intensity); }

Line ToneLine(double periodSlots) {
  Line l(kLineSlots);
  for (int i = 0; i < kLineSlots; ++i) l[i] = std::fmod(i, periodSlots) < periodSlots / 2 ? 0 : 255;
  return l;
}

Line PhasingLine(int start, int width) {
  Line l(kLineSlots, 255);
  for (int i = 0; i < width; ++i) l[(start + i) % kLineSlots] = 0;
  return l;
}

void ProcessLines(CFaxDecoder& fax, const std::vector<Line>& lines) {
  std::vector<unsigned char> stream;
  for (const Line& l : lines) stream.insert(stream.end(), l.begin(), l.end());
  for (size_t at = 0; at < stream.size() && fax.IsReceiving; at += kBlock) {
    const int n = static_cast<int>(std::min<size_t>(kBlock, stream.size() - at));
    fax.Process(stream.data() + at, n);
  }
}

}  // namespace vt::fax::test
