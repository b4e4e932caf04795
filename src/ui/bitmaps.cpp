// Built-in pictures of the tool bars, the palette editor and the About box,
// drawn in code on a transparent background.
#include "ui/vantorelrc_wdr.h"

#include <wx/graphics.h>
#include <wx/image.h>

#include <cstring>
#include <memory>

#include "ui/icons/sketch.h"

namespace {

using namespace vt::icons;

// Palette editor buttons: a grey ramp, replaced by the editor when it opens.
void PaintGreyRamp(Sketch& s) {
  s.Pen(kInk, 0);
  for (int i = 0; i < 6; ++i) {
    const unsigned char level = static_cast<unsigned char>(i * 51);
    s.Fill(wxColour(level, level, level));
    s.Rect(2 + i * 3.34, 4, 3.4, 16);
  }
  s.Pen(kInk, 1);
  s.Fill(kNone);
  s.Rect(2, 4, 20, 16);
}

void PaintOpen(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(wxColour(215, 160, 40));
  s.Polygon({{2.5, 5}, {9, 5}, {11, 7.5}, {20, 7.5}, {20, 19.5}, {2.5, 19.5}});
  s.Fill(kYellow);
  s.Polygon({{6, 11}, {22.5, 11}, {19, 19.5}, {2.5, 19.5}});
}

void PaintSave(Sketch& s) {
  s.Pen(kNavy, 1);
  s.Fill(kBlue);
  s.Polygon({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}});
  s.Fill(kSteel);
  s.Rect(7, 3, 10, 6);
  s.Fill(kNavy);
  s.Rect(13, 4.5, 2, 3);
  s.Fill(kPaper);
  s.Rect(6, 12, 12, 9);
  s.TextLines(8, 14.5, 8, 3, 2);
}

void PaintCopy(Sketch& s) {
  s.Page(2.5, 2.5, 11, 14);
  s.TextLines(4.5, 7, 6, 3);
  s.Page(9.5, 7.5, 12, 14);
  s.TextLines(11.5, 12, 7, 4);
}

void PaintUndo(Sketch& s) {
  s.Pen(kBlue, 2.4);
  s.Polyline({{8, 7.5}, {14, 7.5}});
  s.Arc(14, 13, 5.5, -90, 90);
  s.Polyline({{14, 18.5}, {7, 18.5}});
  s.Head(3, 7.5, 180, kBlue, 5.5);
}

void PaintPrint(Sketch& s) {
  s.Page(6.5, 2.5, 11, 9);
  s.Pen(kInk, 1);
  s.Fill(kSteel);
  s.RoundRect(2.5, 9.5, 19, 8, 1.5);
  s.Fill(kPaper);
  s.Rect(6.5, 15.5, 11, 6);
  s.TextLines(8, 17.5, 8, 2, 2);
  s.Pen(kInk, 0);
  s.Fill(kGreen);
  s.Circle(18.5, 12, 1.2);
}

void PaintNewPage(Sketch& s) {
  s.Page(5, 2.5, 14, 19);
  s.Pen(kOrange, 1.5);
  s.Line(17, 15, 17, 21);
  s.Line(14, 18, 20, 18);
}

// An antenna mast sending waves, drawn at the left.
void PaintAntenna(Sketch& s, double x, double top) {
  s.Pen(kInk, 1.4);
  s.Line(x, top + 2, x - 3, 21.5);
  s.Line(x, top + 2, x + 3, 21.5);
  s.Line(x - 1.6, 14, x + 1.6, 14);
  s.Pen(kRed, 1.2);
  s.Arc(x, top, 3, 135, 225);
  s.Arc(x, top, 3, -45, 45);
  s.Pen(kRed, 0);
  s.Fill(kRed);
  s.Circle(x, top, 1.3);
}

void PaintReceiveFax(Sketch& s) {
  PaintAntenna(s, 5, 6);
  s.Page(10.5, 4.5, 11.5, 17);
  s.Pen(kBlue, 1.2);
  s.Fill(kNone);
  s.Ellipse(16, 12, 3.6, 2.5);
  s.Ellipse(16, 12, 1.4, 1);
  s.Arc(16, 19, 5, 190, 350);
}

