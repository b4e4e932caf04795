// Opening and closing the demodulator or a recording; locating the demodulator.
// (Placeholder until the device layer lands.)
#include "capture/wxSoundInGTK.h"

#include "capture/audiofile.h"

bool CSoundIn::Open() { return false; }
void CSoundIn::Close() {}
bool CSoundIn::FindHID() { return false; }
void CSoundIn::SetAudioFile(const std::string& path, double shiftHz, bool realtime) {
  audioPath = path;
  audioShiftHz = shiftHz;
  audioRealtime = realtime;
}
void CSoundIn::ClearAudioFile() { audioPath.clear(); }
bool CSoundIn::SourceFinished() const { return false; }
