// The main frame: construction, monitor windows, tick, signal meter, canvas creation.
#include "app/vantorelfrm.h"

#include <wx/cshelp.h>

#include "app/vantorelapp.h"
#include "ui/vantorelrc_wdr.h"
#include "view/mycanvas.h"
#include "view/vantorelview.h"

wxBEGIN_EVENT_TABLE(vantorelFrame, wxDocMDIParentFrame)
  EVT_RIGHT_UP(vantorelFrame::OnRightUp)
  EVT_HELP_RANGE(-1, 99999, vantorelFrame::OnHelp)
  EVT_UPDATE_UI(kTickEventId, vantorelFrame::OnTimer1)
  EVT_TIMER(kReceiverPollTimerId, vantorelFrame::OnTimer)
  EVT_MOVE(vantorelFrame::OnMove)
  EVT_SIZE(vantorelFrame::OnSize)
  EVT_MENU(ID_RECIEVE, vantorelFrame::OnFaxReceivefax)
  EVT_UPDATE_UI(ID_RECIEVE, vantorelFrame::OnUpdateFaxReceivefax)
  EVT_MENU(ID_START, vantorelFrame::OnFaxReceivefax)
  EVT_MENU(ID_STOP, vantorelFrame::OnFaxStopreceiving)
  EVT_UPDATE_UI(ID_STOP, vantorelFrame::OnUpdateFaxStopreceiving)
  EVT_MENU(ID_SKEWLEFT, vantorelFrame::OnPictureSkewleft)
  EVT_MENU(ID_SKEWRIGHT, vantorelFrame::OnPictureSkewright)
  EVT_TEXT(kSkewBoxId, vantorelFrame::OnUpdateSkewval)
  EVT_MENU(ID_TUNINGSCOPE, vantorelFrame::OnViewTuningscope)
  EVT_UPDATE_UI(ID_TUNINGSCOPE, vantorelFrame::OnUpdateViewTuningscope)
  EVT_MENU(ID_PROPERTIES, vantorelFrame::OnConfigure)
  EVT_MENU(ID_FILTER, vantorelFrame::OnConfigurationFilter)
  EVT_UPDATE_UI(ID_FILTER, vantorelFrame::OnUpdateConfigurationFilter)
  EVT_MENU(ID_TELEX, vantorelFrame::OnToolsTelexdecoder)
  EVT_UPDATE_UI(ID_TELEX, vantorelFrame::OnUpdateToolsTelexdecoder)
  EVT_MENU(ID_NAVTEX, vantorelFrame::OnToolsNavtexdecoder)
  EVT_UPDATE_UI(ID_NAVTEX, vantorelFrame::OnUpdateToolsNavtexdecoder)
  EVT_MENU(ID_UNSHIFTNOW, vantorelFrame::OnUnshiftNow)
  EVT_UPDATE_UI(ID_UNSHIFTNOW, vantorelFrame::OnUpdateUnshiftNow)
  EVT_MENU(ID_UNSHIFTONSPACE, vantorelFrame::OnUnshiftOnSpace)
  EVT_UPDATE_UI(ID_UNSHIFTONSPACE, vantorelFrame::OnUpdateUnshiftOnSpace)
  EVT_MENU(ID_INVERT, vantorelFrame::OnInvert)
  EVT_UPDATE_UI(ID_INVERT, vantorelFrame::OnUpdateInvert)
  EVT_MENU(ID_ATTEN, vantorelFrame::OnConfigurationAttenuatesignal)
  EVT_BUTTON(ID_ATTEN, vantorelFrame::OnConfigurationAttenuatesignal)
  EVT_UPDATE_UI(ID_ATTEN, vantorelFrame::OnUpdateConfigurationAttenuatesignal)
  EVT_MENU(ID_VOLUP, vantorelFrame::OnConfigurationIncreasevolume)
  EVT_BUTTON(ID_VOLUP, vantorelFrame::OnConfigurationIncreasevolume)
  EVT_UPDATE_UI(ID_VOLUP, vantorelFrame::OnUpdateConfigurationIncreasevolume)
  EVT_MENU(ID_VOLDOWN, vantorelFrame::OnConfigurationLowervolume)
  EVT_BUTTON(ID_VOLDOWN, vantorelFrame::OnConfigurationLowervolume)
  EVT_UPDATE_UI(ID_VOLDOWN, vantorelFrame::OnUpdateConfigurationLowervolume)
  EVT_MENU(ID_POWER, vantorelFrame::OnConfigurationPoweronoff)
  EVT_BUTTON(ID_POW, vantorelFrame::OnConfigurationPoweronoff)
  EVT_UPDATE_UI(ID_POWER, vantorelFrame::OnUpdateConfigurationPoweronoff)
  EVT_MENU(ID_DOWN1K, vantorelFrame::OnConfigurationTunedown1khz)
  EVT_BUTTON(ID_DOWN1K, vantorelFrame::OnConfigurationTunedown1khz)
  EVT_UPDATE_UI(ID_DOWN1K, vantorelFrame::OnUpdateConfigurationTunedown1khz)
  EVT_MENU(ID_UP1K, vantorelFrame::OnConfigurationTuneup1khz)
  EVT_BUTTON(ID_UP1K, vantorelFrame::OnConfigurationTuneup1khz)
  EVT_UPDATE_UI(ID_UP1K, vantorelFrame::OnUpdateConfigurationTuneup1khz)
  EVT_MENU(ID_DOWN100, vantorelFrame::OnConfigurationTunedown100hz)
  EVT_BUTTON(ID_DOWN100, vantorelFrame::OnConfigurationTunedown100hz)
  EVT_UPDATE_UI(ID_DOWN100, vantorelFrame::OnUpdateConfigurationTunedown100hz)
  EVT_MENU(ID_UP100, vantorelFrame::OnConfigurationTuneup100hz)
  EVT_BUTTON(ID_UP100, vantorelFrame::OnConfigurationTuneup100hz)
  EVT_UPDATE_UI(ID_UP100, vantorelFrame::OnUpdateConfigurationTuneup100hz)
  EVT_MENU(ID_SETRADIO, vantorelFrame::OnConfigurationSetradio)
  EVT_BUTTON(ID_SETRADIO, vantorelFrame::OnConfigurationSetradio)
  EVT_UPDATE_UI(ID_SETRADIO, vantorelFrame::OnUpdateConfigurationSetradio)
  EVT_TEXT(ID_SSB, vantorelFrame::OnChangeSsb)
  EVT_COMBOBOX(ID_FREQCOMBO, vantorelFrame::OnUpdateFreq)
  EVT_COMBOBOX(ID_STNCOMBO, vantorelFrame::OnChangeStation)
  EVT_MENU(ID_AUTOSTART, vantorelFrame::OnSchedulerAutostart)
  EVT_UPDATE_UI(ID_AUTOSTART, vantorelFrame::OnUpdateSchedulerAutostart)
  EVT_MENU(ID_AUTOCONTINOUS, vantorelFrame::OnSchedulerAutocontinuous)
  EVT_UPDATE_UI(ID_AUTOCONTINOUS, vantorelFrame::OnUpdateSchedulerAutocontinuous)
  EVT_MENU(ID_AUTOSCHEDULE, vantorelFrame::OnSchedulerTimer)
  EVT_UPDATE_UI(ID_AUTOSCHEDULE, vantorelFrame::OnUpdateSchedulerTimer)
  EVT_MENU(ID_DATABASE, vantorelFrame::OnToolsWeatherfaxschedulerdatabase)
  EVT_MENU(ID_STATUS, vantorelFrame::OnFaxReceivestatus)