void PaintStop(Sketch& s) {
  s.Pen(wxColour(140, 20, 20), 1);
  s.Fill(kRed);
  s.Polygon({{8, 2}, {16, 2}, {22, 8}, {22, 16}, {16, 22}, {8, 22}, {2, 16}, {2, 8}});
  s.Pen(kPaper, 0);
  s.Fill(kPaper);
  s.Rect(6, 10.5, 12, 3.2);
}

// A page leaning one way with an arrow above showing which.
void PaintSkew(Sketch& s, bool to_left) {
  const double lean = to_left ? -5 : 5;
  s.Pen(kInk, 1);
  s.Fill(kPaper);
  s.Polygon({{7 + lean, 8}, {17 + lean, 8}, {17 - lean, 21.5}, {7 - lean, 21.5}});
  s.Pen(kLine, 1);
  for (double y = 11.5; y < 20; y += 3) {
    const double shift = lean * (14.75 - y) / 13.5;
    s.Line(9.5 + shift, y, 14.5 + shift, y);
  }
  if (to_left)
    s.Arrow(20, 4, 4, 4, kRed);
  else
    s.Arrow(4, 4, 20, 4, kRed);
}
void PaintSkewLeft(Sketch& s) { PaintSkew(s, true); }
void PaintSkewRight(Sketch& s) { PaintSkew(s, false); }

void PaintChart(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kPaper);
  s.Rect(2, 4, 20, 16);
  s.Pen(kBlue, 1.1);
  s.Fill(kNone);
  s.Ellipse(10, 12, 6.5, 5);
  s.Ellipse(10, 12, 3.5, 2.5);
  s.Arc(22, 21, 6, 180, 270);
  s.Pen(kRed, 1.4);
  s.Polyline({{9, 10.5}, {9, 13.5}, {11.5, 13.5}});
}

void PaintFilter(Sketch& s) {
  s.Pen(kInk, 0);
  s.Fill(kInk);
  const Pt specks[] = {{4, 2.5}, {9, 1.5}, {14, 3}, {19, 1.8}, {6.5, 4.2}, {16.5, 4.6}, {11.5, 4}};
  for (const Pt& p : specks) s.Circle(p.x, p.y, 0.9);
  s.Pen(kNavy, 1);
  s.Fill(kSky);
  s.Polygon({{2.5, 7}, {21.5, 7}, {14, 14}, {14, 20}, {10, 22.5}, {10, 14}});
}

void PaintPhoto(Sketch& s) {
  s.Pen(kInk, 0);
  s.Fill(kSky);
  s.Rect(2, 4, 20, 16);
  s.Fill(kYellow);
  s.Circle(16.5, 8.5, 2.5);
  s.Fill(kGreen);
  s.Polygon({{2, 20}, {9, 10}, {14, 16}, {16.5, 13.5}, {22, 20}});
  s.Pen(kInk, 1);
  s.Fill(kNone);
  s.Rect(2, 4, 20, 16);
}

void PaintStatus(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kPaper);
  s.RoundRect(2, 4, 20, 16, 2);
  s.Pen(kGreen, 2);
  s.Arc(12, 18, 9, 205, 290);
  s.Pen(kRed, 2);
  s.Arc(12, 18, 9, 290, 335);
  s.Pen(kInk, 1.4);
  s.Line(12, 18, 16.5, 10.5);
  s.Fill(kInk);
  s.Circle(12, 18, 1.4);
}

void PaintScope(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kSteel);
  s.RoundRect(1.5, 2.5, 21, 19, 2);
  s.Fill(kDark);
  s.Rect(3.5, 4.5, 17, 12);
  s.Pen(wxColour(60, 90, 60), 0.6);
  s.Line(12, 4.5, 12, 16.5);
  s.Line(3.5, 10.5, 20.5, 10.5);
  s.Pen(wxColour(90, 250, 110), 1.3);
  s.Wave(4, 20, 10.5, 4, 8);
  s.Pen(kInk, 0.8);
  s.Fill(kInk);
  s.Circle(6, 19, 1);
  s.Circle(10, 19, 1);
}

