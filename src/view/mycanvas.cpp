#include "view/mycanvas.h"

#include "app/vantorelapp.h"
#include "picture/vantoreldoc.h"
#include "ui/vantorelrc_wdr.h"
#include "view/vantorelview.h"
#include "view/zoom.h"

wxBEGIN_EVENT_TABLE(MyCanvas, wxScrolledWindow)
  EVT_MOUSE_EVENTS(MyCanvas::OnMouseEvent)
wxEND_EVENT_TABLE()

MyCanvas::MyCanvas(vantorelView* v, wxMDIChildFrame* frame, const wxPoint& pos, const wxSize& size,
                   long style)
    : wxScrolledWindow(frame, wxID_ANY, pos, size, style),
      hFrame(frame),
      view(v),
      mFrame(wxGetApp().GetMainFrame()) {
  SetHelpText(
      "A menu bar and two toolbars provide access to all Vantorel functions.\n For convenience we "
      "use the term toolbar for the main toolbar (at the top)\n and toolbox for the secondary "
      "Floating toolbar that also incorporates remote controls for selected radio types.\nThe "
      "fax area of the window displays the most recently received fax. \nYou can also study "
      "previously saved faxes in this area. \nIf you wish, you can have two or more faxes open at "
      "the same time, to compare details.");
}

void MyCanvas::OnDraw(wxDC& dc) {
  if (view != nullptr) view->OnDraw(&dc);
}

void MyCanvas::OnMouseEvent(wxMouseEvent& event) {
  wxClientDC dc(this);
  PrepareDC(dc);
  const wxPoint point = event.GetLogicalPosition(dc);
  // A handler may close the picture (context menu), so the view is looked up for each step.
  if ((event.Moving() || event.Dragging()) && view != nullptr) {
    if (const vantorelDoc* doc = view->PictureDoc()) SetCursor(doc->m_cursel);
  }
  if (event.LeftUp() && view != nullptr) view->OnLButtonUp(point);
  if (event.RightUp()) ShowDContextMenu(point);
  if (event.LeftDClick() && view != nullptr) view->OnLButtonDblClk(point);
  if (event.Dragging() && view != nullptr) view->OnMouseMove(point);
  if (event.Moving() && view != nullptr) view->OnMouseMove(point);
  if (event.LeftDown() && view != nullptr) view->OnLButtonDown(point);
  const int rotation = event.GetWheelRotation();
  if (rotation != 0 && event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL) {
    int x = 0, y = 0;
    GetViewStart(&x, &y);
    Scroll(-1, vt::view::WheelTarget(y, rotation));
  }
}

wxMenu* MyCanvas::BuildContextMenu() {
  auto* menu = new wxMenu(wxMENU_TEAROFF);
  menu->Append(ID_START, "&Start");
  menu->Append(ID_AUTOSTART, "&Autostart");
  menu->Append(ID_STOP, "&Stop");
  menu->AppendSeparator();
  menu->Append(ID_POPUP_ZOOMIN, "&Zoom in", "Zoom in 2 times");
  menu->Append(ID_ZOOMOUT, "Zoom &Out", "Zoom Out");
  menu->AppendSeparator();
  menu->Append(ID_DELETE, "&Delete Fax");
  menu->Append(ID_CLOSE, "Close Current Picture", "Close current picture");
  return menu;
}

void MyCanvas::ShowDContextMenu(const wxPoint& point) {
  wxMenu* menu = BuildContextMenu();
  PopupMenu(menu, CalcScrolledPosition(point));
  delete menu;
}
