#include "simple/timing_editor.h"

#include "program/program_panel.h"
#include "program/time_text.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {
const char* const kDisableText =
    "Program the remote to disable the unit.\n\nThe unit will still have power and charge in "
    "sunlight. The motor will NOT activate automatically until the unit is reprogrammed with "
    "new timing settings.\n\nThe unit will still activate the motor when a test run signal is "
    "recieved.";

wxFont EditorFont() { return wxFont(wxFontInfo(20).Family(wxFONTFAMILY_DEFAULT)); }

wxStaticText* NewLabel(wxWindow* parent, const wxString& text) {
    auto* label = new wxStaticText(parent, wxID_ANY, text);
    label->SetFont(EditorFont());
    return label;
}

wxTextCtrl* NewField(wxWindow* parent, const char* name, const char* text) {
    auto* field = new wxTextCtrl(parent, wxID_ANY, text, wxDefaultPosition,
                                 wxSize(parent->FromDIP(150), -1),
                                 wxTE_PROCESS_ENTER | wxTE_NO_VSCROLL);
    field->SetFont(EditorFont());
    field->SetName(name);
    return field;
}

void AddSpacer(wxSizer* sizer) { sizer->Add(0, 0, 1, wxEXPAND, 0); }

wxPanel* NewGroup(wxWindow* parent, const char* name) {
    auto* group = new wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    group->SetName(name);
    return group;
}

void FinishGroup(wxPanel* group, wxSizer* sizer) {
    group->SetSizer(sizer);
    group->Layout();
    sizer->Fit(group);
}

// A hidden group of one labelled duration field, as the Test Run and Pause types show.
wxPanel* NewDurationGroup(wxWindow* parent, const char* name, const char* label,
                          const char* field_name, const char* text, wxTextCtrl** field) {
    wxPanel* group = NewGroup(parent, name);
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    AddSpacer(sizer);
    sizer->Add(NewLabel(group, label), 0, wxALL | wxALIGN_CENTER_VERTICAL, 5);
    *field = NewField(group, field_name, text);
    sizer->Add(*field, 0, wxALL, 5);
    FinishGroup(group, sizer);
    group->Hide();
    return group;
}
}  // namespace

TarnelFeeder3PanelBase::TarnelFeeder3PanelBase(wxWindow* parent, wxWindowID id,
                                               const wxPoint& pos, const wxSize& size, long style)
    : wxPanel(parent, id, pos, size, style) {
    main_sizer = new wxBoxSizer(wxVERTICAL);

    auto* type_row = new wxBoxSizer(wxHORIZONTAL);
    type_row->Add(NewLabel(this, "Program Remote for"), 0, wxALL | wxALIGN_CENTER_VERTICAL, 5);
    const wxString types[] = {"Test Run", "Pause", "Timing", "Disable"};
    program_type_choice = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                       WXSIZEOF(types), types);
    program_type_choice->SetFont(EditorFont());
    program_type_choice->SetName("program_type_choice");
    program_type_choice->SetSelection(kTimingProgram);
    type_row->Add(program_type_choice, 0, wxALL, 5);
    main_sizer->Add(type_row, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);

    test_run_panel = NewDurationGroup(this, "test_run_panel", "Test Run Duration", "test_run_text",
                                      "00:00:10", &test_run_text);
    main_sizer->Add(test_run_panel, 0, wxLEFT | wxTOP, 10);

    pause_panel = NewDurationGroup(this, "pause_panel", "Pause Duration", "pause_text", "00:15:00",
                                   &pause_text);
    main_sizer->Add(pause_panel, 0, wxLEFT | wxTOP, 10);

    timing_panel = NewGroup(this, "timing_panel");
    auto* timing_sizer = new wxFlexGridSizer(4, 0, 0);
    timing_sizer->SetFlexibleDirection(wxBOTH);
    timing_sizer->SetNonFlexibleGrowMode(wxFLEX_GROWMODE_SPECIFIED);
    const int side_label = wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL;
    AddSpacer(timing_sizer);
    timing_sizer->Add(NewLabel(timing_panel, "Operating Hours"), 0, wxALIGN_CENTER_HORIZONTAL, 0);
    AddSpacer(timing_sizer);
    AddSpacer(timing_sizer);
    timing_sizer->Add(NewLabel(timing_panel, "Feed from"), 0, side_label, 0);
    feed_from_text = NewField(timing_panel, "feed_from_text", "00:00:00");
    timing_sizer->Add(feed_from_text, 0, wxALL, 5);
    timing_sizer->Add(NewLabel(timing_panel, "until"), 0, side_label, 0);
    feed_until_text = NewField(timing_panel, "feed_until_text", "00:00:00");
    timing_sizer->Add(feed_until_text, 0, wxALL, 5);
    AddSpacer(timing_sizer);
    timing_sizer->Add(NewLabel(timing_panel, "Feed Duration"), 0,
                      wxALIGN_CENTER_HORIZONTAL | wxTOP, 15);
    AddSpacer(timing_sizer);
    AddSpacer(timing_sizer);
    timing_sizer->Add(NewLabel(timing_panel, "Feed every"), 0, side_label, 0);
    feed_every_text = NewField(timing_panel, "feed_every_text", "00:15:00");
    timing_sizer->Add(feed_every_text, 0, wxALL, 5);
    timing_sizer->Add(NewLabel(timing_panel, "for"), 0, side_label, 0);
    feed_for_text = NewField(timing_panel, "feed_for_text", "00:00:30");
    timing_sizer->Add(feed_for_text, 0, wxALL, 5);
    FinishGroup(timing_panel, timing_sizer);
    main_sizer->Add(timing_panel, 0, wxLEFT | wxTOP, 10);

    disable_panel = NewGroup(this, "disable_panel");
    auto* disable_sizer = new wxBoxSizer(wxVERTICAL);
    wxStaticText* disable_label = NewLabel(disable_panel, kDisableText);
    disable_label->Wrap(FromDIP(300));
    disable_sizer->Add(disable_label, 0, wxALL, 5);
    FinishGroup(disable_panel, disable_sizer);
    disable_panel->Hide();
    main_sizer->Add(disable_panel, 0, wxEXPAND | wxLEFT | wxTOP, 10);

    SetSizer(main_sizer);
    Layout();
    main_sizer->Fit(this);

    program_type_choice->Bind(wxEVT_CHOICE, &TarnelFeeder3PanelBase::OnProgramTypeChoice, this);
    for (wxTextCtrl* text : {test_run_text, pause_text, feed_from_text, feed_until_text,
                             feed_every_text, feed_for_text})
        BindTextEvents(text);
}