void PaintToolBox(Sketch& s) {
  s.Pen(kInk, 1.6);
  s.Fill(kNone);
  s.RoundRect(8.5, 4.5, 7, 5, 1.5);
  s.Pen(wxColour(120, 20, 20), 1);
  s.Fill(kRed);
  s.RoundRect(2.5, 8.5, 19, 12, 1.5);
  s.Line(2.5, 12.5, 21.5, 12.5);
  s.Fill(kSteel);
  s.Rect(10, 11, 4, 3);
}

void PaintAutoStart(Sketch& s) {
  s.Pen(wxColour(20, 100, 40), 1);
  s.Fill(kGreen);
  s.Polygon({{3, 2.5}, {3, 16.5}, {14.5, 9.5}});
  s.Pen(kBlue, 1.6);
  s.Wave(9, 22, 19, 2.6, 6.5);
}

void PaintContinuous(Sketch& s) {
  s.ArcArrow(12, 12, 8, 200, 340, true, kGreen, 2.4);
  s.ArcArrow(12, 12, 8, 20, 160, true, kGreen, 2.4);
}

void PaintSchedule(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kPaper);
  s.Rect(2.5, 4.5, 17, 16);
  s.Fill(kRed);
  s.Rect(2.5, 4.5, 17, 4);
  s.Pen(kInk, 0);
  s.Fill(kLine);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 4; ++col) s.Rect(4.5 + col * 3.8, 10.5 + row * 3.2, 2, 1.8);
  s.Pen(kInk, 1.4);
  s.Line(6.5, 2.5, 6.5, 6);
  s.Line(15.5, 2.5, 15.5, 6);
  s.Pen(kNavy, 1);
  s.Fill(kYellow);
  s.Circle(17.5, 17.5, 5);
  s.Pen(kNavy, 1.2);
  s.Polyline({{17.5, 14.5}, {17.5, 17.5}, {19.8, 18.8}});
}

void PaintClock(Sketch& s) {
  s.Pen(kInk, 1.2);
  s.Fill(kPaper);
  s.Circle(12, 12, 9.5);
  s.Pen(kInk, 1.6);
  s.Polyline({{12, 6}, {12, 12}, {16, 14.5}});
}

void PaintAbout(Sketch& s) {
  s.Pen(kNavy, 1);
  s.Fill(kBlue);
  s.Circle(12, 12, 10);
  s.Pen(kPaper, 0);
  s.Fill(kPaper);
  s.Circle(12, 6.8, 1.7);
  s.Rect(10.7, 10, 2.6, 8.5);
}

void PaintBook(Sketch& s) {
  s.Pen(kNavy, 1);
  s.Fill(kBlue);
  s.RoundRect(4.5, 2.5, 15, 19, 1.5);
  s.Fill(kPaper);
  s.Rect(7, 18, 12.5, 2);
  s.Pen(kPaper, 1.5);
  s.Line(8, 7, 16, 7);
}

// A small page beside a quarter-turn arrow.
void PaintRotate(Sketch& s, bool to_right) {
  if (to_right) {
    s.Page(3.5, 10.5, 9, 11);
    s.ArcArrow(12, 11.5, 7.5, 180, 0, true, kBlue);
  } else {
    s.Page(11.5, 10.5, 9, 11);
    s.ArcArrow(12, 11.5, 7.5, 0, 180, false, kBlue);
  }
}
void PaintRotateRight(Sketch& s) { PaintRotate(s, true); }
void PaintRotateLeft(Sketch& s) { PaintRotate(s, false); }

void PaintFlip(Sketch& s) {
  s.Pen(kNavy, 1);
  s.Fill(kBlue);
  s.Polygon({{4, 10}, {16, 10}, {10, 2.5}});
  s.Fill(kNone);
  s.Dashed(kNavy, 1);
  s.Polygon({{4, 14}, {16, 14}, {10, 21.5}});
  s.Dashed(kInk, 1);
  s.Line(1.5, 12, 18.5, 12);
  s.UpDownArrow(20.5, 3, 21, kRed);
}

