// The pixel-clock period ("SSkew"): samples per intensity times 1,000,000.
//
// 22050 / 2560 samples gives 2560 intensities per second, the rate at which a
// 120 lines-per-minute line fills 1280 slots and at which the start and stop
// templates sit on 300 Hz and 450 Hz. The skew commands move it in steps of 20
// over 256 steps centred on that value; the skew box shows the step number k.
#pragma once

namespace vt::fax {

constexpr int kSkewDefault = 8613281;
constexpr int kSkewLow = 8610721;   // k = 0
constexpr int kSkewHigh = 8615841;  // k = 256
constexpr int kSkewStep = 20;

// The step number shown in the skew box: 128 at the default.
inline int SkewToK(int skew) { return (skew - kSkewLow) / kSkewStep; }
inline int KToSkew(int k) { return kSkewLow + kSkewStep * k; }

// Skew left: one step up, held at the top of the range.
inline int SkewLeft(int skew) {
  skew += kSkewStep;
  return skew > kSkewHigh - 1 ? kSkewHigh : skew;
}

// Skew right: one step down, held at the bottom of the range.
inline int SkewRight(int skew) {
  skew -= kSkewStep;
  return skew <= kSkewLow ? kSkewLow : skew;
}

}  // namespace vt::fax
