// Generator files and pictures: WAV and PGM, the test chart, the command-line tool.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "test_support.h"
#include "wefaxgen.h"

namespace {

using vt::test::TempDir;

vt::WefaxParams TinyParams() {
  vt::WefaxParams p;
  p.startToneSeconds = 0.2;
  p.phasingLines = 2;
  p.stopToneSeconds = 0.2;
  p.blackSeconds = 0.1;
  p.snrDb = 20;
  return p;
}

std::vector<short> ReadWav(const std::string& path, SF_INFO& info) {
  info = {};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) return {};
  std::vector<short> samples(static_cast<size_t>(info.frames * info.channels));
  samples.resize(static_cast<size_t>(sf_read_short(file, samples.data(), samples.size())));
  sf_close(file);
  return samples;
}

TEST(GeneratorWav, RoundTripsThroughLibsndfileAsMono16BitPcm) {
  TempDir dir;
  const vt::WefaxParams p = TinyParams();
  const vt::GreyPicture chart = vt::MakeTestChart(200, 3);
  const std::vector<float> signal = vt::GenerateWefax(chart, p);
  std::string error;
  ASSERT_TRUE(vt::WriteWav(dir.file("whole.wav"), signal, p.sampleRate, error)) << error;

  SF_INFO info;
  const std::vector<short> read = ReadWav(dir.file("whole.wav"), info);
  EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  EXPECT_EQ(info.channels, 1);
  EXPECT_EQ(info.samplerate, 11025);
  const std::vector<std::int16_t> expected = vt::ToPcm16(signal);
  ASSERT_EQ(read.size(), expected.size());
  EXPECT_TRUE(std::equal(read.begin(), read.end(), expected.begin()));

  // Streaming from the modulator writes the very same file.
  vt::WefaxModulator modulator(chart, p);
  ASSERT_TRUE(vt::WriteWav(dir.file("streamed.wav"), modulator, error)) << error;
  EXPECT_EQ(vt::test::ReadFile(dir.file("streamed.wav")),
            vt::test::ReadFile(dir.file("whole.wav")));
}

TEST(GeneratorWav, ReportsAFolderItCannotWriteInto) {
  std::string error;
  EXPECT_FALSE(vt::WriteWav("/nonexistent-folder/out.wav", std::vector<float>(10), 11025, error));
  EXPECT_NE(error.find("/nonexistent-folder/out.wav"), std::string::npos) << error;
}

TEST(GeneratorPgm, ReadsWhatItWritesAndCommentedOrDeepFiles) {
  TempDir dir;
  const vt::GreyPicture chart = vt::MakeTestChart(37, 11);
  std::string error;
  ASSERT_TRUE(vt::WritePgm(dir.file("chart.pgm"), chart, error)) << error;
  vt::GreyPicture read;
  ASSERT_TRUE(vt::ReadPgm(dir.file("chart.pgm"), read, error)) << error;
  EXPECT_EQ(read.width, 37);
  EXPECT_EQ(read.height, 11);
  EXPECT_EQ(read.pixels, chart.pixels);

  const std::string deep = std::string("P5\n# made by hand\n2 1\n# depth\n65535\n") +
                           std::string("\xff\xff\x80\x00", 4);
  ASSERT_TRUE(vt::ReadPgm(dir.write("deep.pgm", deep), read, error)) << error;
  EXPECT_EQ(read.pixels, (std::vector<std::uint8_t>{255, 127}));
}

TEST(GeneratorPgm, RefusesBrokenFilesWithAMessage) {
  TempDir dir;
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"text pgm", "P2\n2 2\n255\n0 0 0 0\n"},
      {"truncated data", "P5\n4 4\n255\n" + std::string(10, '\0')},
      {"huge size", "P5\n100000 100000\n255\n" + std::string(16, '\0')},
      {"largest size, little data", "P5\n20000 20000\n65535\n" + std::string(16, '\0')},
      {"zero width", "P5\n0 4\n255\n"},
      {"zero maxval", "P5\n2 2\n0\n" + std::string(4, '\0')},
      {"header cut short", "P5\n2"},
      {"letters in header", "P5\nab 2\n255\n"},
  };
  for (const auto& [what, bytes] : cases) {
    vt::GreyPicture picture;
    std::string error;
    EXPECT_FALSE(vt::ReadPgm(dir.write("bad.pgm", bytes), picture, error)) << what;
    EXPECT_FALSE(error.empty()) << what;
  }
  vt::GreyPicture picture;
  std::string error;
  EXPECT_FALSE(vt::ReadPgm(dir.file("missing.pgm"), picture, error));
}

TEST(GeneratorPng, ReadsWhatItWritesAndTellsPngFromPgm) {
  if (!vt::PngSupported()) GTEST_SKIP() << "built without libpng";
  TempDir dir;
  const vt::GreyPicture chart = vt::MakeTestChart(64, 9);
  std::string error;
  ASSERT_TRUE(vt::WritePng(dir.file("chart.png"), chart, error)) << error;
  ASSERT_TRUE(vt::WritePgm(dir.file("chart.pgm"), chart, error)) << error;
  for (const char* name : {"chart.png", "chart.pgm"}) {
    vt::GreyPicture read;
    ASSERT_TRUE(vt::ReadPicture(dir.file(name), read, error)) << name << ": " << error;
    EXPECT_EQ(read.width, 64);
    EXPECT_EQ(read.height, 9);
    EXPECT_EQ(read.pixels, chart.pixels) << name;
  }
  const std::string png = vt::test::ReadFile(dir.file("chart.png"));
  vt::GreyPicture read;
  EXPECT_FALSE(vt::ReadPicture(dir.write("cut.png", png.substr(0, png.size() / 2)), read, error));
  EXPECT_FALSE(error.empty());
}

