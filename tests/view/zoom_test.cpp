// Zoom, scroll and drawing arithmetic of the picture view.
#include <gtest/gtest.h>

#include <vector>

#include "view/zoom.h"

namespace {

using vt::view::Display;
using vt::view::DrawPlan;
using vt::view::Extent;
using vt::view::Point;

constexpr Extent kFax{1280, 2400};

TEST(Zoom, OutStepsShrinkBy640Over800InSinglePrecision) {
  const std::vector<int> widths = {1024, 819, 655, 524, 419, 335};
  Display d{1280, 2400, 1};
  for (size_t i = 0; i < widths.size(); ++i) {
    ASSERT_TRUE(vt::view::ZoomOut(d));
    EXPECT_EQ(widths[i], d.zoomx) << "step " << i + 1;
  }
  EXPECT_EQ(64, d.zoomfact);
  // It stops before the display vanishes.
  while (vt::view::ZoomOut(d)) {
  }
  EXPECT_GE(d.zoomx, 1);
  EXPECT_GE(d.zoomy, 1);
}

TEST(Zoom, ToolDoubleClickFromOnceZoomedOutReturnsToFullSizeCentred) {
  Display d{1280, 2400, 1};
  ASSERT_TRUE(vt::view::ZoomOut(d));
  EXPECT_EQ(1024, d.zoomx);
  EXPECT_EQ(1920, d.zoomy);
  EXPECT_EQ(2, d.zoomfact);
  const Point t = vt::view::ZoomToolTarget(d, kFax, {0, 0}, {512, 960}, {800, 600});
  EXPECT_EQ(240, t.x);
  EXPECT_EQ(900, t.y);
  ASSERT_TRUE(vt::view::ZoomIn(d, kFax));
  EXPECT_EQ(1280, d.zoomx);
  EXPECT_EQ(2400, d.zoomy);
  EXPECT_EQ(1, d.zoomfact);
}

TEST(Zoom, InDoublesFromFullSizeUpToItsLimit) {
  Display d{1280, 2400, 1};
  ASSERT_TRUE(vt::view::ZoomIn(d, kFax));
  ASSERT_TRUE(vt::view::ZoomIn(d, kFax));
  EXPECT_EQ(5120, d.zoomx);
  EXPECT_EQ(9600, d.zoomy);
  EXPECT_EQ(0, d.zoomfact);
  // A zoom-out from the doubled state keeps zoomfact 0, so zoom-in doubles again.
  ASSERT_TRUE(vt::view::ZoomOut(d));
  EXPECT_EQ(0, d.zoomfact);
  while (vt::view::ZoomIn(d, kFax)) {
  }
  EXPECT_LE(d.zoomx, vt::view::kMaxZoomScale * kFax.width);
  EXPECT_LE(d.zoomy, vt::view::kMaxZoomScale * kFax.height);
}

TEST(Zoom, ToolKeepsTheClickedPointUnderThePointerWhenDoubling) {
  // Canvas point (300, 200) with the window scrolled to (100, 50): it lies at
  // window (200, 150) and moves to canvas (600, 400) after doubling.
  const Point t =
      vt::view::ZoomToolTarget({1280, 2400, 1}, kFax, {100, 50}, {300, 200}, {800, 600});
  EXPECT_EQ(401, t.x);
  EXPECT_EQ(251, t.y);
}

TEST(Scroll, WheelPanAndZoomOutTargets) {
  EXPECT_EQ(380, vt::view::WheelTarget(500, 120));
  EXPECT_EQ(620, vt::view::WheelTarget(500, -120));
  EXPECT_EQ(0, vt::view::WheelTarget(50, 120));
  EXPECT_EQ(0, vt::view::WheelTarget(119, 120));  // -1 would mean "leave alone" to the window

  const Point pan = vt::view::PanTarget({200, 200}, {600, 400}, {500, 300});
  EXPECT_EQ(300, pan.x);
  EXPECT_EQ(300, pan.y);
  const Point edge = vt::view::PanTarget({0, 0}, {100, 100}, {300, 300});
  EXPECT_EQ(0, edge.x);
  EXPECT_EQ(0, edge.y);

  const Point out = vt::view::ZoomOutScroll({1000, 50}, {800, 600});
  EXPECT_EQ(800 - 100, out.x);  // 1000 -> 800, less an eighth of the width
  EXPECT_EQ(0, out.y);          // 40 - 75 clamps to 0
}

TEST(Drawing, PlansWholeOrVisiblePart) {
  // Full size: the whole picture at 0,0.
  DrawPlan p = vt::view::PlanDrawing(kFax, {1280, 2400, 1}, {0, 0}, {800, 600});
  EXPECT_EQ(DrawPlan::kWhole, p.kind);
  EXPECT_EQ(1280, p.target.width);

  // Doubled and larger than the window: the visible part, scaled to the window.
  p = vt::view::PlanDrawing(kFax, {2560, 4800, 0}, {1000, 2000}, {800, 600});
  ASSERT_EQ(DrawPlan::kPart, p.kind);
  EXPECT_EQ(500, p.source.x);
  EXPECT_EQ(1000, p.source.y);
  EXPECT_EQ(400, p.source.width);
  EXPECT_EQ(300, p.source.height);
  EXPECT_EQ(1000, p.target.x);
  EXPECT_EQ(800, p.target.width);

  // Scrolled to the far corner: the part stays inside the picture.
  p = vt::view::PlanDrawing(kFax, {2562, 4802, 0}, {1762, 4202}, {800, 600});
  ASSERT_EQ(DrawPlan::kPart, p.kind);
  EXPECT_LE(p.source.x + p.source.width, kFax.width);
  EXPECT_LE(p.source.y + p.source.height, kFax.height);

  // A one-row picture zoomed far: only the visible part is scaled, not the 960000 x 32 display.
  p = vt::view::PlanDrawing({30000, 1}, {960000, 32, 0}, {5000, 0}, {800, 600});
  ASSERT_EQ(DrawPlan::kPart, p.kind);
  EXPECT_LE(1LL * p.target.width * p.target.height, 900LL * 600);

  // Nothing to draw into a window without area.
  EXPECT_EQ(DrawPlan::kNothing, vt::view::PlanDrawing(kFax, {1280, 2400, 1}, {0, 0}, {0, 0}).kind);
}

}  // namespace
