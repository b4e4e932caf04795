#include "view/zoom.h"

#include <algorithm>
#include <cmath>

namespace vt::view {

namespace {

int AtLeastZero(int v) { return v < 0 ? 0 : v; }

// A canvas coordinate as a picture coordinate, in single precision.
int PictureCoordinate(int canvas, int displayed, int picture) {
  const float fraction = static_cast<float>(canvas) / static_cast<float>(std::max(displayed, 1));
  return static_cast<int>(fraction * static_cast<float>(picture));
}

// Keeps a picture rectangle inside the picture and at least one pixel big.
Rect ClampToPicture(Rect r, Extent picture) {
  r.x = std::clamp(r.x, 0, picture.width - 1);
  r.y = std::clamp(r.y, 0, picture.height - 1);
  r.width = std::clamp(r.width, 1, picture.width - r.x);
  r.height = std::clamp(r.height, 1, picture.height - r.y);
  return r;
}

// The part of the picture under the window, scaled in place by d.
DrawPlan VisiblePart(Extent picture, double d, Point scroll, Extent client) {
  const int x0 = static_cast<int>(scroll.x / d);
  const int y0 = static_cast<int>(scroll.y / d);
  const int x1 =
      std::min(picture.width, static_cast<int>(std::ceil((scroll.x + client.width) / d)));
  const int y1 =
      std::min(picture.height, static_cast<int>(std::ceil((scroll.y + client.height) / d)));
  DrawPlan plan;
  plan.kind = DrawPlan::kPart;
  plan.source = ClampToPicture({x0, y0, x1 - x0, y1 - y0}, picture);
  const int left = static_cast<int>(plan.source.x * d);
  const int top = static_cast<int>(plan.source.y * d);
  plan.target = {left, top,
                 std::max(1, static_cast<int>((plan.source.x + plan.source.width) * d) - left),
                 std::max(1, static_cast<int>((plan.source.y + plan.source.height) * d) - top)};
  return plan;
}

}  // namespace

bool ZoomIn(Display& display, Extent picture) {
  if (display.zoomfact == 2) {
    display = {picture.width, picture.height, 1};
    return true;
  }
  const long long x = 2LL * display.zoomx, y = 2LL * display.zoomy;
  if (x > 1LL * kMaxZoomScale * picture.width || y > 1LL * kMaxZoomScale * picture.height) {
    return false;
  }
  display = {static_cast<int>(x), static_cast<int>(y), 0};
  return true;
}

int ShrinkSide(int side) {
  const float divided = static_cast<float>(side) / 800.0f;
  const float scaled = divided * 640.0f;
  return static_cast<int>(scaled);
}

bool ZoomOut(Display& display) {
  const int x = ShrinkSide(display.zoomx), y = ShrinkSide(display.zoomy);
  if (x < 1 || y < 1) return false;
  display.zoomx = x;
  display.zoomy = y;
  if (display.zoomfact <= (1 << 29)) display.zoomfact *= 2;
  return true;
}

Point ZoomOutScroll(Point scroll, Extent client) {
  const int sx = scroll.x > 0 ? ShrinkSide(scroll.x) : scroll.x;
  const int sy = scroll.y > 0 ? ShrinkSide(scroll.y) : scroll.y;
  return {AtLeastZero(sx - client.width / 8), AtLeastZero(sy - client.height / 8)};
}

Point ZoomToolTarget(const Display& display, Extent picture, Point scroll, Point click,
                     Extent client) {
  Point t;
  if (display.zoomfact == 2) {
    // Back to full size, centred on the picture point under the click.
    const int qx = PictureCoordinate(click.x, display.zoomx, picture.width);
    const int qy = PictureCoordinate(click.y, display.zoomy, picture.height);
    t = {qx - client.width / 2, qy - client.height / 2};
  } else {
    // Doubling moves the clicked canvas point c to 2c; this keeps it under the pointer.
    t = {scroll.x + click.x + 1, scroll.y + click.y + 1};
  }
  return {AtLeastZero(t.x), AtLeastZero(t.y)};
}

Point PanTarget(Point pressScroll, Point press, Point release) {
  return {AtLeastZero(pressScroll.x + press.x - release.x),
          AtLeastZero(pressScroll.y + press.y - release.y)};
}

int WheelTarget(int scrollY, int rotation) { return AtLeastZero(scrollY - rotation); }

DrawPlan PlanDrawing(Extent picture, const Display& display, Point scroll, Extent client) {
  DrawPlan plan;
  if (picture.width <= 0 || picture.height <= 0 || display.zoomx <= 0 || display.zoomy <= 0 ||
      client.width <= 0 || client.height <= 0) {
    return plan;
  }
  double d = static_cast<double>(display.zoomx) / picture.width;
  if (d == 0) d = 1;
  plan.kind = DrawPlan::kWhole;
  plan.target = {0, 0, display.zoomx, display.zoomy};
  if (d <= 1) return plan;
  if (picture.height * d > client.height && picture.width * d > client.width) {
    plan.kind = DrawPlan::kPart;
    plan.source = ClampToPicture({static_cast<int>(scroll.x / d), static_cast<int>(scroll.y / d),
                                  static_cast<int>(client.width / d),
                                  static_cast<int>(client.height / d)},
                                 picture);
    plan.target = {scroll.x, scroll.y, client.width, client.height};
    return plan;
  }
  if (1LL * display.zoomx * display.zoomy <= kMaxScaledPixels) return plan;
  return VisiblePart(picture, d, scroll, client);
}

}  // namespace vt::view
