// Line assembler: row patterns, stop tone, row limit, chart mapping, automatic
// start and IOC detection, fed with intensity lines directly.
#include <gtest/gtest.h>

#include "app/clock.h"
#include "fax/faxdecoder.h"
#include "fax/skew.h"
#include "fax_feed.h"

namespace vt::fax {
namespace {

using test::FlatLine;
using test::Line;
using test::PhasingLine;
using test::ProcessLines;
using test::ToneLine;

constexpr double kStartPeriod = 128.0 / 15.0;  // 300 Hz
constexpr double kStopPeriod = 256.0 / 45.0;   // 450 Hz
constexpr double k675Period = 2560.0 / 675.0;

class Assembler : public testing::Test {
 protected:
  CSoundIn sc;
  NullFaxHost host;
  CFaxDecoder fax{sc, host};

  void Start(const std::string& ioc, const std::string& speed = "120") {
    fax.ioc = ioc;
    fax.speed = speed;
    ASSERT_TRUE(fax.StartReception(kSkewDefault));
  }
  int Pixel(int row, int x = 600) const { return fax.m_hDIB.Row(row)[x]; }
  // Picture level of line k in the tests below: each line gets its own grey.
  static unsigned char LevelOf(int k) { return static_cast<unsigned char>(10 + 20 * k); }
  // Column of the black mark in the last saved row; the mark lies 200 slots
  // after the pulse start, so it shows where the lines begin.
  int MarkColumn() const {
    EXPECT_GT(fax.pixy, 10u);
    const int row = static_cast<int>(fax.pixy) - 2;
    int x = 0;
    while (x < kLineSlots && fax.m_hDIB.Row(row)[x] >= 60) ++x;
    EXPECT_GT(x, 100);
    EXPECT_LT(x, 200);
    return x;
  }
  std::vector<Line> NumberedLines(int n) const {
    std::vector<Line> lines;
    for (int k = 0; k < n; ++k) lines.push_back(FlatLine(255 - LevelOf(k)));
    return lines;
  }
};

TEST_F(Assembler, Ioc576WritesTwoRowsPerThreeLines) {
  Start("576");
  ProcessLines(fax, NumberedLines(9));
  // Lines 0,1 stored (the first is not yet written), 2 averaged with 1; then
  // (3 stored and written, 4 stored, 5 averaged), (6, 7, 8).
  const int expected[] = {(LevelOf(1) + LevelOf(2)) / 2, LevelOf(3), (LevelOf(4) + LevelOf(5)) / 2,
                          LevelOf(6), (LevelOf(7) + LevelOf(8)) / 2};
  EXPECT_EQ(fax.pixy, 5u);
  for (int row = 0; row < 5; ++row) EXPECT_EQ(Pixel(row), expected[row]) << "row " << row;
  EXPECT_EQ(fax.p_HoldFax, 5u * kLineSlots);
}

TEST_F(Assembler, Ioc288WritesThreeRowsPerTwoLines) {
  Start("288");
  ProcessLines(fax, NumberedLines(6));
  const int avg01 = (LevelOf(0) + LevelOf(1)) / 2, avg23 = (LevelOf(2) + LevelOf(3)) / 2,
            avg45 = (LevelOf(4) + LevelOf(5)) / 2;
  const int expected[] = {avg01, avg01, LevelOf(2), avg23, avg23, LevelOf(4), avg45, avg45};
  EXPECT_EQ(fax.pixy, 8u);
  for (int row = 0; row < 8; ++row) EXPECT_EQ(Pixel(row), expected[row]) << "row " << row;
}

TEST_F(Assembler, At240LinesPerMinuteOnlyAveragedLinesAreRows) {
  Start("576", "240");
  // 640 intensities per line, each filling two slots.
  std::vector<Line> lines;
  for (int k = 0; k < 9; ++k) lines.push_back(Line(640, 255 - LevelOf(k)));
  ProcessLines(fax, lines);
  const int expected[] = {(LevelOf(1) + LevelOf(2)) / 2, (LevelOf(4) + LevelOf(5)) / 2,
                          (LevelOf(7) + LevelOf(8)) / 2};
  EXPECT_EQ(fax.pixy, 3u);
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(Pixel(row, 0), expected[row]);
    EXPECT_EQ(Pixel(row, 1279), expected[row]);
  }
}

TEST_F(Assembler, StopToneEndsAtTheAveragedLine) {
  for (bool detect : {true, false}) {
    Start("576");
    fax.stoptone = detect;
    std::vector<Line> lines = NumberedLines(6);
    for (int k = 0; k < 6; ++k) lines.push_back(ToneLine(kStopPeriod));
    lines.push_back(FlatLine(0));
    ProcessLines(fax, lines);
    if (detect) {
      EXPECT_FALSE(fax.IsReceiving);
      EXPECT_EQ(fax.EndReason, FaxEnd::StopTone);
      EXPECT_EQ(fax.pixy, 5u);  // ended at the first averaged stop-tone line
    } else {
      EXPECT_TRUE(fax.IsReceiving);
      EXPECT_EQ(fax.EndReason, FaxEnd::None);
    }
    fax.FinishReception();
  }
}

TEST_F(Assembler, RowLimitEndsTheReceptionInsideTheImage) {
  for (const char* ioc : {"576", "288"}) {
    Start(ioc);
    ProcessLines(fax, std::vector<Line>(4000, FlatLine(100)));
    EXPECT_FALSE(fax.IsReceiving) << ioc;
    EXPECT_EQ(fax.EndReason, FaxEnd::RowLimit);
    EXPECT_GE(fax.pixy, 2342u) << ioc;
    EXPECT_LE(fax.pixy, 2344u) << ioc;
    EXPECT_LE(fax.p_HoldFax, fax.m_hDIB.pixels.size());
    EXPECT_EQ(fax.piwxSize, fax.pixy);
  }
  // IOC 576 counts 2 per cycle, so its averaged lines end on odd counts: it
  // ends at the first above 2341.
  Start("576");
  ProcessLines(fax, std::vector<Line>(4000, FlatLine(100)));
  EXPECT_EQ(fax.pixy, 2343u);
}

TEST_F(Assembler, ChartModeStretchesLevels) {
  // Intensity p, level u = 255 - p; with "FM" levels below 128 are black and
  // the rest are stretched to 0..254.
  const struct {
    unsigned char p;
    int picture;
  } table[] = {{255, 0}, {128, 0}, {127, 0}, {64, 126}, {0, 254}};
  for (const auto& c : table) {
    Start("576");
    fax.Bandwidth = "CHART";
    ProcessLines(fax, std::vector<Line>(3, FlatLine(c.p)));
    EXPECT_EQ(Pixel(0), c.picture) << int(c.p);
    fax.FinishReception();
  }
  Start("576");
  fax.Bandwidth = "PHOTO";  // leaves the level alone
  ProcessLines(fax, std::vector<Line>(3, FlatLine(64)));
  EXPECT_EQ(Pixel(0), 191);
}

// A broadcast as lines: start tone, phasing with the pulse at `pulse`, picture
// lines with a black mark at `pulse` + 200 on white, stop tone.
std::vector<Line> Broadcast(int pulse, bool withStartTone) {
  std::vector<Line> lines;
  if (withStartTone) lines.insert(lines.end(), 10, ToneLine(kStartPeriod));
  lines.insert(lines.end(), 20, PhasingLine(pulse));
  Line picture(kLineSlots, 0);
  for (int x = 0; x < 30; ++x) picture[(pulse + 200 + x) % kLineSlots] = 255;
  lines.insert(lines.end(), 30, picture);
  return lines;
}

// Where a search starts inside the pulse (1250: the pulse crosses the line
// grid), it waits for the next pulse instead of counting part of this one.
TEST_F(Assembler, StrictAutostartAlignsLinesOnThePhasingPulse) {
  std::vector<int> marks;
  for (int pulse : {100, 700, 1250}) {
    Start("576");
    fax.AutoStartEngaged = true;
    ProcessLines(fax, Broadcast(pulse, true));
    EXPECT_TRUE(fax.StartToneSeen);
    EXPECT_TRUE(fax.PhasingFound);
    EXPECT_FALSE(fax.AutoStartEngaged);
    marks.push_back(MarkColumn());
    fax.FinishReception();
  }
  // The mark lands in the same column wherever the pulse was in the stream.
  EXPECT_EQ(marks[1], marks[0]);
  EXPECT_EQ(marks[2], marks[0]);
}

TEST_F(Assembler, StrictAutostartWaitsForTheStartTone) {
  Start("576");
  fax.AutoStartEngaged = true;
  ProcessLines(fax, Broadcast(300, false));
  EXPECT_FALSE(fax.StartToneSeen);
  EXPECT_TRUE(fax.AutoStartEngaged);
  EXPECT_EQ(fax.pixy, 0u);
  EXPECT_EQ(fax.p_HoldFax, 0u);
}

TEST_F(Assembler, NonStrictAutostartStartsOnPhasingLines) {
  Start("576");
  fax.AutoStartEngaged = true;
  fax.StrictAutostart = false;
  ProcessLines(fax, Broadcast(300, false));
  EXPECT_TRUE(fax.AutoStartReceiving);
  EXPECT_TRUE(fax.PhasingFound);
  EXPECT_GT(fax.pixy, 20u);
  MarkColumn();
}

TEST_F(Assembler, AutomaticIocNeedsTwoAgreeingLines) {
  const struct {
    double period;
    const char* sioc;
    int work_ioc;
  } table[] = {{kStartPeriod, "576", 1}, {k675Period, "288", 0}};
  for (const auto& c : table) {
    Start("AUT");
    fax.AutoStartEngaged = true;
    fax.work_ioc = 1 - c.work_ioc;
    ProcessLines(fax, {ToneLine(c.period)});
    EXPECT_EQ(fax.sioc, c.sioc);
    EXPECT_EQ(fax.work_ioc, 1 - c.work_ioc) << "one line is not enough";
    ProcessLines(fax, {FlatLine(128), ToneLine(c.period)});
    EXPECT_EQ(fax.work_ioc, 1 - c.work_ioc) << "the lines must be consecutive";
    ProcessLines(fax, {ToneLine(c.period)});
    EXPECT_EQ(fax.work_ioc, c.work_ioc);
    fax.FinishReception();
  }
}

class Scheduled : public testing::Test {
 protected:
  CSoundIn sc;
  test::RecordingHost host;
  CFaxDecoder fax{sc, host};
};

TEST_F(Scheduled, DurationBoundsTheRows) {
  host.timerCapture = true;
  host.activeDuration = 1;  // 40 rows a minute at IOC 576, times 1.25: 50
  fax.StartReception(kSkewDefault);
  ProcessLines(fax, std::vector<Line>(200, FlatLine(100)));
  EXPECT_FALSE(fax.IsReceiving);
  EXPECT_EQ(host.terminations, 1);
  EXPECT_EQ(fax.pixy, 49u);
}

TEST_F(Scheduled, WaitingCaptureGivesUpAtItsEndTime) {
  host.newTimerActive = true;
  host.oldEndTime = vt::Now() - 1;
  fax.StartReception(kSkewDefault);
  fax.AutoStartEngaged = true;
  ProcessLines(fax, std::vector<Line>(3, FlatLine(100)));
  EXPECT_FALSE(fax.IsReceiving);
  EXPECT_TRUE(fax.Interupted);
  EXPECT_EQ(fax.EndReason, FaxEnd::ScheduledEnd);
}

// A noisy scheduled reception tries each alternative once, recording its
// score, then goes back to the frequency selected in the frequency bar.
TEST_F(Scheduled, NoisyReceptionTriesTheAlternatives) {
  host.radioActive = host.newTimerActive = host.autoTune = true;
  host.sigStr = 40;
  fax.AltSub = 2;
  fax.HoldAltFreq[0] = "8080.0";
  fax.HoldAltFreq[1] = "12745.5";
  fax.StartReception(kSkewDefault);
  // Black and white slots alternating: a level jump at every slot.
  Line noisy(kLineSlots);
  for (int i = 0; i < kLineSlots; ++i) noisy[i] = i % 2 ? 0 : 255;
  ProcessLines(fax, std::vector<Line>(60, noisy));
  EXPECT_EQ(host.tunedTo, (std::vector<std::string>{"8080.0", "12745.5"}));
  EXPECT_EQ(fax.wkAltSub, 2);
  EXPECT_EQ(fax.holdscore[0], 640);  // 1281 jumps, halved for a strong signal
  EXPECT_EQ(fax.holdsig[1], 40);
  EXPECT_GT(host.retunesToSelected, 0);

  // Without a receiver nothing is tuned and the list is not used up.
  host.radioActive = false;
  fax.FinishReception();
  fax.wkAltSub = 0;
  fax.TryAnotherFreq();
  EXPECT_EQ(fax.wkAltSub, 0);
}

}  // namespace
}  // namespace vt::fax
