// Speed of the fax chain (capture ring, demodulator, line assembler) on a
// 10-minute broadcast at 120 lines per minute, without any drawing. The
// counter "x_realtime" is seconds of audio decoded per second of wall time.
#include <benchmark/benchmark.h>

#include <vector>

#include "capture/wxSoundInGTK.h"
#include "fax/faxdecoder.h"
#include "wefaxgen.h"

namespace {

constexpr int kRate = 22050;

// Start tone 5 s, phasing 30 s, 1100 picture lines (550 s), stop tone 5 s,
// black 10 s: 600 s in all, as capture frames (each sample twice per byte).
const std::vector<SAMPLE>& TenMinuteBroadcast() {
  static const std::vector<SAMPLE> frames = [] {
    vt::WefaxParams params;
    params.sampleRate = kRate;
    params.blackHz = 1600;
    params.whiteHz = 2400;
    params.snrDb = 20;
    const vt::GreyPicture chart = vt::MakeTestChart(vt::PixelsPerLine(576), 1100);
    const std::vector<std::int16_t> pcm = vt::ToPcm16(vt::GenerateWefax(chart, params));
    std::vector<SAMPLE> out;
    out.reserve(pcm.size() * 4);
    for (std::int16_t s : pcm) {
      const auto u = static_cast<unsigned short>(s);
      const auto lo = static_cast<SAMPLE>(u & 0xFF), hi = static_cast<SAMPLE>(u >> 8);
      out.insert(out.end(), {lo, lo, hi, hi});
    }
    return out;
  }();
  return frames;
}

// Hands the frames over block by block and runs the decoder's ticks.
void DecodeAll(const std::vector<SAMPLE>& frames, CSoundIn& sc, vt::fax::CFaxDecoder& fax) {
  const size_t blockBytes = kFramesPerBlock * 2;
  for (size_t at = 0; at < frames.size() && fax.IsReceiving; at += blockBytes) {
    const int n = static_cast<int>(std::min(blockBytes, frames.size() - at) / 2);
    while (!sc.DeliverBlock(frames.data() + at, n) && fax.IsReceiving) fax.PLL();
    while (fax.PLL()) {
    }
  }
  while (fax.PLL()) {
  }
}

void BM_FaxChain10Minutes(benchmark::State& state) {
  const std::vector<SAMPLE>& frames = TenMinuteBroadcast();
  double audioSeconds = 0;
  for (auto _ : state) {
    CSoundIn sc;
    vt::fax::NullFaxHost host;
    vt::fax::CFaxDecoder fax(sc, host);
    fax.bFilter = state.range(0) != 0;
    sc.ResetRing();
    sc.bTerminate = false;
    fax.StartReception(vt::fax::kSkewDefault);
    fax.AutoStartEngaged = true;
    DecodeAll(frames, sc, fax);
    audioSeconds += fax.SampCount / kRate;
    benchmark::DoNotOptimize(fax.pixy);
  }
  state.counters["x_realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FaxChain10Minutes)->ArgName("filter")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
