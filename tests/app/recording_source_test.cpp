// Started with --audio-file, the program captures the recording instead of the
// demodulator: its samples reach the ring exactly.
#include <gtest/gtest.h>

#include <sndfile.h>
#include <wx/wx.h>

#include <cmath>
#include <vector>

#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"

namespace {

TEST(RecordingSource, SamplesReachTheRingBitExactly) {
  vantorelFrame* frame = wxGetApp().GetMainFrame();
  ASSERT_TRUE(frame->sc.UsingAudioFile());
  std::vector<short> sent(30000);
  for (size_t i = 0; i < sent.size(); ++i)
    sent[i] = static_cast<short>(12000 * std::sin(i * 0.37) + (i % 7) - 3);
  SF_INFO info{};
  info.samplerate = 22050;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  const wxString path = wxGetApp().AudioFile();
  SNDFILE* file = sf_open(path.utf8_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr);
  sf_write_short(file, sent.data(), static_cast<sf_count_t>(sent.size()));
  sf_close(file);

  ASSERT_TRUE(frame->sc.Open());
  std::vector<short> got;
  const wxLongLong deadline = wxGetLocalTimeMillis() + 20000;
  while (got.size() < sent.size() && wxGetLocalTimeMillis() < deadline) {
    frame->sc.CheckBuffers();
    short s;
    while (frame->sc.ReadSample(s)) got.push_back(s);
    wxMilliSleep(5);
  }
  frame->sc.Close();
  EXPECT_EQ(got, sent);
}

}  // namespace
