// The whole program in child processes, each with its own HOME: first run,
// recent files, the first document, bad stored values, single instance.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include <sndfile.h>

#include <cmath>
#include <vector>

#include "test_support.h"

namespace {

using vt::test::TempDir;

std::string StorePath(const TempDir& home) { return home.file(".VANTOREL"); }

std::map<std::string, std::string> ReadStore(const TempDir& home) {
  std::map<std::string, std::string> keys;
  std::istringstream in(vt::test::ReadFile(StorePath(home)));
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos) keys[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return keys;
}

// Runs the program to its end (it quits itself after quitMs); returns the exit status.
int RunProgram(const TempDir& home, const std::string& args, int quitMs = 400) {
  const std::string cmd = "HOME='" + home.path() + "' timeout 60 '" VANTOREL_BIN "' --quick --quit-after " +
                          std::to_string(quitMs) + " " + args + " >'" + home.file("out.log") +
                          "' 2>&1";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A small valid 8-bit palette bitmap, large enough to count as a picture.
std::string SmallBitmap() {
  const int w = 32, h = 32;
  std::string b(1078 + w * h, '\0');
  auto put32 = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<uint32_t>(b.size()));
  put32(10, 1078);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  b[26] = 1;
  b[28] = 8;
  put32(46, 256);
  for (int i = 0; i < 256; ++i)
    for (int c = 0; c < 3; ++c) b[54 + 4 * i + c] = static_cast<char>(i);
  for (int i = 0; i < w * h; ++i) b[1078 + i] = static_cast<char>(i % 251);
  return b;
}

TEST(ProgramRun, FirstRunWritesDefaults) {
  TempDir home;
  ASSERT_EQ(RunProgram(home, ""), 0) << vt::test::ReadFile(home.file("out.log"));
  auto keys = ReadStore(home);
  const std::string data = home.path() + "/vantorel/";
  EXPECT_EQ(keys["WD"], data);
  EXPECT_EQ(keys["DefaultDirectory"], data);
  EXPECT_EQ(keys["TimerOn"], "OFF");
  EXPECT_EQ(keys["PTX"], "10");
  EXPECT_EQ(keys["PTY"], "10");
  EXPECT_EQ(keys["CX"], "600");
  EXPECT_EQ(keys["CY"], "400");
  EXPECT_EQ(keys["RadioBFO"], "") << "no picture opened, so no canvas and no receiver keys";
}

TEST(ProgramRun, RecentFilesComeBackAndTimerIsSwitchedOff) {
  TempDir home;
  std::string store = "TimerOn=ON\nDefaultDirectory=NOWD\n";
  for (int i = 1; i <= 7; ++i) store += "mru" + std::to_string(i) + "=/nowhere/pic" + std::to_string(i) + ".dib\n";
  home.write(".VANTOREL", store);
  ASSERT_EQ(RunProgram(home, ""), 0);
  auto keys = ReadStore(home);
  for (int i = 1; i <= 7; ++i)
    EXPECT_EQ(keys["mru" + std::to_string(i)], "/nowhere/pic" + std::to_string(i) + ".dib") << i;
  EXPECT_EQ(keys["TimerOn"], "OFF");
  EXPECT_EQ(keys["DefaultDirectory"], home.path() + "/vantorel/");
}

TEST(ProgramRun, FirstDocumentIsTheArgumentOrElseWorkfile) {
  TempDir home;
  const std::string workfile = home.write("vantorel/workfile.dib", SmallBitmap());
  const std::string other = home.write("pics/other.dib", SmallBitmap());
  home.write(".VANTOREL", "mru1=ab\n");  // two characters count as no recent file
  ASSERT_EQ(RunProgram(home, ""), 0);
  EXPECT_EQ(ReadStore(home)["mru1"], workfile);
  EXPECT_NE(ReadStore(home)["RadioBFO"], "") << "the picture's canvas writes the BFO default";

  ASSERT_EQ(RunProgram(home, "'" + other + "'"), 0);
  EXPECT_EQ(ReadStore(home)["mru1"], other);
  EXPECT_EQ(ReadStore(home)["mru2"], workfile);
}

TEST(ProgramRun, NonsenseStoredValuesFallBackToDefaults) {
  TempDir home;
  home.write(".VANTOREL", "PTX=left\nPTY=-99999999\nCX=-5\nCY=huge\nRadioPresent=maybe\n");
  ASSERT_EQ(RunProgram(home, ""), 0) << vt::test::ReadFile(home.file("out.log"));
  auto keys = ReadStore(home);
  EXPECT_EQ(keys["CX"], "600");
  EXPECT_EQ(keys["CY"], "400");
  EXPECT_EQ(keys["PTX"], "10");
}

TEST(ProgramRun, SecondInstanceEndsAtOnceAndWritesNothing) {
  TempDir home;
  std::thread first([&] { RunProgram(home, "", 5000); });
  // Wait until the first instance holds its lock.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  bool locked = false;
  while (!locked && std::chrono::steady_clock::now() < deadline) {
    for (const auto& entry : std::filesystem::directory_iterator(home.path()))
      if (entry.path().filename().string().rfind("vantorelClass", 0) == 0) locked = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(locked);
  const std::string cmd = "HOME='" + home.path() + "' '" VANTOREL_BIN "' --quick >/dev/null 2>&1";
  const int status = std::system(cmd.c_str());
  EXPECT_NE(WEXITSTATUS(status), 0);
  EXPECT_FALSE(vt::test::FileExists(StorePath(home))) << "the refused instance wrote the store";
  first.join();
  EXPECT_TRUE(vt::test::FileExists(StorePath(home)));
}

// Closing the program while a reception runs ends it through the Stop path.
TEST(ProgramRun, QuittingDuringAReceptionEndsItCleanly) {
  TempDir home;
  std::vector<short> tone(22050 * 30);
  for (size_t i = 0; i < tone.size(); ++i)
    tone[i] = static_cast<short>(10000 * std::sin(2 * M_PI * 2000.0 * i / 22050.0));
  SF_INFO info{};
  info.samplerate = 22050;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(home.file("tone.wav").c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr);
  sf_write_short(file, tone.data(), static_cast<sf_count_t>(tone.size()));
  sf_close(file);
  ASSERT_EQ(RunProgram(home, "--audio-file '" + home.file("tone.wav") + "' --receive", 6000), 0)
      << vt::test::ReadFile(home.file("out.log"));
  EXPECT_EQ(ReadStore(home)["TimerOn"], "OFF");
  EXPECT_EQ(ReadStore(home)["SerialNo"], "") << "waiting for a start tone, nothing was saved";
}

}  // namespace
