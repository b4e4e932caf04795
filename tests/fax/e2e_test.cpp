// End to end: a generated broadcast decoded by the chain (and by the headless
// decoder) comes back aligned by the phasing pulse, unslanted and close to the
// source picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <sys/wait.h>

#include "fax/faxdecoder.h"
#include "fax/skew.h"
#include "fax_feed.h"
#include "picture_match.h"
#include "test_support.h"
#include "wefaxgen.h"

namespace vt::fax {
namespace {

using vt::test::Fit;
using vt::test::Locate;
using vt::test::Plane;
using vt::test::ReadReceptionFile;

Plane Expected(const GreyPicture& chart, int rows) {
  return vt::test::Expected(chart, rows, kLineSlots);
}

// Rows 1 .. pixy - 2 of the reception image, as the reception file holds them.
Plane Received(const FaxImage& image, unsigned long pixy) {
  Plane p{image.width, SavedRows(image, pixy), {}};
  for (int y = 1; y <= p.height; ++y) p.v.insert(p.v.end(), image.Row(y), image.Row(y) + image.width);
  return p;
}

struct Decoded {
  CSoundIn sc;
  NullFaxHost host;
  CFaxDecoder fax{sc, host};
};

// Generates a broadcast of the test chart (black 1600 Hz, white 2400 Hz) and
// decodes it with automatic start.
void DecodeBroadcast(Decoded& d, const GreyPicture& chart, int ioc, std::optional<double> snr,
                     bool filter = false, int lpm = 120) {
  WefaxParams params;
  params.ioc = ioc;
  params.lpm = lpm;
  params.sampleRate = 22050;
  params.blackHz = 1600;
  params.whiteHz = 2400;
  params.phasingLines = 20;
  params.blackSeconds = 2;
  params.snrDb = snr;
  const std::vector<int16_t> pcm = ToPcm16(GenerateWefax(chart, params));
  d.fax.ioc = std::to_string(ioc);
  d.fax.bFilter = filter;
  d.fax.speed = std::to_string(lpm);
  test::ArmRing(d.sc);
  d.fax.StartReception(kSkewDefault);
  d.fax.AutoStartEngaged = true;
  test::FeedSamples(d.sc, d.fax, std::vector<short>(pcm.begin(), pcm.end()));
}

// The received picture holds the chart (scaled to `rows` rows), its lines
// starting within maxShift slots of the chart's left edge and not slanted.
void ExpectFaithful(const Decoded& d, const GreyPicture& chart, int rows, double minCorrelation,
                    int maxShift) {
  EXPECT_TRUE(d.fax.StartToneSeen);
  EXPECT_TRUE(d.fax.PhasingFound);
  EXPECT_EQ(d.fax.EndReason, FaxEnd::StopTone);
  const Plane got = Received(d.fax.m_hDIB, d.fax.pixy);
  const Plane want = Expected(chart, rows);
  ASSERT_GE(got.height, want.height * 95 / 100);
  const Fit fit = Locate(got, want);
  EXPECT_LE(std::abs(fit.dx), maxShift) << "dx " << fit.dx;
  EXPECT_LE(std::abs(fit.dxTop - fit.dxBottom), 2) << "slant " << fit.dxTop << " " << fit.dxBottom;
  EXPECT_GT(fit.correlation, minCorrelation) << "dx " << fit.dx << " dy " << fit.dy << " rows " << fit.rows;
}

TEST(EndToEnd, Ioc576ChartComesBackAlignedAndStraight) {
  const GreyPicture chart = MakeTestChart(PixelsPerLine(576), 120);
  Decoded d;
  DecodeBroadcast(d, chart, 576, std::nullopt);
  ExpectFaithful(d, chart, 80, 0.9, 4);
}

TEST(EndToEnd, Ioc288ChartComesBackAlignedAndStraight) {
  const GreyPicture chart = MakeTestChart(PixelsPerLine(288), 60);
  Decoded d;
  DecodeBroadcast(d, chart, 288, std::nullopt);
  ExpectFaithful(d, chart, 90, 0.9, 4);
}

// With the noise filter on; noise in the pulse may move the line start within
// the pulse's 64 slots.
TEST(EndToEnd, ChartIsStillReadableAt10dB) {
  const GreyPicture chart = MakeTestChart(PixelsPerLine(576), 120);
  Decoded d;
  DecodeBroadcast(d, chart, 576, 10.0, /*filter*/ true);
  ExpectFaithful(d, chart, 80, 0.9, 64);
}

// Start tone, phasing and stop tone are heard at every speed (the tones in
// hertz, not in slots). At 240 lines per minute only averaged lines are rows.
TEST(EndToEnd, OtherSpeedsStartAndStopToo) {
  const struct {
    int lpm;
    int rows;
    int maxShift;  // two slots per intensity at 240
  } table[] = {{60, 40, 4}, {90, 40, 4}, {240, 20, 8}};
  const GreyPicture chart = MakeTestChart(PixelsPerLine(576), 60);
  for (const auto& c : table) {
    SCOPED_TRACE(c.lpm);
    Decoded d;
    DecodeBroadcast(d, chart, 576, std::nullopt, false, c.lpm);
    ExpectFaithful(d, chart, c.rows, 0.85, c.maxShift);
  }
}

// --- the headless decoder on recordings ---

struct DecodeRun {
  int status = -1;
  std::string out;
};

// Runs vantorel-decode with the arguments; stdout and stderr together.
DecodeRun Decode(const std::string& args) {
  DecodeRun run;
  FILE* p = popen((std::string(VANTOREL_DECODE) + " " + args + " 2>&1").c_str(), "r");
  if (p == nullptr) return run;
  char buf[512];
  while (std::fgets(buf, sizeof buf, p) != nullptr) run.out += buf;
  const int st = pclose(p);
  run.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return run;
}

// A broadcast with the common 1500/2300 Hz tones, as other modulators send it.
std::string WriteBroadcast(const vt::test::TempDir& dir, const GreyPicture& chart, int rate) {
  WefaxParams params;
  params.sampleRate = rate;
  params.phasingLines = 20;
  params.blackSeconds = 2;
  const std::string path = dir.file("fax.wav");
  std::string error;
  EXPECT_TRUE(WriteWav(path, GenerateWefax(chart, params), rate, error)) << error;
  return path;
}

TEST(HeadlessDecoder, StandardRecordingBecomesAPhasedPicture) {
  vt::test::TempDir dir;
  const GreyPicture chart = MakeTestChart(PixelsPerLine(576), 120);
  const std::string wav = WriteBroadcast(dir, chart, 11025);
  const DecodeRun run = Decode("fax --autostart --shift 100 --png " + dir.file("fax.png") + " -o " +
                         dir.file("fax.dib") + " " + wav);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("start tone found, phasing found, ended by stop tone"), std::string::npos)
      << run.out;
  EXPECT_TRUE(vt::test::FileExists(dir.file("fax.png")));
  const Plane got = ReadReceptionFile(dir.file("fax.dib"));
  ASSERT_EQ(got.width, kLineSlots);
  const Plane want = Expected(chart, 80);
  ASSERT_GE(got.height, want.height * 95 / 100);
  const Fit fit = Locate(got, want);
  EXPECT_LE(std::abs(fit.dx), 4);
  EXPECT_LE(std::abs(fit.dxTop - fit.dxBottom), 2);
  EXPECT_GT(fit.correlation, 0.9);
}

// Silence gives black rows by hand but no start under automatic start; a
// recording cut short mid-line still gives what arrived.
TEST(HeadlessDecoder, PoorRecordingsEndCleanly) {
  vt::test::TempDir dir;
  std::string error;
  const std::string silence = dir.file("silence.wav");
  ASSERT_TRUE(WriteWav(silence, std::vector<float>(11025 * 8, 0.0f), 11025, error)) << error;
  DecodeRun run = Decode("fax -o " + dir.file("s.dib") + " " + silence);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("ended by end of recording"), std::string::npos) << run.out;
  run = Decode("fax --autostart -o " + dir.file("a.dib") + " " + silence);
  EXPECT_NE(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("no picture"), std::string::npos) << run.out;
  EXPECT_FALSE(vt::test::FileExists(dir.file("a.dib")));