wxEND_EVENT_TABLE()

Ticker::Ticker(wxFrame* f) : frame(f) {}

void Ticker::Notify() {
  Stop();
  wxUpdateUIEvent tick(kTickEventId);
  tick.SetEventObject(frame);
  frame->GetEventHandler()->ProcessEvent(tick);
  Start(interval, wxTIMER_CONTINUOUS);
}

namespace {

const long kMonitorStyle =
    wxCAPTION | wxRESIZE_BORDER | wxFRAME_FLOAT_ON_PARENT | wxFRAME_TOOL_WINDOW | wxFRAME_NO_TASKBAR;

}  // namespace

vantorelFrame::vantorelFrame(wxDocManager* manager, wxFrame* parent, const wxString& title,
                             const wxPoint& pos, const wxSize& size, long style)
    : wxDocMDIParentFrame(manager, parent, wxID_ANY, title, pos, size, style, "myFrame") {
  rtk = new wxTimer(this, kReceiverPollTimerId);

  const wxString iconFile = wxGetApp().WorkDir + "vantorel.xpm";
  if (wxFileExists(iconFile)) {
    wxIcon icon;
    if (icon.LoadFile(iconFile, wxBITMAP_TYPE_XPM)) SetIcon(icon);
  }

  tk = new Ticker(this);
  if (!wxGetApp().QuickStart()) wxSleep(1);

  CreateMainStatusBar();
  RecreateToolbar();

  IsReceiving = IsReceivingTelex = IsReceivingNavtex = false;
  fax.AutoStartEngaged = fax.AutoStartReceiving = fax.StartToneDetected = false;

  radioConfig = OpenConfigStore(kAppConfigName);
  const wxString present = ReadString(AppStore(), "RadioPresent", "NO");
  RadioActive = present != "NO";
  ridID = ReadString(AppStore(), "RadioType", "NONE");
  bRadio = ridID != "NONE";
  const wxString filter = ReadString(AppStore(), "FILTER", "FALSE");
  fax.bFilter = filter != "FALSE";

  TimerActive = TimerCapture = NewTimerActive = ContRec = false;
  NewTimerSequence = ContDur = 0;
  NextFax = "";
  NewStartTime = wxDateTime::Now();

  CreateMonitorWindows();
  ReadReceptionSettings();
  // A recording named on the command line stands in for the demodulator, at real-time pace.
  if (!wxGetApp().AudioFile().empty())
    sc.SetAudioFile(std::string(wxGetApp().AudioFile().utf8_str()), wxGetApp().AudioShift(), true);
  NewStartTime = wxDateTime::Now();
  SetStatusBar();
  ShowSkew();
}

