// The scrolled window that shows a picture and hands the mouse to its view.
#pragma once

#include <wx/docmdi.h>
#include <wx/scrolwin.h>
#include <wx/wx.h>

class vantorelView;
class vantorelFrame;

class MyCanvas : public wxScrolledWindow {
 public:
  MyCanvas(vantorelView* v, wxMDIChildFrame* frame, const wxPoint& pos, const wxSize& size,
           long style);
  void OnDraw(wxDC& dc) override;
  void OnMouseEvent(wxMouseEvent& event);
  // Shows the context menu at a canvas point.
  void ShowDContextMenu(const wxPoint& point);
  // The context menu's eight entries, built afresh for each showing.
  static wxMenu* BuildContextMenu();

  wxMDIChildFrame* hFrame = nullptr;
  vantorelView* view = nullptr;
  vantorelFrame* mFrame = nullptr;

 private:
  wxDECLARE_EVENT_TABLE();
};
