// Fourier transform for the "Frequency" spectrum display.
#pragma once

// Largest transform the object's own arrays hold.
constexpr int kFftSize = 16384;

class CFFT {
 public:
  CFFT();
  virtual ~CFFT();
  CFFT(const CFFT&) = delete;
  CFFT& operator=(const CFFT&) = delete;

  // Forward transform of count real samples (a power of two, at most kFftSize);
  // the result is left in RealBOut and ImagBOut.
  void DoFFT(double* Inbuf, int count);

  // Iterative radix-2 complex transform. ImagIn may be null (zeros). The
  // inverse divides every output by NumSamples. Bad arguments are reported on
  // stderr and leave the outputs untouched.
  void fft_double(unsigned int NumSamples, int InverseTransform, double* RealIn, double* ImagIn,
                  double* RealOut, double* ImagOut);

  double* RealBIn;
  double* ImagBIn;
  double* RealBOut;
  double* ImagBOut;
};
