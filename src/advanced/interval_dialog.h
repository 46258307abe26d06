#pragma once
// TarnelFeeder3IntervalDialogBase and TarnelFeeder3IntervalDialog: the dialog in which an
// Advanced interval's hours, days and feed timing are typed, and the edit flow built on it.

#include <wx/dialog.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class wxButton;
class wxTextCtrl;
class wxToggleButton;
class TN3Interval;
struct IntervalTexts;

// Builds the controls; its handlers only skip.
class TarnelFeeder3IntervalDialogBase : public wxDialog {
public:
    TarnelFeeder3IntervalDialogBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                                    const wxString& title = wxEmptyString,
                                    const wxPoint& pos = wxDefaultPosition,
                                    const wxSize& size = wxDefaultSize,
                                    long style = wxDEFAULT_DIALOG_STYLE);
    ~TarnelFeeder3IntervalDialogBase() override;

protected:
    virtual void OnKillFocus(wxFocusEvent& event) { event.Skip(); }
    virtual void OnSetFocus(wxFocusEvent& event) { event.Skip(); }
    virtual void OnText(wxCommandEvent& event) { event.Skip(); }
    virtual void OnTextEnter(wxCommandEvent& event) { event.Skip(); }
    virtual void OnDelete(wxCommandEvent& event) { event.Skip(); }
    virtual void OnAdd(wxCommandEvent& event) { event.Skip(); }
    virtual void OnCancel(wxCommandEvent& event) { event.Skip(); }

    wxTextCtrl* start_field;
    wxTextCtrl* stop_field;
    std::array<wxToggleButton*, 7> day_toggles;  // Sunday to Saturday
    wxTextCtrl* frequency_field;
    wxTextCtrl* duration_field;
    wxButton* delete_button;
    wxButton* add_button;
    wxButton* cancel_button;

private:
    std::array<wxTextCtrl*, 4> Fields() const;
};

class TarnelFeeder3IntervalDialog : public TarnelFeeder3IntervalDialogBase {
public:
    // Modal results.
    enum Result { kCancelled = 0, kAccepted = 1, kDeleted = 2 };

    // Modify mode shows "Modify" and "Delete"; Add mode shows "Add" only.
    TarnelFeeder3IntervalDialog(wxWindow* parent, const wxString& title, bool modify);

    // Presses exactly the toggles of the days in the mask and fills the four fields.
    void Set(std::uint8_t days, const std::string& start, const std::string& stop,
             const std::string& on, const std::string& off);
    // The pressed days as a weekday mask; 0 when none is pressed.
    std::uint8_t GetDays() const;
    // The field texts (UTF-8). While the four texts are acceptable these are the canonical
    // time-of-day texts of the accepted values, so what the dialog accepted is what is stored.
    std::string GetStart() const;
    std::string GetStop() const;
    std::string GetOnTime() const;   // the duration field
    std::string GetOffTime() const;  // the frequency field

protected:
    void OnDelete(wxCommandEvent& event) override;
    void OnAdd(wxCommandEvent& event) override;
    void OnCancel(wxCommandEvent& event) override;

private:
    IntervalTexts TypedTexts() const;
    // The canonical texts while the four typed texts pass the checks, else the typed texts.
    IntervalTexts StoredTexts() const;
};

// The Modify flow shared by the week view and the legend: opens the dialog with parent for the
// interval at index, then sets the accepted values into it in place (kAccepted) or erases it
// (kDeleted). Returns the dialog's result; an index past the list's end opens nothing and
// returns kCancelled.
int ModifyInterval(wxWindow* parent, std::vector<TN3Interval>& intervals, std::size_t index);
