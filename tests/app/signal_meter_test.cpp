#include <gtest/gtest.h>

#include <string>

#include "app/vantorelfrm.h"

namespace {

struct MeterCase {
  std::string reply;
  int bars;
  int value;  // -1: not looked at
};

TEST(SignalMeter, BarsFromReceiverReplies) {
  const MeterCase cases[] = {
      {"H101\nI129", 1, 0},      // 0x29 = 41: nothing above the floor
      {"H101\nI100", 1, 0},      // below the floor clamps to 0
      {"H101\nI12A", 2, 5},      // 42 -> 5
      {"H101\nI12B", 3, 10},     // 43 -> 10
      {"H101\nI141", 15, 120},   // 65 -> 120: the full bar, there is no 14
      {"H101\nI1FF", 15, 5 * (255 - 41)},
      {"H101\nI1ff", 15, 5 * (255 - 41)},
  };
  for (const auto& c : cases) {
    int v = -1;
    EXPECT_EQ(SignalMeterBars(c.reply, &v), c.bars) << c.reply;
    if (c.value >= 0) {
      EXPECT_EQ(v, c.value) << c.reply;
    }
  }
}

TEST(SignalMeter, BarLengthTable) {
  // v = 5 * (h - 41); bar: 1 up to 1, 2 up to 9, 3 up to 19 ... 13 up to 119, then 15.
  const struct { int h; int bars; } table[] = {
      {41, 1}, {42, 2}, {43, 3}, {44, 3}, {45, 4}, {47, 5}, {49, 6}, {51, 7},
      {53, 8}, {55, 9}, {57, 10}, {59, 11}, {61, 12}, {63, 13}, {64, 13}, {65, 15}};
  for (const auto& row : table) {
    char reply[16];
    snprintf(reply, sizeof reply, "XX\nI1%02X", row.h);
    EXPECT_EQ(SignalMeterBars(reply, nullptr), row.bars) << "h=" << row.h;
  }
}

TEST(SignalMeter, RepliesWithoutSignalField) {
  for (const char* reply : {"", "I129", "\nI12", "H1010000", "abc\nI1zz", "abcdef\nI"}) {
    int v = 77;
    EXPECT_EQ(SignalMeterBars(reply, &v), 0) << reply;
    EXPECT_EQ(v, 77);
  }
}

}  // namespace
