// The fax picture view: one per picture document, in its own child window.
#pragma once

#include <wx/docmdi.h>
#include <wx/docview.h>
#include <wx/wx.h>

#include "view/zoom.h"

class MyCanvas;
class vantorelDoc;

class vantorelView : public wxView {
 public:
  vantorelView() = default;

  void OnDraw(wxDC* dc) override;
  void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;
  bool OnCreate(wxDocument* doc, long flags) override;
  bool OnClose(bool deleteWindow) override;

  vantorelDoc* PictureDoc() const;
  // Display size zoomx x zoomy with scrollbars over it at 0,0 (`zoomfact` untouched).
  void ShowAtSize(int width, int height);

  // Zoom commands and the zoom tool.
  void OnZoom2x();
  void OnPictureZoomout(wxCommandEvent& event);
  void OnPictureNormal(wxCommandEvent& event);
  void OnPopupZoomin(wxCommandEvent& event);
  void ZoomToolAt(const wxPoint& point);

  void OnEditCopy(wxCommandEvent& event);
  void OnUpdateEditCopy(wxUpdateUIEvent& event);
  void Drop(wxDropFilesEvent& event);

  // Mouse handlers; points in canvas coordinates. The editing tools plug in here.
  void OnLButtonDown(const wxPoint& point);
  void OnLButtonUp(const wxPoint& point);
  void OnLButtonDblClk(const wxPoint& point);
  void OnMouseMove(const wxPoint& point);

  wxMDIChildFrame* frame = nullptr;
  MyCanvas* canvas = nullptr;
  int zoomx = 1;
  int zoomy = 1;
  int zoomfact = 1;
  wxPoint mspt{0, 0};
  wxPoint _Down{0, 0};
  wxPoint _Last{0, 0};
  wxPoint _Up{0, 0};
  int HoldCount = 0;
  wxColour HoldPix[6000];
  bool Capture = false;
  int HoldScrollx = 0;
  int HoldScrolly = 0;
  wxPoint HoldPoint{0, 0};
  int holdx = 0;
  int holdy = 0;
  bool IsPrinting = false;

 private:
  vt::view::Display CurrentDisplay() const { return {zoomx, zoomy, zoomfact}; }
  void SetDisplay(const vt::view::Display& display);
  vt::view::Extent PictureExtent() const;
  // Scrollbars of one pixel per unit over the display, at the given position.
  void SetScrollbarsAt(int x, int y);
  void DrawPicture(wxDC& dc, const wxImage& picture);

  void OnUpdateAlwaysEnabled(wxUpdateUIEvent& event);
  void OnUpdateToolCheck(wxUpdateUIEvent& event);
  void OnNothing(wxCommandEvent& event);

  wxDECLARE_DYNAMIC_CLASS(vantorelView);
  wxDECLARE_EVENT_TABLE();
};
