#include "view/vantorelview.h"

#include <wx/clipbrd.h>

#include "app/vantorelapp.h"
#include "app/vantorelfrm.h"
#include "picture/vantoreldoc.h"
#include "ui/vantorelrc_wdr.h"
#include "view/mycanvas.h"

wxIMPLEMENT_DYNAMIC_CLASS(vantorelView, wxView);

wxBEGIN_EVENT_TABLE(vantorelView, wxView)
  EVT_DROP_FILES(vantorelView::Drop)
  EVT_MENU(ID_POPUP_ZOOMIN, vantorelView::OnPopupZoomin)
  EVT_MENU(wxID_COPY, vantorelView::OnEditCopy)
  EVT_UPDATE_UI(wxID_COPY, vantorelView::OnUpdateEditCopy)
  EVT_MENU(ID_ZOOMOUT, vantorelView::OnPictureZoomout)
  EVT_UPDATE_UI(ID_ZOOMOUT, vantorelView::OnUpdateAlwaysEnabled)
  EVT_MENU(ID_SMILE, vantorelView::OnNothing)
  EVT_UPDATE_UI(ID_SMILE, vantorelView::OnUpdateAlwaysEnabled)
  EVT_MENU(ID_UNDO, vantorelView::OnNothing)
  EVT_UPDATE_UI(ID_COLOUR, vantorelView::OnUpdateAlwaysEnabled)
  EVT_UPDATE_UI(ID_CLEAN, vantorelView::OnUpdateAlwaysEnabled)
  EVT_UPDATE_UI(ID_GLOBALHIST, vantorelView::OnUpdateAlwaysEnabled)
  EVT_UPDATE_UI(ID_CLOSE, vantorelView::OnUpdateAlwaysEnabled)
  EVT_UPDATE_UI(ID_SKEWLEFT, vantorelView::OnUpdateAlwaysEnabled)
  EVT_UPDATE_UI(ID_SKEWRIGHT, vantorelView::OnUpdateAlwaysEnabled)
  EVT_UPDATE_UI(ID_DEFLEFT, vantorelView::OnUpdateToolCheck)
  EVT_UPDATE_UI(ID_ZOOMIN, vantorelView::OnUpdateToolCheck)
  EVT_UPDATE_UI(ID_TRIMEND, vantorelView::OnUpdateToolCheck)
  EVT_MENU(ID_NORMAL, vantorelView::OnPictureNormal)
wxEND_EVENT_TABLE()

namespace {

vt::view::Point ViewStart(const MyCanvas* canvas) {
  int x = 0, y = 0;
  if (canvas != nullptr) canvas->GetViewStart(&x, &y);
  return {x, y};
}

vt::view::Extent ClientExtent(const MyCanvas* canvas) {
  if (canvas == nullptr) return {};
  const wxSize size = canvas->GetClientSize();
  return {size.x, size.y};
}

}  // namespace

vantorelDoc* vantorelView::PictureDoc() const { return wxDynamicCast(GetDocument(), vantorelDoc); }

bool vantorelView::OnCreate(wxDocument* doc, long) {
  frame = wxGetApp().CreateChildFrame(doc, this, true);
  frame->SetTitle("Weather Fax Viewer");
  vantorelFrame* main = wxGetApp().GetMainFrame();
  canvas = main->CreateCanvas(this, frame);
  frame->Show(true);
  Activate(true);
  if (wxWindow* box = main->FindWindowByName("ToolBox", main)) box->Refresh();
  return true;
}

bool vantorelView::OnClose(bool deleteWindow) {
  if (!GetDocument()->Close()) return false;
  if (canvas != nullptr) canvas->view = nullptr;
  canvas = nullptr;
  if (frame != nullptr) frame->SetTitle(wxTheApp->GetAppDisplayName());
  SetFrame(nullptr);
  Activate(false);
  if (deleteWindow && frame != nullptr) frame->Destroy();
  frame = nullptr;
  return true;
}

void vantorelView::OnUpdate(wxView*, wxObject*) {
  if (canvas != nullptr) canvas->Refresh(true);
}

vt::view::Extent vantorelView::PictureExtent() const {
  const vantorelDoc* doc = PictureDoc();
  if (doc == nullptr || !doc->m_hDIB.IsOk()) return {};
  return {doc->m_hDIB.GetWidth(), doc->m_hDIB.GetHeight()};
}

void vantorelView::SetDisplay(const vt::view::Display& display) {
  zoomx = display.zoomx;
  zoomy = display.zoomy;
  zoomfact = display.zoomfact;
}

void vantorelView::SetScrollbarsAt(int x, int y) {
  if (canvas != nullptr) canvas->SetScrollbars(1, 1, zoomx, zoomy, x, y);
}

void vantorelView::ShowAtSize(int width, int height) {
  zoomx = width;
  zoomy = height;
  SetScrollbarsAt(0, 0);
}

void vantorelView::OnDraw(wxDC* dc) {
  const vantorelDoc* doc = PictureDoc();
  if (dc == nullptr || canvas == nullptr || doc == nullptr || !doc->HasPicture()) return;
  DrawPicture(*dc, doc->m_hDIB);
}