TEST(TestChart, HasBorderBarsRampAndBlocksAtAnySize) {
  const vt::GreyPicture chart = vt::MakeTestChart(1809, 400);
  ASSERT_EQ(chart.pixels.size(), 1809u * 400);
  for (int y : {0, 200, 399}) {
    EXPECT_EQ(chart.at(0, y), 0);
    EXPECT_EQ(chart.at(1808, y), 0);
  }
  EXPECT_EQ(chart.at(900, 0), 0);
  EXPECT_EQ(chart.at(900, 399), 0);
  // Grey ramp in the middle rises from black to white.
  const int ramp = 200;
  for (int x = 40; x < 1760; x += 40) EXPECT_LE(chart.at(x, ramp), chart.at(x + 40, ramp));
  EXPECT_LT(chart.at(40, ramp), 20);
  EXPECT_GT(chart.at(1760, ramp), 235);
  // Bars at the top alternate black and white.
  int switches = 0;
  for (int x = 31; x < 1778; ++x) switches += chart.at(x, 80) != chart.at(x - 1, 80);
  EXPECT_GE(switches, 30);
  // Text blocks cover part, not all, of the lower band.
  long dark = 0;
  for (int y = 280; y < 360; ++y)
    for (int x = 40; x < 1760; ++x) dark += chart.at(x, y) == 0;
  EXPECT_GT(dark, 1720L * 80 / 10);
  EXPECT_LT(dark, 1720L * 80 * 9 / 10);

  for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {5, 1}, {0, 4}, {3, 0}}) {
    const vt::GreyPicture small = vt::MakeTestChart(w, h);
    EXPECT_EQ(small.pixels.size(), static_cast<size_t>(w) * h);
  }
}

TEST(ResampleRow, KeepsLevelsAndAveragesWhatItShrinks) {
  const std::uint8_t row[] = {0, 255, 0, 255, 100, 100};
  EXPECT_EQ(vt::ResampleRow(row, 6, 3), (std::vector<std::uint8_t>{128, 128, 100}));
  EXPECT_EQ(vt::ResampleRow(row, 6, 6), std::vector<std::uint8_t>(row, row + 6));
  const std::uint8_t two[] = {0, 255};
  EXPECT_EQ(vt::ResampleRow(two, 2, 4), (std::vector<std::uint8_t>{0, 0, 255, 255}));
  const std::vector<std::uint8_t> three = vt::ResampleRow(two, 2, 3);
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[0], 0);
  EXPECT_NEAR(three[1], 127.5, 0.5);
  EXPECT_EQ(three[2], 255);
}

// Runs the command-line tool; returns its exit status.
int RunGenerator(const std::string& arguments) {
  const std::string command = std::string(WEFAX_GEN_PATH) + " " + arguments + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(GeneratorTool, WritesTheAskedRecordingOrExplainsWhyNot) {
  TempDir dir;
  const std::string out = dir.file("out.wav");
  ASSERT_EQ(RunGenerator("--ioc 288 --lpm 240 --rate 22050 --snr 30 --phasing-lines 4 "
                         "--lead 0.5 --test-chart 904x8 -o " + out), 0);
  SF_INFO info;
  const std::vector<short> samples = ReadWav(out, info);
  EXPECT_EQ(info.samplerate, 22050);
  // 0.5 s lead, 5 s start, 4 + 8 lines at 240 per minute (3 s), 5 s stop, 10 s black.
  EXPECT_EQ(samples.size(), 47u * 22050 / 2);

  vt::GreyPicture picture(50, 3, 0);
  std::string error;
  ASSERT_TRUE(vt::WritePgm(dir.file("in.pgm"), picture, error));
  EXPECT_EQ(RunGenerator("--phasing-lines 0 --picture " + dir.file("in.pgm") + " -o " + out), 0);

  const std::string to = " -o " + out;
  EXPECT_EQ(RunGenerator("--test-chart 10x10"), 2);  // no output
  EXPECT_EQ(RunGenerator("--lpm 100" + to), 2);      // unsupported speed
  EXPECT_EQ(RunGenerator("--snr loud" + to), 2);     // not a number
  EXPECT_EQ(RunGenerator("--colour red" + to), 2);   // unknown option
  EXPECT_EQ(RunGenerator("--ioc"), 2);               // missing value
  EXPECT_EQ(RunGenerator("--test-chart 0x10" + to), 1);
  EXPECT_EQ(RunGenerator("--test-chart 99999x10" + to), 1);
  EXPECT_EQ(RunGenerator("--picture " + dir.file("none.pgm") + to), 1);
  EXPECT_EQ(RunGenerator("--test-chart 10x10 -o " + dir.file("no/such/out.wav")), 1);
}

}  // namespace