TarnelFeeder3PanelBase::~TarnelFeeder3PanelBase() {
    program_type_choice->Unbind(wxEVT_CHOICE, &TarnelFeeder3PanelBase::OnProgramTypeChoice, this);
    for (wxTextCtrl* text : {test_run_text, pause_text, feed_from_text, feed_until_text,
                             feed_every_text, feed_for_text})
        UnbindTextEvents(text);
}

// Focus events are not command events and do not travel up to the editor: each field gets
// its own connection.
void TarnelFeeder3PanelBase::BindTextEvents(wxTextCtrl* text) {
    text->Bind(wxEVT_KILL_FOCUS, &TarnelFeeder3PanelBase::OnKillFocus, this);
    text->Bind(wxEVT_SET_FOCUS, &TarnelFeeder3PanelBase::OnSetFocus, this);
    text->Bind(wxEVT_TEXT, &TarnelFeeder3PanelBase::OnText, this);
    text->Bind(wxEVT_TEXT_ENTER, &TarnelFeeder3PanelBase::OnTextEnter, this);
}

void TarnelFeeder3PanelBase::UnbindTextEvents(wxTextCtrl* text) {
    text->Unbind(wxEVT_KILL_FOCUS, &TarnelFeeder3PanelBase::OnKillFocus, this);
    text->Unbind(wxEVT_SET_FOCUS, &TarnelFeeder3PanelBase::OnSetFocus, this);
    text->Unbind(wxEVT_TEXT, &TarnelFeeder3PanelBase::OnText, this);
    text->Unbind(wxEVT_TEXT_ENTER, &TarnelFeeder3PanelBase::OnTextEnter, this);
}

TarnelFeeder3Panel::TarnelFeeder3Panel(wxWindow* parent)
    : TarnelFeeder3PanelBase(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             wxTAB_TRAVERSAL) {}

ProgramPanel* TarnelFeeder3Panel::FindProgramPanel() const {
    wxWindow* program_window = GetParent();
    return program_window ? dynamic_cast<ProgramPanel*>(program_window->GetParent()) : nullptr;
}

void TarnelFeeder3Panel::ShowGroupOf(int program_type) {
    wxPanel* shown = timing_panel;
    if (program_type == kTestRunProgram) shown = test_run_panel;
    if (program_type == kPauseProgram) shown = pause_panel;
    if (program_type == kDisableProgram) shown = disable_panel;
    for (wxPanel* group : {test_run_panel, pause_panel, timing_panel, disable_panel})
        group->Show(group == shown);
}

void TarnelFeeder3Panel::OnProgramTypeChoice(wxCommandEvent&) {
    ShowGroupOf(GetProgramType());
    main_sizer->Layout();
    // Not a change of the program (the file does not keep the type), but the message is.
    if (ProgramPanel* panel = FindProgramPanel()) {
        panel->UpdateSize();
        GetParent()->Layout();
    }
}

