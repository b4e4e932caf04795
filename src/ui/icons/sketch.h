// A few drawing strokes for the built-in icons, on a 24 by 24 grid whatever the
// picture's real size. Shapes are filled first and outlined second.
#pragma once

#include <wx/graphics.h>

#include <cmath>
#include <initializer_list>

namespace vt::icons {

const wxColour kInk(45, 45, 50);
const wxColour kPaper(255, 255, 255);
const wxColour kLine(150, 155, 165);
const wxColour kBlue(40, 100, 190);
const wxColour kSky(170, 210, 245);
const wxColour kNavy(25, 55, 120);
const wxColour kGreen(35, 150, 60);
const wxColour kRed(205, 40, 40);
const wxColour kYellow(250, 205, 60);
const wxColour kOrange(225, 150, 40);
const wxColour kSteel(175, 180, 190);
const wxColour kDark(25, 40, 30);
const wxColour kNone(0, 0, 0, 0);

struct Pt {
  double x, y;
};

class Sketch {
 public:
  explicit Sketch(wxGraphicsContext& gc) : gc_(gc) {}

  // Sets the outline for the next shapes; width 0 draws no outline.
  void Pen(const wxColour& colour, double width = 1.0) {
    if (width <= 0) {
      gc_.SetPen(wxNullGraphicsPen);
      return;
    }
    gc_.SetPen(gc_.CreatePen(
        wxGraphicsPenInfo(colour).Width(width).Cap(wxCAP_ROUND).Join(wxJOIN_ROUND)));
  }
  void Dashed(const wxColour& colour, double width = 1.0) {
    gc_.SetPen(gc_.CreatePen(wxGraphicsPenInfo(colour).Width(width).Style(wxPENSTYLE_SHORT_DASH)));
  }
  // Sets the fill for the next shapes; kNone leaves them hollow.
  void Fill(const wxColour& colour) {
    if (colour.Alpha() == 0)
      gc_.SetBrush(wxNullGraphicsBrush);
    else
      gc_.SetBrush(gc_.CreateBrush(wxBrush(colour)));
  }

  void Line(double x1, double y1, double x2, double y2) { gc_.StrokeLine(x1, y1, x2, y2); }
  void Polyline(std::initializer_list<Pt> points) { gc_.StrokePath(Path(points, false)); }
  void Polygon(std::initializer_list<Pt> points) { Draw(Path(points, true)); }
  void Rect(double x, double y, double w, double h) { gc_.DrawRectangle(x, y, w, h); }
  void RoundRect(double x, double y, double w, double h, double r) {
    gc_.DrawRoundedRectangle(x, y, w, h, r);
  }
  void Circle(double cx, double cy, double r) { gc_.DrawEllipse(cx - r, cy - r, 2 * r, 2 * r); }
  void Ellipse(double cx, double cy, double rx, double ry) {
    gc_.DrawEllipse(cx - rx, cy - ry, 2 * rx, 2 * ry);
  }
  // Arc in degrees, 0 pointing right and angles growing clockwise on screen.
  void Arc(double cx, double cy, double r, double from, double to, bool clockwise = true) {
    wxGraphicsPath path = gc_.CreatePath();
    path.AddArc(cx, cy, r, Rad(from), Rad(to), clockwise);
    gc_.StrokePath(path);
  }
  // A filled triangular head whose tip is at (x, y), pointing along `degrees`.
  void Head(double x, double y, double degrees, const wxColour& colour, double size = 4.5) {
    const double a = Rad(degrees);
    const double bx = x - size * std::cos(a), by = y - size * std::sin(a);
    const double px = -std::sin(a) * size * 0.6, py = std::cos(a) * size * 0.6;
    Pen(colour, 0.8);
    Fill(colour);
    Polygon({{x, y}, {bx + px, by + py}, {bx - px, by - py}});
  }
  // A straight arrow from (x1, y1) with its head at (x2, y2).
  void Arrow(double x1, double y1, double x2, double y2, const wxColour& colour, double width = 2.0) {
    const double degrees = std::atan2(y2 - y1, x2 - x1) * 180.0 / M_PI;
    const double a = Rad(degrees);
    Pen(colour, width);
    Line(x1, y1, x2 - 3.0 * std::cos(a), y2 - 3.0 * std::sin(a));
    Head(x2, y2, degrees, colour);
  }
  // An upright arrow with heads at both ends.
  void UpDownArrow(double x, double top, double bottom, const wxColour& colour) {
    Pen(colour, 1.5);
    Line(x, top + 3.5, x, bottom - 3.5);
    Head(x, top, -90, colour, 4);
    Head(x, bottom, 90, colour, 4);
  }
  // A curved arrow along a circle, its head at `to`.
  void ArcArrow(double cx, double cy, double r, double from, double to, bool clockwise,
                const wxColour& colour, double width = 2.0) {
    const double pull = (clockwise ? -1 : 1) * 3.0 / r * 180.0 / M_PI;  // leave room for the head
    Pen(colour, width);
    Arc(cx, cy, r, from, to + pull, clockwise);
    const double tip = Rad(to);
    Head(cx + r * std::cos(tip), cy + r * std::sin(tip), to + (clockwise ? 90 : -90), colour);
  }
  // A sheet of paper with a folded corner.
  void Page(double x, double y, double w, double h) {
    const double fold = std::min(4.0, w / 3);
    Pen(kInk, 1.0);
    Fill(kPaper);
    Polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}});
    Fill(kNone);
    Polyline({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}});
  }
  // Grey rows of text.
  void TextLines(double x, double y, double w, int rows, double gap = 2.5) {
    Pen(kLine, 1.0);
    for (int i = 0; i < rows; ++i) Line(x, y + i * gap, x + w - (i % 2) * w / 4, y + i * gap);
  }
  // A magnifying glass whose lens is centred at (10, 10).
  void Magnifier() {
    Pen(kInk, 3.2);
    Line(15, 15, 21.5, 21.5);
    Pen(kInk, 1.6);
    Fill(wxColour(225, 240, 255));
    Circle(10, 10, 7);
  }
  // One period of a sine wave per `period` units, from x1 to x2 around y.
  void Wave(double x1, double x2, double y, double amplitude, double period) {
    wxGraphicsPath path = gc_.CreatePath();
    path.MoveToPoint(x1, y);
    for (double x = x1; x <= x2 + 0.01; x += 0.5)
      path.AddLineToPoint(x, y - amplitude * std::sin(2 * M_PI * (x - x1) / period));
    gc_.StrokePath(path);
  }

 private:
  static double Rad(double degrees) { return degrees * M_PI / 180.0; }
  wxGraphicsPath Path(std::initializer_list<Pt> points, bool closed) {
    wxGraphicsPath path = gc_.CreatePath();
    bool first = true;
    for (const Pt& p : points) {
      if (first)
        path.MoveToPoint(p.x, p.y);
      else
        path.AddLineToPoint(p.x, p.y);
      first = false;
    }
    if (closed) path.CloseSubpath();
    return path;
  }
  void Draw(const wxGraphicsPath& path) { gc_.DrawPath(path); }

  wxGraphicsContext& gc_;
};

}  // namespace vt::icons
