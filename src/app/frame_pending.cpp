// Commands whose subsystems are still to come: bound in the frame's event
// table, doing nothing yet, and shown disabled so that nobody presses them in
// vain. Each subsystem moves its handlers out of here.
#include "app/vantorelfrm.h"

void vantorelFrame::OnToolsTelexdecoder(wxCommandEvent&) {}
void vantorelFrame::OnUpdateToolsTelexdecoder(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnToolsNavtexdecoder(wxCommandEvent&) {}
void vantorelFrame::OnUpdateToolsNavtexdecoder(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnUnshiftNow(wxCommandEvent&) {}
void vantorelFrame::OnUpdateUnshiftNow(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnUnshiftOnSpace(wxCommandEvent&) {}
void vantorelFrame::OnUpdateUnshiftOnSpace(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnInvert(wxCommandEvent&) {}
void vantorelFrame::OnUpdateInvert(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationAttenuatesignal(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationAttenuatesignal(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationIncreasevolume(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationIncreasevolume(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationLowervolume(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationLowervolume(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationPoweronoff(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationPoweronoff(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationTunedown1khz(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationTunedown1khz(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationTuneup1khz(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationTuneup1khz(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationTunedown100hz(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationTunedown100hz(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationTuneup100hz(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationTuneup100hz(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnConfigurationSetradio(wxCommandEvent&) {}
void vantorelFrame::OnUpdateConfigurationSetradio(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnChangeSsb(wxCommandEvent&) {}
void vantorelFrame::OnUpdateFreq(wxCommandEvent&) {}
void vantorelFrame::OnChangeStation(wxCommandEvent&) {}
void vantorelFrame::OnSchedulerAutostart(wxCommandEvent&) {}
void vantorelFrame::OnUpdateSchedulerAutostart(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnSchedulerAutocontinuous(wxCommandEvent&) {}
void vantorelFrame::OnUpdateSchedulerAutocontinuous(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnSchedulerTimer(wxCommandEvent&) {}
void vantorelFrame::OnUpdateSchedulerTimer(wxUpdateUIEvent& event) { event.Enable(false); }
void vantorelFrame::OnToolsWeatherfaxschedulerdatabase(wxCommandEvent&) {}

void vantorelFrame::PLLTelex() { ++pllTelexCalls; }
void vantorelFrame::PollReceiver() {}
void vantorelFrame::RunScheduleBranch() {}
void vantorelFrame::AdvanceSchedule() {}
bool vantorelFrame::OpenRadio() { return false; }
void vantorelFrame::TuneAtStart(const wxString&, const wxString&) {}
void vantorelFrame::CloseReceiver() {}
void vantorelFrame::InitialiseToolBox() {}

