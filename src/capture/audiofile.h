// Plays a recording into the capture hand-over as the demodulator would.
// (Placeholder until the recording source lands.)
#pragma once

class AudioFileSource {
 public:
  virtual ~AudioFileSource() = default;
};