vantorelFrame::~vantorelFrame() {
  CloseReceiver();
  bExit = true;
  tk->Stop();
  OnFaxStopreceiving(wxGetApp().NotUsed);
  delete tk;
  tk = nullptr;
  if (tlxwin != nullptr) tlxwin->Destroy();
  if (Frfft != nullptr) Frfft->Destroy();
  if (scope != nullptr) scope->Destroy();
  tlxwin = Frfft = scope = nullptr;
  if (radioConfig != nullptr) {
    radioConfig->DisableAutoSave();  // a read-only handle: the program's store is written elsewhere
    delete radioConfig;
    radioConfig = nullptr;
  }
  delete rtk;
  rtk = nullptr;
}

void vantorelFrame::CreateMainStatusBar() {
  static const int widths[7] = {-1, 50, 60, 80, 30, 30, 100};
  wxStatusBar* bar = CreateStatusBar(7, wxSTB_SIZEGRIP | wxFULL_REPAINT_ON_RESIZE, 0, "status_line");
  bar->SetStatusWidths(7, widths);
  SetStatusText("Ready", 0);
}

void vantorelFrame::RecreateToolbar() {
  delete GetToolBar();
  SetToolBar(nullptr);
  wxToolBar* bar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL, wxID_ANY, "toolbar");
  bar->SetToolBitmapSize(wxSize(24, 24));
  Skewval = new wxTextCtrl(bar, kSkewBoxId, "", wxPoint(0, 0), wxSize(30, 20), wxTE_READONLY);
  // GTK 3 draws a 30-pixel entry too narrow for three digits: widen it just enough.
  const wxSize fit = Skewval->GetSizeFromTextSize(Skewval->GetTextExtent("256"));
  if (fit.x > 30) Skewval->SetSize(wxSize(fit.x, -1));
  MyToolBarFunc(bar);
  bar->InsertControl(std::min<size_t>(12, bar->GetToolsCount()), Skewval);
  bar->Realize();
}