// The program's own picture: a weather chart arriving by radio.
void PaintProgram(Sketch& s) {
  s.Pen(kNavy, 0.6);
  s.Fill(kNavy);
  s.RoundRect(0.5, 0.5, 23, 23, 3.5);
  s.Page(3, 5, 14, 16);
  s.Pen(kBlue, 0.8);
  s.Fill(kNone);
  s.Ellipse(9, 13, 4.2, 3.2);
  s.Ellipse(9, 13, 1.8, 1.3);
  s.Arc(17, 22, 6, 200, 265);
  s.Pen(kYellow, 1);
  s.Arc(19, 5, 2, 0, 90);
  s.Arc(19, 5, 4, 5, 85);
  s.Arc(19, 5, 6, 10, 80);
}

void PaintLeftMargin(Sketch& s) {
  s.Page(6.5, 2.5, 15, 19);
  s.TextLines(11, 7, 8, 5, 3);
  s.Dashed(kRed, 1.4);
  s.Line(9.5, 1, 9.5, 23);
  s.Arrow(1, 12, 8.5, 12, kRed, 1.6);
}

// Two small blades meeting at the cut line.
void PaintScissors(Sketch& s, double y) {
  s.Pen(kInk, 1.1);
  s.Fill(kNone);
  s.Circle(3, y - 2.5, 1.6);
  s.Circle(3, y + 2.5, 1.6);
  s.Line(4.3, y - 1.6, 9, y + 1);
  s.Line(4.3, y + 1.6, 9, y - 1);
}

void PaintTrimEnd(Sketch& s) {
  s.Page(8.5, 1.5, 13, 20);
  s.TextLines(10.5, 6, 8, 4, 2.5);
  s.Pen(kInk, 0);
  s.Fill(wxColour(200, 200, 200, 200));
  s.Rect(9, 17, 12, 4);
  s.Dashed(kRed, 1.4);
  s.Line(7, 16, 23, 16);
  PaintScissors(s, 16);
}

void PaintFixBreak(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kPaper);
  s.Rect(2.5, 2.5, 13, 8);
  s.Rect(8.5, 13.5, 13, 8);
  s.TextLines(4.5, 5, 9, 3, 2);
  s.TextLines(10.5, 16, 9, 3, 2);
  s.Arrow(20, 12, 10, 12, kRed, 1.8);
}

void PaintTrimEdges(Sketch& s) {
  s.Pen(kInk, 0);
  s.Fill(kSky);
  s.Rect(7, 7, 10, 10);
  s.Pen(kInk, 2.2);
  s.Polyline({{6, 1.5}, {6, 18}, {22.5, 18}});
  s.Polyline({{1.5, 6}, {18, 6}, {18, 22.5}});
}

void PaintNormalView(Sketch& s) {
  s.Magnifier();
  s.Pen(kInk, 1.3);
  s.Line(7, 7, 7, 13);
  s.Line(13, 7, 13, 13);
  s.Pen(kInk, 0);
  s.Fill(kInk);
  s.Circle(10, 8.5, 0.8);
  s.Circle(10, 11.5, 0.8);
}

void PaintZoomIn(Sketch& s) {
  s.Magnifier();
  s.Pen(kInk, 1.8);
  s.Line(6.5, 10, 13.5, 10);
  s.Line(10, 6.5, 10, 13.5);
}

void PaintZoomOut(Sketch& s) {
  s.Magnifier();
  s.Pen(kInk, 1.8);
  s.Line(6.5, 10, 13.5, 10);
}

void PaintColour(Sketch& s) {
  s.Pen(kInk, 0);
  s.Fill(wxColour(230, 40, 40, 190));
  s.Circle(8.5, 8.5, 6);
  s.Fill(wxColour(40, 190, 60, 190));
  s.Circle(15.5, 8.5, 6);
  s.Fill(wxColour(40, 90, 230, 190));
  s.Circle(12, 15, 6);
}