  // The broadcast's WAV cut in the middle of a picture line.
  const std::string wav = WriteBroadcast(dir, MakeTestChart(PixelsPerLine(576), 60), 11025);
  const std::string bytes = vt::test::ReadFile(wav);
  const std::string cut = dir.write("cut.wav", bytes.substr(0, bytes.size() * 2 / 3 + 1001));
  run = Decode("fax --autostart --shift 100 -o " + dir.file("c.dib") + " " + cut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("phasing found, ended by end of recording"), std::string::npos) << run.out;
  EXPECT_GT(ReadReceptionFile(dir.file("c.dib")).height, 10);
}

TEST(HeadlessDecoder, BadArgumentsAndInputsAreRefused) {
  vt::test::TempDir dir;
  const std::string junk = dir.write("junk.wav", std::string(5000, 'x'));
  const struct {
    std::string args;
    std::string says;
  } table[] = {
      {"", "fax"},
      {"fax " + junk, "-o"},
      {"fax -o " + dir.file("o.dib"), "input"},
      {"fax --ioc 100 -o o.dib " + junk, "--ioc"},
      {"fax --lpm 100 -o o.dib " + junk, "--lpm"},
      {"fax --sskew 1 -o o.dib " + junk, "--sskew"},
      {"fax --shift abc -o o.dib " + junk, "--shift"},
      {"fax --bogus -o o.dib " + junk, "--bogus"},
      {"fax -o", "-o"},
      {"fax -o " + dir.file("o.dib") + " " + dir.file("missing.wav"), "missing.wav"},
      {"fax -o " + dir.file("o.dib") + " " + junk, "junk.wav"},
  };
  for (const auto& c : table) {
    const DecodeRun run = Decode(c.args);
    EXPECT_EQ(run.status, 2) << c.args << "\n" << run.out;
    EXPECT_NE(run.out.find(c.says), std::string::npos) << c.args << "\n" << run.out;
  }
  EXPECT_FALSE(vt::test::FileExists(dir.file("o.dib")));
}

}  // namespace
}  // namespace vt::fax
