// Zoom, scroll and drawing arithmetic of the picture view. No windows here.
//
// Canvas coordinates are the picture as displayed (zoomx x zoomy pixels, one
// scroll unit per pixel), so a scroll position is the canvas point at the
// window's top-left corner.
#pragma once

namespace vt::view {

// Zoom-in stops at this many times the picture's size.
constexpr int kMaxZoomScale = 32;
// Above this many display pixels a whole-picture scaling is replaced by the visible part.
constexpr long long kMaxScaledPixels = 16'000'000;

struct Point {
  int x = 0;
  int y = 0;
};

struct Extent {
  int width = 0;
  int height = 0;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// `zoomfact`: 1 full size, 0 zoomed in by doubling, 2, 4, 8... zoomed out.
struct Display {
  int zoomx = 1;
  int zoomy = 1;
  int zoomfact = 1;
};

// One zoom-in step: full size from the once-zoomed-out state, otherwise double.
// Returns false, leaving the display alone, past kMaxZoomScale.
bool ZoomIn(Display& display, Extent picture);

// One display side after a zoom-out step: trunc(float(v) / 800 * 640) in single precision.
int ShrinkSide(int side);

// One zoom-out step. Returns false, leaving the display alone, when it would vanish.
bool ZoomOut(Display& display);

// Where a zoom-out step scrolls to, from the scroll position before it.
Point ZoomOutScroll(Point scroll, Extent client);

// Where the zoom tool scrolls after a double click at canvas point `click`.
Point ZoomToolTarget(const Display& display, Extent picture, Point scroll, Point click,
                     Extent client);

// Where a tool-0 drag scrolls: the picture follows the pointer.
Point PanTarget(Point pressScroll, Point press, Point release);

// Vertical scroll position after a wheel rotation (120 per step, up when positive).
int WheelTarget(int scrollY, int rotation);

// How a repaint draws the picture.
struct DrawPlan {
  enum Kind { kNothing, kWhole, kPart } kind = kNothing;
  Rect source;  // kPart: the picture rectangle to scale
  Rect target;  // canvas rectangle it is scaled into (kWhole: 0, 0, zoomx, zoomy)
};

DrawPlan PlanDrawing(Extent picture, const Display& display, Point scroll, Extent client);

}  // namespace vt::view
