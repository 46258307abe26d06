#pragma once
// TarnelFeeder3PanelBase and TarnelFeeder3Panel: the Simple program form (program type and
// six duration fields) with normalisation on leaving a field and validation on request.

#include "simple/simple_program.h"

#include <wx/panel.h>

#include <cstdint>
#include <string>

class wxBoxSizer;
class wxChoice;
class wxTextCtrl;
class ProgramPanel;

// Builds the controls and connects their events; its handlers only skip.
class TarnelFeeder3PanelBase : public wxPanel {
public:
    TarnelFeeder3PanelBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                           const wxPoint& pos = wxDefaultPosition,
                           const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL);
    ~TarnelFeeder3PanelBase() override;

protected:
    virtual void OnProgramTypeChoice(wxCommandEvent& event) { event.Skip(); }
    virtual void OnKillFocus(wxFocusEvent& event) { event.Skip(); }
    virtual void OnSetFocus(wxFocusEvent& event) { event.Skip(); }
    virtual void OnText(wxCommandEvent& event) { event.Skip(); }
    virtual void OnTextEnter(wxCommandEvent& event) { event.Skip(); }

    wxBoxSizer* main_sizer;
    wxChoice* program_type_choice;
    wxPanel* test_run_panel;
    wxTextCtrl* test_run_text;
    wxPanel* pause_panel;
    wxTextCtrl* pause_text;
    wxPanel* timing_panel;
    wxTextCtrl* feed_from_text;
    wxTextCtrl* feed_until_text;
    wxTextCtrl* feed_every_text;
    wxTextCtrl* feed_for_text;
    wxPanel* disable_panel;

private:
    void BindTextEvents(wxTextCtrl* text);
    void UnbindTextEvents(wxTextCtrl* text);
};

class TarnelFeeder3Panel : public TarnelFeeder3PanelBase {
public:
    // Background of a field whose text was not a valid duration when the user left it.
    static wxColour InvalidColour() { return wxColour(255, 200, 200); }

    explicit TarnelFeeder3Panel(wxWindow* parent);

    // Milliseconds of each field's duration; 0 while its text is not a valid duration.
    virtual std::uint32_t GetTestRunTimeMS();
    virtual std::uint32_t GetPauseTimeMS();
    virtual std::uint32_t GetStartTimeMS();
    virtual std::uint32_t GetStopTimeMS();
    virtual std::uint32_t GetOffTimeMS();
    virtual std::uint32_t GetOnTimeMS();
    // Selected index of the type choice: a SimpleProgramType.
    virtual int GetProgramType();
    // Field texts as UTF-8, unchanged.
    virtual std::string GetTestRunText();
    virtual std::string GetPauseTimeText();
    virtual std::string GetStartTimeText();
    virtual std::string GetStopTimeText();
    virtual std::string GetOffTimeText();
    virtual std::string GetOnTimeText();
    // Put str into the field unchanged; neither checked nor reformatted until the user
    // leaves the field.
    virtual void SetTestRunText(const std::string& str);
    virtual void SetPauseTimeText(const std::string& str);
    virtual void SetStartTimeText(const std::string& str);
    virtual void SetStopTimeText(const std::string& str);
    virtual void SetOffTimeText(const std::string& str);
    virtual void SetOnTimeText(const std::string& str);

    // False with the first failing check's message in *error_str (when not null).
    bool IsValid(std::string* error_str);

    // All six texts at once, for the program file.
    SimpleProgramTexts GetTexts();
    void SetTexts(const SimpleProgramTexts& texts);

protected:
    void OnProgramTypeChoice(wxCommandEvent& event) override;
    void OnKillFocus(wxFocusEvent& event) override;
    void OnSetFocus(wxFocusEvent& event) override;
    void OnTextEnter(wxCommandEvent& event) override;

private:
    // The program panel that hosts this editor (editor -> program_window -> panel), or null.
    ProgramPanel* FindProgramPanel() const;
    void ShowGroupOf(int program_type);

    wxString text_at_focus;
};