void TarnelFeeder3Panel::OnSetFocus(wxFocusEvent& event) {
    auto* text = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    if (!text) return;
    text_at_focus = text->GetValue();
    text->SetBackgroundColour(wxNullColour);
    text->SetForegroundColour(wxNullColour);
    text->Refresh();
}

void TarnelFeeder3Panel::OnKillFocus(wxFocusEvent& event) {
    // GTK needs its own focus-out handling (caret, selection) whatever this handler does.
    event.Skip();
    auto* text = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    if (!text) return;
    TimeText parsed;
    if (parsed.SetFromText(text->GetValue().utf8_string(), 0)) {
        const wxString canonical = wxString::FromUTF8(parsed.GetText());
        if (text->GetValue() != canonical) text->ChangeValue(canonical);
    } else {
        // Dark text on the light red, whatever the theme's text colour.
        text->SetBackgroundColour(InvalidColour());
        text->SetForegroundColour(*wxBLACK);
        text->Refresh();
    }
    if (text->GetValue() != text_at_focus) {
        if (ProgramPanel* panel = FindProgramPanel()) panel->SetSaveStatus(true);
    }
}

void TarnelFeeder3Panel::OnTextEnter(wxCommandEvent&) {
    if (ProgramPanel* panel = FindProgramPanel()) panel->SetProgramFocus();
}

std::uint32_t TarnelFeeder3Panel::GetTestRunTimeMS() { return DurationMs(GetTestRunText()); }
std::uint32_t TarnelFeeder3Panel::GetPauseTimeMS() { return DurationMs(GetPauseTimeText()); }
std::uint32_t TarnelFeeder3Panel::GetStartTimeMS() { return DurationMs(GetStartTimeText()); }
std::uint32_t TarnelFeeder3Panel::GetStopTimeMS() { return DurationMs(GetStopTimeText()); }
std::uint32_t TarnelFeeder3Panel::GetOffTimeMS() { return DurationMs(GetOffTimeText()); }
std::uint32_t TarnelFeeder3Panel::GetOnTimeMS() { return DurationMs(GetOnTimeText()); }

int TarnelFeeder3Panel::GetProgramType() { return program_type_choice->GetSelection(); }

std::string TarnelFeeder3Panel::GetTestRunText() { return test_run_text->GetValue().utf8_string(); }
std::string TarnelFeeder3Panel::GetPauseTimeText() { return pause_text->GetValue().utf8_string(); }
std::string TarnelFeeder3Panel::GetStartTimeText() {
    return feed_from_text->GetValue().utf8_string();
}
std::string TarnelFeeder3Panel::GetStopTimeText() {
    return feed_until_text->GetValue().utf8_string();
}
std::string TarnelFeeder3Panel::GetOffTimeText() {
    return feed_every_text->GetValue().utf8_string();
}
std::string TarnelFeeder3Panel::GetOnTimeText() { return feed_for_text->GetValue().utf8_string(); }

void TarnelFeeder3Panel::SetTestRunText(const std::string& str) {
    test_run_text->SetValue(wxString::FromUTF8(str));
}
void TarnelFeeder3Panel::SetPauseTimeText(const std::string& str) {
    pause_text->SetValue(wxString::FromUTF8(str));
}
void TarnelFeeder3Panel::SetStartTimeText(const std::string& str) {
    feed_from_text->SetValue(wxString::FromUTF8(str));
}
void TarnelFeeder3Panel::SetStopTimeText(const std::string& str) {
    feed_until_text->SetValue(wxString::FromUTF8(str));
}
void TarnelFeeder3Panel::SetOffTimeText(const std::string& str) {
    feed_every_text->SetValue(wxString::FromUTF8(str));
}
void TarnelFeeder3Panel::SetOnTimeText(const std::string& str) {
    feed_for_text->SetValue(wxString::FromUTF8(str));
}

bool TarnelFeeder3Panel::IsValid(std::string* error_str) {
    return ValidateSimpleProgram(GetTexts(), error_str);
}

SimpleProgramTexts TarnelFeeder3Panel::GetTexts() {
    SimpleProgramTexts texts;
    texts.test_run = GetTestRunText();
    texts.pause = GetPauseTimeText();
    texts.feed_from = GetStartTimeText();
    texts.feed_until = GetStopTimeText();
    texts.feed_every = GetOffTimeText();
    texts.feed_for = GetOnTimeText();
    return texts;
}

void TarnelFeeder3Panel::SetTexts(const SimpleProgramTexts& texts) {
    SetTestRunText(texts.test_run);
    SetPauseTimeText(texts.pause);
    SetStartTimeText(texts.feed_from);
    SetStopTimeText(texts.feed_until);
    SetOffTimeText(texts.feed_every);
    SetOnTimeText(texts.feed_for);
}
