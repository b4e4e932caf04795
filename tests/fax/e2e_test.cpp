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
#include "test_support.h"
#include "wefaxgen.h"

namespace vt::fax {
namespace {

// A grey picture as doubles, rows top-down.
struct Plane {
  int width = 0, height = 0;
  std::vector<double> v;
  double at(int x, int y) const { return v[static_cast<size_t>(y) * width + x]; }
};

// Rows 1 .. pixy - 2 of the reception image, as the reception file holds them.
Plane Received(const FaxImage& image, unsigned long pixy) {
  Plane p{image.width, SavedRows(image, pixy), {}};
  for (int y = 1; y <= p.height; ++y) p.v.insert(p.v.end(), image.Row(y), image.Row(y) + image.width);
  return p;
}

// The source chart as the receiver should show it: 1280 slots per line and
// `rows` rows (linear interpolation between lines).
Plane Expected(const GreyPicture& chart, int rows) {
  Plane p{kLineSlots, rows, {}};
  std::vector<std::vector<uint8_t>> lines;
  for (int y = 0; y < chart.height; ++y) lines.push_back(ResampleRow(&chart.pixels[static_cast<size_t>(y) * chart.width], chart.width, kLineSlots));
  const double f = static_cast<double>(chart.height) / rows;
  for (int j = 0; j < rows; ++j) {
    const double y = std::clamp((j + 0.5) * f - 0.5, 0.0, chart.height - 1.0);
    const int y0 = static_cast<int>(y), y1 = std::min(y0 + 1, chart.height - 1);
    const double w = y - y0;
    for (int x = 0; x < kLineSlots; ++x) p.v.push_back((1 - w) * lines[y0][x] + w * lines[y1][x]);
  }
  return p;
}

// Pearson correlation of `rows` rows of a (from row ay, shifted right by dx,
// wrapping) against b (from row by).
double Correlation(const Plane& a, int ay, int dx, const Plane& b, int by, int rows) {
  double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  int n = 0;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < b.width; ++x) {
      const double va = a.at((x + dx + a.width) % a.width, ay + y), vb = b.at(x, by + y);
      sa += va, sb += vb, saa += va * va, sbb += vb * vb, sab += va * vb;
      ++n;
    }
  }
  const double cov = sab - sa * sb / n, da = saa - sa * sa / n, db = sbb - sb * sb / n;
  return da > 0 && db > 0 ? cov / std::sqrt(da * db) : 0;
}

std::vector<double> RowMeans(const Plane& p) {
  std::vector<double> m(p.height);
  for (int y = 0; y < p.height; ++y) {
    m[y] = std::accumulate(p.v.begin() + static_cast<long>(y) * p.width, p.v.begin() + static_cast<long>(y + 1) * p.width, 0.0) / p.width;
  }
  return m;
}

// Where the expected picture sits in the received one.
struct Fit {
  int dy = 0;       // first received row of the picture
  int dx = 0;       // received column of the picture's left edge
  int dxTop = 0, dxBottom = 0;  // the same from the top and bottom thirds
  int rows = 0;                 // rows compared
  double correlation = 0;
};

int BestShift(const Plane& got, int gy, const Plane& want, int wy, int rows) {
  int best = 0;
  double bestC = -2;
  for (int dx = -100; dx <= 100; ++dx) {
    const double c = Correlation(got, gy, dx, want, wy, rows);
    if (c > bestC) bestC = c, best = dx;
  }
  return best;
}

// The reception ends inside the stop tone, so the picture's last rows may be
// missing: at least 95 % of them must be there.
Fit Locate(const Plane& got, const Plane& want) {
  Fit fit;
  // Vertical place from the row means, horizontal shift from whole rows.
  const std::vector<double> gm = RowMeans(got), wm = RowMeans(want);
  const int minRows = want.height * 95 / 100;
  double bestC = -1e300;
  for (int dy = 0; dy + minRows <= got.height; ++dy) {
    const int rows = std::min(want.height, got.height - dy);
    double c = 0;
    for (int y = 0; y < rows; ++y) c -= std::fabs(gm[dy + y] - wm[y]);
    c /= rows;
    if (c > bestC) bestC = c, fit.dy = dy, fit.rows = rows;
  }
  const int third = fit.rows / 3;
  fit.dx = BestShift(got, fit.dy, want, 0, fit.rows);
  fit.dxTop = BestShift(got, fit.dy, want, 0, third);
  fit.dxBottom = BestShift(got, fit.dy + 2 * third, want, 2 * third, third);
  fit.correlation = Correlation(got, fit.dy, fit.dx, want, 0, fit.rows);
  return fit;
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

// The rows of a reception file, top-down.
Plane ReadReceptionFile(const std::string& path) {
  const std::string b = vt::test::ReadFile(path);
  Plane p;
  if (b.size() < 1078) return p;
  auto u32 = [&](size_t at) {
    return static_cast<int>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
                            static_cast<uint8_t>(b[at + 2]) << 16);
  };
  p.width = u32(18);
  p.height = u32(22);
  if (b.size() != 1078 + static_cast<size_t>(p.width) * p.height) return Plane{};
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) p.v.push_back(static_cast<uint8_t>(b[1078 + static_cast<size_t>(y) * p.width + x]));
  }
  return p;
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
