#include "view/vantorelview.h"

#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "view/mycanvas.h"

wxIMPLEMENT_DYNAMIC_CLASS(vantorelView, wxView);

bool vantorelView::OnCreate(wxDocument* doc, long) {
  frame = wxGetApp().CreateChildFrame(doc, this, true);
  frame->SetTitle("Weather Fax Viewer");
  canvas = wxGetApp().GetMainFrame()->CreateCanvas(this, frame);
  frame->Show(true);
  Activate(true);
  return true;
}

void vantorelView::OnDraw(wxDC*) {}

bool vantorelView::OnClose(bool deleteWindow) {
  if (!GetDocument()->Close()) return false;
  if (canvas != nullptr) canvas->view = nullptr;
  canvas = nullptr;
  Activate(false);
  if (deleteWindow && frame != nullptr) frame->Destroy();
  SetFrame(nullptr);
  frame = nullptr;
  return true;
}

MyCanvas::MyCanvas(vantorelView* v, wxMDIChildFrame* frame, const wxPoint& pos, const wxSize& size,
                   long style)
    : wxScrolledWindow(frame, wxID_ANY, pos, size, style), hFrame(frame), view(v) {}

void MyCanvas::OnDraw(wxDC& dc) {
  if (view != nullptr) view->OnDraw(&dc);
}
