#include "fax/wxfft.h"

#include <cmath>
#include <cstdio>

namespace {

bool IsPowerOfTwo(unsigned int x) { return x >= 2 && (x & (x - 1)) == 0; }

unsigned int NumberOfBitsNeeded(unsigned int PowerOfTwo) {
  if (PowerOfTwo < 2) {
    std::fprintf(stderr, ">>> Error in fftmisc.c: argument %d to NumberOfBitsNeeded is too small.\n",
                 PowerOfTwo);
    return 1;
  }
  for (unsigned int i = 0;; ++i) {
    if (PowerOfTwo & (1u << i)) return i;
  }
}

unsigned int ReverseBits(unsigned int index, unsigned int NumBits) {
  unsigned int rev = 0;
  for (unsigned int i = 0; i < NumBits; ++i) {
    rev = (rev << 1) | (index & 1);
    index >>= 1;
  }
  return rev;
}

bool CheckPointer(const double* p, const char* name) {
  if (p != nullptr) return true;
  std::fprintf(stderr, "Error in fft_double():  %s == 0\n", name);
  return false;
}

}  // namespace

CFFT::CFFT()
    : RealBIn(new double[kFftSize]()),
      ImagBIn(new double[kFftSize]()),
      RealBOut(new double[kFftSize]()),
      ImagBOut(new double[kFftSize]()) {}

CFFT::~CFFT() {
  delete[] RealBIn;
  delete[] ImagBIn;
  delete[] RealBOut;
  delete[] ImagBOut;
}

void CFFT::DoFFT(double* Inbuf, int count) {
  // The imaginary input lives in our own array: a larger count would overrun it.
  if (count < 0 || count > kFftSize) {
    std::fprintf(stderr, "Error in fft():  NumSamples=%u is not power of two\n",
                 static_cast<unsigned int>(count));
    return;
  }
  for (int i = 0; i < count; ++i) ImagBIn[i] = 0.0;
  fft_double(static_cast<unsigned int>(count), 0, Inbuf, ImagBIn, RealBOut, ImagBOut);
}

void CFFT::fft_double(unsigned int NumSamples, int InverseTransform, double* RealIn, double* ImagIn,
                      double* RealOut, double* ImagOut) {
  if (!IsPowerOfTwo(NumSamples)) {
    std::fprintf(stderr, "Error in fft():  NumSamples=%u is not power of two\n", NumSamples);
    return;
  }
  if (!CheckPointer(RealIn, "RealIn") || !CheckPointer(RealOut, "RealOut") ||
      !CheckPointer(ImagOut, "ImagOut")) {
    return;
  }
  const double angle_numerator = InverseTransform ? -2.0 * M_PI : 2.0 * M_PI;
  const unsigned int NumBits = NumberOfBitsNeeded(NumSamples);

  for (unsigned int i = 0; i < NumSamples; ++i) {
    const unsigned int j = ReverseBits(i, NumBits);
    RealOut[j] = RealIn[i];
    ImagOut[j] = ImagIn == nullptr ? 0.0 : ImagIn[i];
  }

  unsigned int BlockEnd = 1;
  for (unsigned int BlockSize = 2; BlockSize <= NumSamples; BlockSize <<= 1) {
    const double delta_angle = angle_numerator / BlockSize;
    const double sm2 = std::sin(-2 * delta_angle);
    const double sm1 = std::sin(-delta_angle);
    const double cm2 = std::cos(-2 * delta_angle);
    const double cm1 = std::cos(-delta_angle);
    const double w = 2 * cm1;
    for (unsigned int i = 0; i < NumSamples; i += BlockSize) {
      // Cosine recurrence for the twiddle factors, seeded with the angles -2d and -d.
      double ar2 = cm2, ar1 = cm1, ai2 = sm2, ai1 = sm1;
      for (unsigned int j = i, n = 0; n < BlockEnd; ++j, ++n) {
        const double ar0 = w * ar1 - ar2;
        ar2 = ar1;
        ar1 = ar0;
        const double ai0 = w * ai1 - ai2;
        ai2 = ai1;
        ai1 = ai0;
        const unsigned int k = j + BlockEnd;
        const double tr = ar0 * RealOut[k] - ai0 * ImagOut[k];
        const double ti = ar0 * ImagOut[k] + ai0 * RealOut[k];
        RealOut[k] = RealOut[j] - tr;
        ImagOut[k] = ImagOut[j] - ti;
        RealOut[j] += tr;
        ImagOut[j] += ti;
      }
    }
    BlockEnd = BlockSize;
  }

  if (InverseTransform) {
    for (unsigned int i = 0; i < NumSamples; ++i) {
      RealOut[i] /= NumSamples;
      ImagOut[i] /= NumSamples;
    }
  }
}