void vantorelFrame::CreateMonitorWindows() {
  Frfft = new wxFrame(this, wxID_ANY, "Frequency", wxPoint(10, 240), wxSize(200, 93),
                      kMonitorStyle, "Receive Monitor");
  Frfft->SetHelpText("This Tuning scope breaks up the sound into it's component frequencies.");

  scope = new wxFrame(this, wxID_ANY, "Tuning Scope", wxPoint(145, 120), wxSize(320, 635),
                      kMonitorStyle, "Receive Monitor");
  scope->SetHelpText(
      "The Tuning scope combines a graphic tuning display of reception quality with a blank page "
      "(black) when  receiving a new weather fax. During reception of a new weather fax, the "
      "picture appears progressively in this area as incoming information is processed by "
      "Vantorel.");

  tlxwin = new wxFrame(this, wxID_ANY, "Telex Window", wxPoint(475, 120), wxSize(320, 635),
                       kMonitorStyle, "Receive Monitor");
  tlxwin->CreateStatusBar(2, wxSTB_SIZEGRIP, wxID_ANY, "status_line");
  tctrl = new wxTextCtrl(tlxwin, wxID_ANY, "Waiting for data....\n", wxPoint(0, 0), wxSize(50, 50),
                         wxTE_MULTILINE | wxTE_PROCESS_TAB);
  tlxwin->SetHelpText(
      "The Telex monitor allows you to see the incoming Telex and adjust the tuning parameters via "
      "the toolbar.");
}

void vantorelFrame::ReadReceptionSettings() {
  auto text = [](const char* key, const char* def) {
    return std::string(ReadString(AppStore(), key, def).utf8_str());
  };
  fax.skew = ReadSkew();
  fax.lowpass = static_cast<unsigned>(std::max(0L, ReadLong(AppStore(), "Lowpass", 500)));
  fax.highpass = static_cast<unsigned>(std::max(0L, ReadLong(AppStore(), "Highpass", 30)));
  const long smallx = ReadLong(AppStore(), "Smallx", 1);
  fax.stoptone = ReadLong(AppStore(), "Wkstop", 1) != 0;
  fax.ioc = text("ioc", "576");
  fax.speed = text("speed", "120");
  fax.Bandwidth = text("Bandwidth", "PHOTO");
  ActiveBypass = !ReadString(AppStore(), "Bypass", "0").StartsWith("0");
  fax.modulation = text("Modulation", "FM");
  fax.StrictAutostart = ReadString(AppStore(), "StrictAutostart", "TRUE") == "TRUE";
  autoflg = true;
  fax.FaxX = 1280;
  fax.FaxY = smallx == 1 ? 2400 : 4800;
}

int vantorelFrame::ReadSkew() {
  // A value from outside the skew range (an older pixel clock) would slant every picture.
  const long stored = ReadLong(AppStore(), "SSkew", vt::fax::kSkewDefault);
  if (stored < vt::fax::kSkewLow || stored > vt::fax::kSkewHigh) return vt::fax::kSkewDefault;
  return static_cast<int>(stored);
}

