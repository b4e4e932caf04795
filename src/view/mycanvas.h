// The scrolled window that shows a picture. (Minimal until the view lands.)
#pragma once

#include <wx/docmdi.h>
#include <wx/scrolwin.h>
#include <wx/wx.h>

class vantorelView;

class MyCanvas : public wxScrolledWindow {
 public:
  MyCanvas(vantorelView* v, wxMDIChildFrame* frame, const wxPoint& pos, const wxSize& size,
           long style);
  void OnDraw(wxDC& dc) override;

  wxMDIChildFrame* hFrame = nullptr;
  vantorelView* view = nullptr;
};