void PaintCleanUp(Sketch& s) {
  s.Pen(wxColour(120, 70, 30), 2.2);
  s.Line(21, 2.5, 12.5, 11);
  s.Pen(kInk, 1);
  s.Fill(kOrange);
  s.Polygon({{9.5, 9}, {15, 14.5}, {9, 22}, {2, 15}});
  s.Pen(wxColour(150, 90, 20), 0.9);
  s.Line(12.2, 17.8, 7.5, 13.2);
  s.Line(10.5, 19.6, 5.6, 14.8);
  s.Pen(kBlue, 1.2);
  s.Line(19.5, 14, 19.5, 21);
  s.Line(16, 17.5, 23, 17.5);
}

void PaintSmile(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kYellow);
  s.Circle(12, 12, 10);
  s.Pen(kInk, 0);
  s.Fill(kInk);
  s.Ellipse(8.5, 9, 1.3, 1.8);
  s.Ellipse(15.5, 9, 1.3, 1.8);
  s.Pen(kInk, 1.5);
  s.Arc(12, 12, 6, 25, 155);
}

void PaintPencil(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kYellow);
  s.Polygon({{16, 3}, {21, 8}, {8.5, 20.5}, {3.5, 15.5}});
  s.Fill(wxColour(240, 215, 170));
  s.Polygon({{3.5, 15.5}, {8.5, 20.5}, {2.5, 21.5}});
}

void PaintNavtex(Sketch& s) {
  s.Pen(kNavy, 2);
  s.Fill(kNone);
  s.Circle(12, 4.5, 2);
  s.Line(12, 6.5, 12, 21);
  s.Line(7.5, 9.5, 16.5, 9.5);
  s.Arc(12, 12.5, 8.5, 20, 160);
  s.Head(4.2, 13.5, 230, kNavy, 4);
  s.Head(19.8, 13.5, -50, kNavy, 4);
}

void PaintTelex(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(wxColour(250, 240, 200));
  s.Rect(3, 2.5, 18, 6);
  s.Pen(kInk, 0);
  s.Fill(kInk);
  const int holes[] = {1, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0, 1, 1, 0, 1};
  for (int i = 0; i < 5; ++i)
    for (int bit = 0; bit < 3; ++bit)
      if (holes[i * 3 + bit]) s.Circle(5.5 + i * 3.3, 4 + bit * 1.6, 0.7);
  s.Pen(kInk, 1);
  s.Fill(kSteel);
  s.RoundRect(1.5, 11.5, 21, 10, 1.5);
  s.Fill(kPaper);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 5; ++col) s.Rect(3.5 + col * 3.6 + row * 1.2, 13.5 + row * 3.5, 2.3, 2.3);
}

void PaintRadio(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kSteel);
  s.RoundRect(1.5, 6.5, 21, 13, 1.5);
  s.Fill(kDark);
  s.Rect(3.5, 8.5, 9, 4);
  s.Fill(kPaper);
  s.Circle(17, 13, 3.5);
  s.Pen(kInk, 1);
  s.Line(5, 15.5, 11, 15.5);
  s.Line(5, 17.5, 11, 17.5);
  s.Line(18, 2, 14, 6.5);
}

void PaintSpeaker(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kSteel);
  s.Polygon({{3, 9}, {7, 9}, {12.5, 4}, {12.5, 20}, {7, 15}, {3, 15}});
  s.Pen(kBlue, 1.4);
  s.Arc(13, 12, 4, -45, 45);
  s.Arc(13, 12, 7.5, -45, 45);
}

void PaintShiftDown(Sketch& s) {
  s.Pen(kNavy, 1.2);
  s.Fill(kSky);
  s.Polygon({{12, 22}, {3, 12.5}, {8, 12.5}, {8, 2.5}, {16, 2.5}, {16, 12.5}, {21, 12.5}});
}

void PaintUnshiftOnSpace(Sketch& s) {
  s.Pen(kInk, 2.2);
  s.Polyline({{3, 15}, {3, 20}, {21, 20}, {21, 15}});
  s.Arrow(12, 2, 12, 14, kBlue, 2);
}