void vantorelFrame::OnTimer1(wxUpdateUIEvent&) {
  ++tickCount;
  SetStatusBar();
  if (Stopped) return;
  if (IsReceiving || IsReceivingTelex || IsReceivingNavtex) {
    if (IsReceiving) PLL();
    if (IsReceivingTelex || IsReceivingNavtex) PLLTelex();
    return;
  }
  if (RadioActive) PollReceiver();
  RunScheduleBranch();
}

int SignalMeterBars(const std::string& reply, int* value) {
  if (reply.size() <= 4) return 0;
  const size_t at = reply.find("\nI1");
  if (at == std::string::npos || at + 5 > reply.size()) return 0;
  int h = 0;
  for (size_t i = at + 3; i < at + 5; ++i) {
    const char c = reply[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return 0;
    h = h * 16 + digit;
  }
  const int v = 5 * std::max(0, h - 41);
  if (value != nullptr) *value = v;
  if (v <= 1) return 1;
  if (v >= 120) return 15;  // there is no 14-character bar
  return 2 + v / 10;
}

void vantorelFrame::OnTimer(wxTimerEvent&) {
  PollReceiver();
  int v = 0;
  const int bars = SignalMeterBars(std::string(SigReply.mb_str()), &v);
  if (bars == 0) {
    SetStatusText(ridID, 6);
    return;
  }
  SigStr = v;
  SetStatusText(wxString('|', bars), 6);
}

MyCanvas* vantorelFrame::CreateCanvas(vantorelView* view, wxMDIChildFrame* parent) {
  OpenReceiverAtFirstCanvas();
  if (wxWindow* box = FindWindowByName("ToolBox", this)) box->Refresh();
  auto* canvas = new MyCanvas(view, parent, wxPoint(0, 0), parent->GetClientSize(), 0);
  canvas->SetCursor(wxCursor(wxCURSOR_HAND));
  return canvas;
}

void vantorelFrame::OpenReceiverAtFirstCanvas() {
  const wxString present = ReadString(AppStore(), "RadioPresent", "NO");
  const wxString frequency = ReadString(AppStore(), "RadioFrequency", "10.0000");
  ReadString(AppStore(), "RadioStation", "Amderma");
  const wxString bfo = ReadString(AppStore(), "RadioBFO", "-2000");
  AppStore()->Write("RadioBFO", bfo);
  ridID = ReadString(AppStore(), "RadioType", "NONE");
  if (!bFirstTimeIn) return;
  bFirstTimeIn = false;
  if (present != "YES" && ridID != "LOWE HF150") return;
  const bool opened = OpenRadio();
  if (opened || ridID == "LOWE HF150") {
    RadioOn = true;
    RadioActive = true;
    TuneAtStart(frequency, bfo);
    if (ridID == "IC-PCR1000") rtk->Start(500, wxTIMER_CONTINUOUS);
  } else {
    RadioActive = false;
  }
}

void vantorelFrame::ShowContextMenu(const wxPoint& pos) {
  wxMenu menu("Shortcuts");
  menu.Append(wxID_NEW, "&New...\tCtrl-N", "New Document");
  menu.Append(wxID_OPEN, "&Open...\tCtrl-X", "Open Document");
  PopupMenu(&menu, pos);
}

void vantorelFrame::OnRightUp(wxMouseEvent& event) { ShowContextMenu(event.GetPosition()); }

void vantorelFrame::OnHelp(wxHelpEvent&) {
  if (wxGetApp().provider != nullptr) wxGetApp().provider->ShowHelp(this);
}

void vantorelFrame::OnMove(wxMoveEvent& event) {
  const wxPoint pos = GetPosition();
  AppStore()->Write("PTX", static_cast<long>(pos.x));
  AppStore()->Write("PTY", static_cast<long>(pos.y));
  event.Skip();
}

void vantorelFrame::OnSize(wxSizeEvent& event) {
  const wxSize size = GetSize();
  AppStore()->Write("CX", static_cast<long>(size.x));
  AppStore()->Write("CY", static_cast<long>(size.y));
  event.Skip();
}
