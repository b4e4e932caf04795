// The main frame: MDI parent, owner of all receiver state, command routing and the tick.
#pragma once

#include <wx/docmdi.h>
#include <wx/html/helpctrl.h>
#include <wx/wx.h>

#include "app/statusdisplay.h"
#include "capture/wxSoundInGTK.h"
#include "fax/faxdecoder.h"
#include "fax/gui/framehost.h"

class vantorelView;
class MyCanvas;

// Window ids of the frame's own machinery.
constexpr int kTickEventId = 6002;
constexpr int kSkewBoxId = 6003;
constexpr int kReceiverPollTimerId = 1234;

// The heartbeat: stops itself, runs one tick synchronously, restarts with
// `interval`. A handler therefore cannot stop it by stopping the timer; it
// sets the frame's `Stopped` instead.
class Ticker : public wxTimer {
 public:
  explicit Ticker(wxFrame* frame);
  void Notify() override;

  wxFrame* frame;
  int interval = 1000;
};

class vantorelFrame : public wxDocMDIParentFrame {
 public:
  vantorelFrame(wxDocManager* manager, wxFrame* parent, const wxString& title, const wxPoint& pos,
                const wxSize& size, long style);
  ~vantorelFrame() override;

  MyCanvas* CreateCanvas(vantorelView* view, wxMDIChildFrame* parent);
  void RecreateToolbar();
  wxWindow* GetSkew() { return FindWindow(kSkewBoxId); }
  wxHtmlHelpController& GetAdvancedHtmlHelpController() { return m_help; }