void PaintInvert(Sketch& s) {
  s.Pen(kInk, 1.6);
  s.Polyline({{1.5, 9}, {5, 9}, {5, 3}, {10, 3}, {10, 9}, {13.5, 9}, {13.5, 3}, {17, 3}});
  s.Pen(kRed, 1.6);
  s.Polyline({{1.5, 15}, {5, 15}, {5, 21}, {10, 21}, {10, 15}, {13.5, 15}, {13.5, 21}, {17, 21}});
  s.UpDownArrow(20.5, 3, 21, kBlue);
}

void PaintTower(Sketch& s) { PaintAntenna(s, 12, 5); }

void PaintSerialPlug(Sketch& s) {
  s.Pen(kInk, 1);
  s.Fill(kSteel);
  s.Polygon({{2, 8}, {22, 8}, {19.5, 17}, {4.5, 17}});
  s.Pen(kInk, 0);
  s.Fill(kInk);
  for (int i = 0; i < 5; ++i) s.Circle(6 + i * 3, 11, 0.9);
  for (int i = 0; i < 4; ++i) s.Circle(7.5 + i * 3, 14, 0.9);
}

void PaintSignalBars(Sketch& s) {
  s.Pen(kInk, 0.8);
  s.Fill(kGreen);
  for (int i = 0; i < 5; ++i) s.Rect(2.5 + i * 4, 19.5 - (i + 1) * 3.4, 3, (i + 1) * 3.4);
}

struct Picture {
  size_t index;
  void (*paint)(Sketch&);
  int size;
};

const Picture kPictures[] = {
    {0, PaintGreyRamp, 24},      {1, PaintOpen, 24},          {2, PaintSave, 24},
    {3, PaintCopy, 24},          {4, PaintPrint, 24},         {5, PaintNewPage, 24},
    {6, PaintReceiveFax, 24},    {7, PaintStop, 24},          {8, PaintSkewLeft, 24},
    {9, PaintSkewRight, 24},     {10, PaintChart, 24},        {11, PaintFilter, 24},
    {12, PaintPhoto, 24},        {13, PaintStatus, 24},       {14, PaintScope, 24},
    {15, PaintToolBox, 24},      {16, PaintAutoStart, 24},    {17, PaintContinuous, 24},
    {18, PaintSchedule, 24},     {19, PaintClock, 24},        {20, PaintAbout, 24},
    {21, PaintBook, 24},         {22, PaintRotateRight, 24},  {23, PaintRotateLeft, 24},
    {24, PaintFlip, 24},         {25, PaintProgram, 48},      {26, PaintLeftMargin, 24},
    {27, PaintTrimEnd, 24},      {28, PaintFixBreak, 24},     {29, PaintTrimEdges, 24},
    {30, PaintNormalView, 24},   {31, PaintZoomIn, 24},       {32, PaintZoomOut, 24},
    {33, PaintColour, 24},       {34, PaintCleanUp, 24},      {35, PaintSmile, 24},
    {36, PaintPencil, 24},       {37, PaintUndo, 24},         {38, PaintNavtex, 24},
    {39, PaintTelex, 24},        {40, PaintRadio, 24},        {41, PaintSpeaker, 24},
    {42, PaintShiftDown, 24},    {43, PaintUnshiftOnSpace, 24}, {44, PaintInvert, 24},
    {45, PaintTower, 24},        {46, PaintSerialPlug, 24},   {47, PaintSignalBars, 24},
};

const Picture* FindPicture(size_t index) {
  if (index == static_cast<size_t>(ID_MAINFRAME)) index = 25;
  for (const Picture& picture : kPictures)
    if (picture.index == index) return &picture;
  return nullptr;
}

wxBitmap Render(const Picture& picture) {
  wxImage image(picture.size, picture.size);  // black
  image.InitAlpha();
  std::memset(image.GetAlpha(), 0, static_cast<size_t>(picture.size) * picture.size);
  {
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
    if (!gc) return wxNullBitmap;
    gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
    gc->Scale(picture.size / 24.0, picture.size / 24.0);
    Sketch sketch(*gc);
    picture.paint(sketch);
  }  // the context writes the drawing back into the image when it goes
  return wxBitmap(image);
}

}  // namespace

wxBitmap MyBitmapsFunc(size_t index) {
  const Picture* picture = FindPicture(index);
  return picture ? Render(*picture) : wxNullBitmap;
}