// Screen and printer alike: the printer's dc is scaled so the window's width fills the page.
void vantorelView::DrawPicture(wxDC& dc, const wxImage& picture) {
  const vt::view::Extent client = ClientExtent(canvas);
  const vt::view::Point scroll = ViewStart(canvas);
  if (client.width <= 0 || client.height <= 0) return;
  if (IsPrinting) {
    const double s = static_cast<double>(dc.GetSize().x) / client.width;
    dc.SetUserScale(s, s);
    dc.SetDeviceOrigin(-static_cast<int>(scroll.x * s), -static_cast<int>(scroll.y * s));
  }
  const vt::view::DrawPlan plan =
      vt::view::PlanDrawing(PictureExtent(), CurrentDisplay(), scroll, client);
  if (plan.kind == vt::view::DrawPlan::kNothing) return;
  wxImage part = picture;
  if (plan.kind == vt::view::DrawPlan::kPart) {
    part = picture.GetSubImage(
        wxRect(plan.source.x, plan.source.y, plan.source.width, plan.source.height));
  }
  if (part.GetWidth() != plan.target.width || part.GetHeight() != plan.target.height) {
    part = part.Scale(plan.target.width, plan.target.height, wxIMAGE_QUALITY_NORMAL);
  }
  dc.DrawBitmap(wxBitmap(part), plan.target.x, plan.target.y);
}

void vantorelView::OnZoom2x() {
  vt::view::Display display = CurrentDisplay();
  if (!vt::view::ZoomIn(display, PictureExtent())) return;
  SetDisplay(display);
  // The window clamps this to its last position; the zoom tool scrolls right after.
  SetScrollbarsAt(zoomx, zoomy);
  GetDocument()->UpdateAllViews();
}

void vantorelView::OnPictureZoomout(wxCommandEvent&) {
  const vt::view::Point scroll = ViewStart(canvas);
  vt::view::Display display = CurrentDisplay();
  if (!vt::view::ZoomOut(display)) return;
  SetDisplay(display);
  const vt::view::Point target = vt::view::ZoomOutScroll(scroll, ClientExtent(canvas));
  SetScrollbarsAt(target.x, target.y);
  GetDocument()->UpdateAllViews();
}

void vantorelView::OnPictureNormal(wxCommandEvent&) {
  const vt::view::Extent picture = PictureExtent();
  zoomx = picture.width;
  zoomy = picture.height;
  GetDocument()->UpdateAllViews();
  SetScrollbarsAt(0, 0);
}

void vantorelView::ZoomToolAt(const wxPoint& point) {
  vantorelDoc* doc = PictureDoc();
  if (doc == nullptr || !doc->HasPicture() || canvas == nullptr) return;
  const vt::view::Point target = vt::view::ZoomToolTarget(
      CurrentDisplay(), PictureExtent(), ViewStart(canvas), {point.x, point.y},
      ClientExtent(canvas));
  OnZoom2x();
  canvas->Scroll(target.x, target.y);
  doc->SelectTool(0);
  canvas->SetCursor(doc->m_cursel);
  doc->UpdateAllViews();
}

void vantorelView::OnPopupZoomin(wxCommandEvent&) {
  if (vantorelDoc* doc = PictureDoc()) doc->SelectTool(2);
  ZoomToolAt(mspt);
}

void vantorelView::OnEditCopy(wxCommandEvent&) {
  const vantorelDoc* doc = PictureDoc();
  if (doc == nullptr || !doc->HasPicture()) return;
  const wxBitmap bitmap(doc->m_hDIB);
  if (!wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxBitmapDataObject(bitmap));
  wxTheClipboard->Close();
}

void vantorelView::OnUpdateEditCopy(wxUpdateUIEvent& event) {
  const vantorelDoc* doc = PictureDoc();
  event.Enable(doc != nullptr && doc->HasPicture());
}

void vantorelView::Drop(wxDropFilesEvent&) { OnUpdate(this); }

void vantorelView::OnLButtonDown(const wxPoint& point) {
  _Down = _Last = point;
  Capture = true;
  HoldPoint = point;
  const vt::view::Point scroll = ViewStart(canvas);
  HoldScrollx = scroll.x;
  HoldScrolly = scroll.y;
}

void vantorelView::OnMouseMove(const wxPoint& point) {
  if (Capture) _Last = point;
}

void vantorelView::OnLButtonUp(const wxPoint& point) {
  if (!Capture) return;
  Capture = false;
  _Up = point;
  const vantorelDoc* doc = PictureDoc();
  if (doc == nullptr || doc->cursel != 0 || canvas == nullptr) return;
  const vt::view::Point target = vt::view::PanTarget(
      {HoldScrollx, HoldScrolly}, {HoldPoint.x, HoldPoint.y}, {point.x, point.y});
  canvas->Scroll(target.x, target.y);
}

void vantorelView::OnLButtonDblClk(const wxPoint& point) {
  // The button release after a double click must not pan back.
  Capture = false;
  vantorelDoc* doc = PictureDoc();
  if (doc == nullptr || !doc->HasPicture()) return;
  doc->SaveBuffer();
  if (doc->cursel == 2) ZoomToolAt(point);
}

void vantorelView::OnUpdateAlwaysEnabled(wxUpdateUIEvent& event) { event.Enable(true); }

void vantorelView::OnUpdateToolCheck(wxUpdateUIEvent& event) {
  const vantorelDoc* doc = PictureDoc();
  const int tool = doc != nullptr ? doc->cursel : 0;
  const int id = event.GetId();
  event.Check((id == ID_DEFLEFT && tool == 1) || (id == ID_ZOOMIN && tool == 2) ||
              (id == ID_TRIMEND && tool == 3));
}

void vantorelView::OnNothing(wxCommandEvent&) {}
