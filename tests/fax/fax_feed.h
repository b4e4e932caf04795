// Feeding samples and intensities to the fax chain without a device.
#pragma once

#include <functional>
#include <vector>

#include "capture/wxSoundInGTK.h"
#include "fax/faxdecoder.h"

namespace vt::fax::test {

// Opens the ring for draining as Open would after the stream starts.
void ArmRing(CSoundIn& sc);

// Sends samples through the capture hand-over the demodulator's way and runs
// the decoder's ticks until everything sent has been read.
void FeedSamples(CSoundIn& sc, CFaxDecoder& fax, const std::vector<short>& samples);

// Continuous-phase tone whose frequency (Hz) is given per sample index.
std::vector<short> FmSignal(size_t count, const std::function<double(size_t)>& freqAt,
                            double amplitude = 12000);
inline std::vector<short> SteadyTone(double hz, size_t count) {
  return FmSignal(count, [hz](size_t) { return hz; });
}

// Intensity lines (1280 slots each) for the line assembler; intensity 255 is
// black and 0 white, as the demodulator emits them.
using Line = std::vector<unsigned char>;
Line FlatLine(unsigned char intensity);
// Alternating black and white with the given period in slots (a tone).
Line ToneLine(double periodSlots);
// The phasing line: white pulse of `width` slots at `start`, rest black.
Line PhasingLine(int start, int width = 64);

// Hands lines to Process in blocks of 2560 (a last partial block too).
void ProcessLines(CFaxDecoder& fax, const std::vector<Line>& lines);

}  // namespace vt::fax::test
