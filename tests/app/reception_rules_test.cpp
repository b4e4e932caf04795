// Serial numbers, file names, reception codes and the status display's words.
#include <gtest/gtest.h>

#include "app/statusdisplay.h"
#include "fax/reception_rules.h"

namespace {

using namespace vt::fax;

std::tm Saturday() {
  std::tm t{};
  t.tm_year = 2023 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 9;
  t.tm_wday = 6;
  t.tm_hour = 16;
  t.tm_min = 5;
  t.tm_sec = 33;
  return t;
}

TEST(SerialNumber, CountsDownAndWrapsAround) {
  const struct { const char* stored; int next; } table[] = {
      {"99999", 99998}, {"12345", 12344}, {"1", 0}, {"0", 99999},
      {"", 99999}, {"abc", 99999}, {"-7", 99999}, {"42xyz", 41}};
  for (const auto& row : table) EXPECT_EQ(NextSerialNumber(row.stored), row.next) << row.stored;
}

TEST(FileNames, ThreeForms) {
  const std::tm t = Saturday();
  EXPECT_EQ(ReceptionFileName(SavedKind::ManualFax, "/data/", 99998, "99999", "", t),
            "/data/99998 Saturday, December 09, 2023 16-05-33.dib");
  EXPECT_EQ(ReceptionFileName(SavedKind::Text, "/data/", 7, "8", "", t),
            "/data/7 Saturday, December 09, 2023 16-05-33.txt");
  EXPECT_EQ(ReceptionFileName(SavedKind::ScheduledFax, "/data/", 99997, "99998",
                              "17:30 ;8682.0 ^NMC Wind/waves\\ @I5@S1", t),
            "/data/99997 99998 17-30 ;8682.0 ^NMC Wind-waves- @I5@S1 12-09-2023-16-05.dib");
}

TEST(ReceptionCodes, LaterCodesOverrideEarlierOnes) {
  const struct { const char* text; const char* ioc; const char* speed; } table[] = {
      {"no codes", "576", "120"},
      {"@I2", "288", "120"},
      {"@I2 @I5", "576", "120"},   // "@I5" is looked at after "@I2"
      {"@S2 @S1", "576", "120"},   // "@S1" after "@S2": 120 wins
      {"@S6", "576", "60"},
      {"@S9 @S6", "576", "90"},
      {"@S2", "576", "240"},
  };
  for (const auto& row : table) {
    std::string ioc = "576", speed = "120";
    ApplyReceptionCodes(row.text, ioc, speed);
    EXPECT_EQ(ioc, row.ioc) << row.text;
    EXPECT_EQ(speed, row.speed) << row.text;
  }
}

vt::ReceptionState Idle() {
  vt::ReceptionState s;
  s.Bandwidth = "PHOTO";
  s.ioc = "576";
  s.speed = "120";
  s.ridID = "NONE";
  return s;
}

TEST(StatusBar, FieldThreeDecisionTable) {
  struct Row {
    bool receiving, engaged, autoReceiving, timer, newTimer, cont;
    const char* field3;
  };
  const Row table[] = {
      {false, false, false, false, false, false, "Idle"},
      {true, false, false, false, false, false, "Receiving"},
      {true, true, false, false, false, false, "Waiting"},
      {true, true, true, false, false, false, "AutoStarted"},
      {false, false, false, true, true, false, "17:59:30"},
      {true, false, false, true, false, false, "9:8:7"},  // armed, no entry prepared: now
      {false, false, false, true, true, true, "AutoContinous"},
      {false, false, false, false, false, true, "AutoContinous"},
  };
  for (const auto& r : table) {
    vt::ReceptionState s = Idle();
    s.IsReceiving = r.receiving;
    s.AutoStartEngaged = r.engaged;
    s.AutoStartReceiving = r.autoReceiving;
    s.TimerActive = r.timer;
    s.NewTimerActive = r.newTimer;
    s.ContRec = r.cont;
    s.NewStartTime.tm_hour = 17;
    s.NewStartTime.tm_min = 59;
    s.NewStartTime.tm_sec = 30;
    s.Now.tm_hour = 9;
    s.Now.tm_min = 8;
    s.Now.tm_sec = 7;
    EXPECT_EQ(vt::StatusBarFields(s).field[3], r.field3) << r.field3;
  }
}

TEST(StatusBar, IdleFields) {
  vt::ReceptionState s = Idle();
  const auto f = vt::StatusBarFields(s);
  EXPECT_EQ(f.field[1], "PHOTO");
  EXPECT_EQ(f.field[2], "IDLE");
  EXPECT_EQ(f.field[3], "Idle");
  EXPECT_EQ(f.field[4], "576");
  EXPECT_EQ(f.field[5], "120");
  EXPECT_EQ(f.field[6], "Manual Tuning");
  s.ridID = "IC-PCR1000";
  s.IsReceiving = true;
  EXPECT_EQ(vt::StatusBarFields(s).field[6], "IC-PCR1000");
  EXPECT_EQ(vt::StatusBarFields(s).field[2], "Connected");
}

TEST(StatusDialog, ValuesAndBufferSize) {
  vt::ReceptionState s = Idle();
  auto v = vt::StatusDialog(s);
  EXPECT_EQ(v.connection, "IDLE");
  EXPECT_EQ(v.autostart, "Idle");
  EXPECT_EQ(v.timer, "Idle");
  EXPECT_EQ(v.next_fax, "Normal Receive");
  EXPECT_EQ(v.bufsize, "28 Minutes");
  s.ioc = "288";
  s.AutoStartEngaged = true;
  s.IsReceiving = true;
  v = vt::StatusDialog(s);
  EXPECT_EQ(v.bufsize, "19 Minutes");
  EXPECT_EQ(v.autostart, "Waiting For Fax");
  EXPECT_EQ(v.connection, "Connected");
  std::tm t{};
  t.tm_hour = 6;
  t.tm_min = 5;
  t.tm_sec = 30;
  EXPECT_EQ(vt::ClockText(t), "6:5:30");
}

}  // namespace