  void ShowContextMenu(const wxPoint& pos);
  void OnRightUp(wxMouseEvent& event);
  void OnHelp(wxHelpEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnMove(wxMoveEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnTimer1(wxUpdateUIEvent& event);

  // Status display.
  void SetStatusBar();
  vt::ReceptionState CurrentReceptionState() const;
  void OnFaxReceivestatus(wxCommandEvent& event);

  // Reception control (fax).
  virtual bool SavePicture();
  void TerminateReception();
  // A fax reception that waits for the start tone and phasing before writing rows.
  void StartAutostartReception();
  // Skew box text for the current pixel clock.
  void ShowSkew();
  // "SSkew" from the store, or the default when it lies outside the skew range.
  int ReadSkew();
  void OnFaxReceivefax(wxCommandEvent& event);
  void OnUpdateFaxReceivefax(wxUpdateUIEvent& event);
  void OnFaxStopreceiving(wxCommandEvent& event);
  void OnUpdateFaxStopreceiving(wxUpdateUIEvent& event);
  void OnPictureSkewleft(wxCommandEvent& event);
  void OnPictureSkewright(wxCommandEvent& event);
  void OnUpdateSkewval(wxCommandEvent& event);
  void OnViewTuningscope(wxCommandEvent& event);
  void OnUpdateViewTuningscope(wxUpdateUIEvent& event);
  void OnConfigure(wxCommandEvent& event);
  // The properties dialog's values in and out, and the receiver-interface step.
  void FillFaxConfig(class CFaxConfig& dialog);
  void ApplyFaxConfig(class CFaxConfig& dialog);
  void ApplyReceiverInterface(bool ticked);
  void OnConfigurationFilter(wxCommandEvent& event);
  void OnUpdateConfigurationFilter(wxUpdateUIEvent& event);

  // Telex and NAVTEX.
  void OnToolsTelexdecoder(wxCommandEvent& event);
  void OnUpdateToolsTelexdecoder(wxUpdateUIEvent& event);
  void OnToolsNavtexdecoder(wxCommandEvent& event);
  void OnUpdateToolsNavtexdecoder(wxUpdateUIEvent& event);
  void OnUnshiftNow(wxCommandEvent& event);
  void OnUpdateUnshiftNow(wxUpdateUIEvent& event);
  void OnUnshiftOnSpace(wxCommandEvent& event);
  void OnUpdateUnshiftOnSpace(wxUpdateUIEvent& event);
  void OnInvert(wxCommandEvent& event);
  void OnUpdateInvert(wxUpdateUIEvent& event);

  // Receiver control and the frequency bar.
  void OnConfigurationAttenuatesignal(wxCommandEvent& event);
  void OnUpdateConfigurationAttenuatesignal(wxUpdateUIEvent& event);
  void OnConfigurationIncreasevolume(wxCommandEvent& event);
  void OnUpdateConfigurationIncreasevolume(wxUpdateUIEvent& event);
  void OnConfigurationLowervolume(wxCommandEvent& event);
  void OnUpdateConfigurationLowervolume(wxUpdateUIEvent& event);
  void OnConfigurationPoweronoff(wxCommandEvent& event);
  void OnUpdateConfigurationPoweronoff(wxUpdateUIEvent& event);
  void OnConfigurationTunedown1khz(wxCommandEvent& event);
  void OnUpdateConfigurationTunedown1khz(wxUpdateUIEvent& event);
  void OnConfigurationTuneup1khz(wxCommandEvent& event);
  void OnUpdateConfigurationTuneup1khz(wxUpdateUIEvent& event);
  void OnConfigurationTunedown100hz(wxCommandEvent& event);
  void OnUpdateConfigurationTunedown100hz(wxUpdateUIEvent& event);
  void OnConfigurationTuneup100hz(wxCommandEvent& event);
  void OnUpdateConfigurationTuneup100hz(wxUpdateUIEvent& event);
  void OnConfigurationSetradio(wxCommandEvent& event);
  void OnUpdateConfigurationSetradio(wxUpdateUIEvent& event);
  void OnChangeSsb(wxCommandEvent& event);
  void OnUpdateFreq(wxCommandEvent& event);
  void OnChangeStation(wxCommandEvent& event);

  // Automation.
  void OnSchedulerAutostart(wxCommandEvent& event);
  void OnUpdateSchedulerAutostart(wxUpdateUIEvent& event);
  void OnSchedulerAutocontinuous(wxCommandEvent& event);
  void OnUpdateSchedulerAutocontinuous(wxUpdateUIEvent& event);
  void OnSchedulerTimer(wxCommandEvent& event);
  void OnUpdateSchedulerTimer(wxUpdateUIEvent& event);
  void OnToolsWeatherfaxschedulerdatabase(wxCommandEvent& event);

  // Work the tick hands to the decoders and the receiver; filled by their subsystems.
  void PLL();
  void PLLTelex();
  void PollReceiver();
  void RunScheduleBranch();
  // Moves the prepared schedule entry past the current time.
  void AdvanceSchedule();

  // Receiver hooks used at start-up and shutdown.
  bool OpenRadio();
  void TuneAtStart(const wxString& frequencyKHz, const wxString& bfo);
  void CloseReceiver();
  void InitialiseToolBox();

  // Frame-level state.
  Ticker* tk = nullptr;
  wxTimer* rtk = nullptr;
  bool Stopped = false;
  bool IsReceiving = false;
  bool IsReceivingTelex = false;
  bool IsReceivingNavtex = false;
  bool bExit = false;
  bool bFirstTimeIn = true;
  wxFrame* Frfft = nullptr;
  wxFrame* scope = nullptr;
  wxFrame* tlxwin = nullptr;
  wxTextCtrl* tctrl = nullptr;
  wxTextCtrl* Skewval = nullptr;
  bool ScopeVisible = true;
  int SigStr = 0;
  wxHtmlHelpController m_help;

  // Capture, and the fax chain reading it (its settings: fax.ioc, fax.speed, fax.skew, ...).
  CSoundIn sc;
  FrameFaxHost faxHost{this};
  vt::fax::CFaxDecoder fax{sc, faxHost};

  // Reception control.
  wxString name;        // full path of the last saved file
  wxString tlxbuffer;   // text received by the telex or NAVTEX decoder
  wxString FaxLast;     // description of the current schedule entry
  unsigned long Faxlen = 0;
  bool ActiveBypass = false;  // "Low Frequency Mode" check box; no effect on reception
  bool autoflg = true;        // "AutoSchedule on at Startup" check box
  // Where the last picture that could not be written to its folder was kept instead.
  wxString RescuedPicture;

  // Receiver (filled by the receiver subsystem).
  wxFileConfig* radioConfig = nullptr;
  bool RadioActive = false;
  wxString ridID = "NONE";
  bool bRadio = false;
  bool RadioOn = false;
  int AltSub = 0;
  int wkAltSub = 0;
  wxString SigReply;  // last reply text of the receiver poll

  // Schedule state.
  bool TimerActive = false;
  bool TimerCapture = false;
  bool NewTimerActive = false;
  bool ContRec = false;
  int NewTimerSequence = 0;
  int ContDur = 0;
  wxString NextFax;
  wxDateTime NewStartTime;

  // Tick counters, for tests and diagnostics.
  long tickCount = 0;
  long pllCalls = 0;
  long pllTelexCalls = 0;

 private:
  void CreateMonitorWindows();
  void CreateMainStatusBar();
  void ReadReceptionSettings();
  void OpenReceiverAtFirstCanvas();

  wxDECLARE_EVENT_TABLE();
};

// The signal meter: the bar length for a receiver reply, or 0 when the reply
// has no signal field. value receives 5 * max(0, h - 41) for the reply's hex h.
int SignalMeterBars(const std::string& reply, int* value);
