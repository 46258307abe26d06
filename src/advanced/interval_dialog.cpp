#include "advanced/interval_dialog.h"

#include "advanced/interval_input.h"
#include "advanced/tn3_interval.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

namespace {

const char* const kDayLabels[7] = {"Su", "M", "Tu", "W", "Th", "F", "Sa"};

wxFont ControlFont() { return wxFont(wxFontInfo(20).Family(wxFONTFAMILY_DEFAULT)); }

}  // namespace

TarnelFeeder3IntervalDialogBase::TarnelFeeder3IntervalDialogBase(wxWindow* parent, wxWindowID id,
                                                                 const wxString& title,
                                                                 const wxPoint& pos,
                                                                 const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style) {
    const wxFont font = ControlFont();
    auto label = [&](const wxString& text) {
        auto* static_text = new wxStaticText(this, wxID_ANY, text);
        static_text->SetFont(font);
        return static_text;
    };
    auto field = [&](const wxString& text, const char* name) {
        auto* text_field = new wxTextCtrl(this, wxID_ANY, text, wxDefaultPosition,
                                          FromDIP(wxSize(165, -1)), wxTE_PROCESS_ENTER);
        text_field->SetFont(font);
        text_field->SetName(name);
        return text_field;
    };
    // Two labels centred over two fields, as a two-column grid.
    auto field_pair = [&](const wxString& left, const wxString& right, wxTextCtrl* left_field,
                          wxTextCtrl* right_field) {
        auto* grid = new wxFlexGridSizer(2, 0, 0);
        grid->Add(label(left), 0, wxALIGN_CENTER);
        grid->Add(label(right), 0, wxALIGN_CENTER);
        grid->Add(left_field, 0, wxALL, 5);
        grid->Add(right_field, 0, wxALL, 5);
        return grid;
    };
    auto button = [&](const wxString& text, const char* name) {
        auto* push_button = new wxButton(this, wxID_ANY, text);
        push_button->SetFont(font);
        push_button->SetName(name);
        return push_button;
    };

    auto* dialog_sizer = new wxBoxSizer(wxVERTICAL);

    dialog_sizer->Add(label("Operating Hours"), 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 5);
    start_field = field("00:00:00", "start_field");
    stop_field = field("00:00:00", "stop_field");
    wxFlexGridSizer* hours_grid = field_pair("Start", "Stop", start_field, stop_field);
    dialog_sizer->Add(hours_grid, 0, wxALIGN_CENTER_HORIZONTAL);

    dialog_sizer->Add(label("Operating Days"), 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 20);
    auto* days_sizer = new wxBoxSizer(wxHORIZONTAL);
    for (int day = 0; day < 7; ++day) {
        auto* toggle = new wxToggleButton(this, wxID_ANY, kDayLabels[day], wxDefaultPosition,
                                          FromDIP(wxSize(50, -1)));
        toggle->SetFont(font);
        toggle->SetName(wxString::Format("day_toggle_%d", day));
        toggle->SetValue(true);
        days_sizer->Add(toggle, 0);
        day_toggles[day] = toggle;
    }
    dialog_sizer->Add(days_sizer, 0, wxALIGN_CENTER_HORIZONTAL);

    dialog_sizer->Add(label("Feed Duration"), 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 20);
    frequency_field = field("00:15:00", "frequency_field");
    duration_field = field("00:00:30", "duration_field");
    wxFlexGridSizer* feed_grid = field_pair("Frequency", "Duration", frequency_field, duration_field);
    dialog_sizer->Add(feed_grid, 0, wxALIGN_CENTER_HORIZONTAL | wxBOTTOM, 10);

    auto* button_sizer = new wxBoxSizer(wxHORIZONTAL);
    delete_button = button("Delete", "delete_button");
    add_button = button("Add", "add_button");
    cancel_button = button("Cancel", "cancel_button");
    button_sizer->Add(delete_button, 0, wxALL, 5);
    button_sizer->Add(FromDIP(75), 0, 1);
    button_sizer->Add(add_button, 0, wxALL, 5);
    button_sizer->Add(cancel_button, 0, wxALL, 5);
    dialog_sizer->Add(button_sizer, 0, wxEXPAND);

    SetSizer(dialog_sizer);
    Layout();
    dialog_sizer->Fit(this);

    for (wxTextCtrl* text_field : Fields()) {
        text_field->Bind(wxEVT_KILL_FOCUS, &TarnelFeeder3IntervalDialogBase::OnKillFocus, this);
        text_field->Bind(wxEVT_SET_FOCUS, &TarnelFeeder3IntervalDialogBase::OnSetFocus, this);
        text_field->Bind(wxEVT_TEXT, &TarnelFeeder3IntervalDialogBase::OnText, this);
        text_field->Bind(wxEVT_TEXT_ENTER, &TarnelFeeder3IntervalDialogBase::OnTextEnter, this);
    }
    delete_button->Bind(wxEVT_BUTTON, &TarnelFeeder3IntervalDialogBase::OnDelete, this);
    add_button->Bind(wxEVT_BUTTON, &TarnelFeeder3IntervalDialogBase::OnAdd, this);
    cancel_button->Bind(wxEVT_BUTTON, &TarnelFeeder3IntervalDialogBase::OnCancel, this);
}

TarnelFeeder3IntervalDialogBase::~TarnelFeeder3IntervalDialogBase() {
    for (wxTextCtrl* text_field : Fields()) {
        text_field->Unbind(wxEVT_KILL_FOCUS, &TarnelFeeder3IntervalDialogBase::OnKillFocus, this);
        text_field->Unbind(wxEVT_SET_FOCUS, &TarnelFeeder3IntervalDialogBase::OnSetFocus, this);
        text_field->Unbind(wxEVT_TEXT, &TarnelFeeder3IntervalDialogBase::OnText, this);
        text_field->Unbind(wxEVT_TEXT_ENTER, &TarnelFeeder3IntervalDialogBase::OnTextEnter, this);
    }
    delete_button->Unbind(wxEVT_BUTTON, &TarnelFeeder3IntervalDialogBase::OnDelete, this);
    add_button->Unbind(wxEVT_BUTTON, &TarnelFeeder3IntervalDialogBase::OnAdd, this);
    cancel_button->Unbind(wxEVT_BUTTON, &TarnelFeeder3IntervalDialogBase::OnCancel, this);
}

std::array<wxTextCtrl*, 4> TarnelFeeder3IntervalDialogBase::Fields() const {
    return {start_field, stop_field, frequency_field, duration_field};
}

TarnelFeeder3IntervalDialog::TarnelFeeder3IntervalDialog(wxWindow* parent, const wxString& title,
                                                         bool modify)
    : TarnelFeeder3IntervalDialogBase(parent, wxID_ANY, title) {
    add_button->SetLabel(modify ? "Modify" : "Add");
    delete_button->Show(modify);
    Layout();
}

void TarnelFeeder3IntervalDialog::Set(std::uint8_t days, const std::string& start,
                                      const std::string& stop, const std::string& on,
                                      const std::string& off) {
    for (int day = 0; day < 7; ++day)
        day_toggles[day]->SetValue((days & (2u << day)) != 0);
    start_field->ChangeValue(wxString::FromUTF8(start));
    stop_field->ChangeValue(wxString::FromUTF8(stop));
    duration_field->ChangeValue(wxString::FromUTF8(on));
    frequency_field->ChangeValue(wxString::FromUTF8(off));
}

std::uint8_t TarnelFeeder3IntervalDialog::GetDays() const {
    unsigned days = 0;
    for (int day = 0; day < 7; ++day)
        if (day_toggles[day]->GetValue()) days |= 2u << day;
    return static_cast<std::uint8_t>(days);
}

IntervalTexts TarnelFeeder3IntervalDialog::TypedTexts() const {
    IntervalTexts typed;
    typed.start = start_field->GetValue().utf8_string();
    typed.stop = stop_field->GetValue().utf8_string();
    typed.frequency = frequency_field->GetValue().utf8_string();
    typed.duration = duration_field->GetValue().utf8_string();
    return typed;
}

IntervalTexts TarnelFeeder3IntervalDialog::StoredTexts() const {
    const IntervalTexts typed = TypedTexts();
    IntervalTexts canonical;
    return CheckIntervalTexts(typed, &canonical, nullptr) ? canonical : typed;
}

std::string TarnelFeeder3IntervalDialog::GetStart() const { return StoredTexts().start; }
std::string TarnelFeeder3IntervalDialog::GetStop() const { return StoredTexts().stop; }
std::string TarnelFeeder3IntervalDialog::GetOnTime() const { return StoredTexts().duration; }
std::string TarnelFeeder3IntervalDialog::GetOffTime() const { return StoredTexts().frequency; }

void TarnelFeeder3IntervalDialog::OnAdd(wxCommandEvent&) {
    std::string error;
    if (CheckIntervalTexts(TypedTexts(), nullptr, &error)) {
        EndModal(kAccepted);
        return;
    }
    wxMessageDialog refusal(nullptr, wxString::FromUTF8(error), "Invalid Time", wxOK | wxICON_ERROR);
    refusal.ShowModal();
}

void TarnelFeeder3IntervalDialog::OnDelete(wxCommandEvent&) { EndModal(kDeleted); }

void TarnelFeeder3IntervalDialog::OnCancel(wxCommandEvent&) { EndModal(kCancelled); }

int ModifyInterval(wxWindow* parent, std::vector<TN3Interval>& intervals, std::size_t index) {
    if (index >= intervals.size()) return TarnelFeeder3IntervalDialog::kCancelled;
    TN3Interval& interval = intervals[index];
    TarnelFeeder3IntervalDialog dialog(parent, "Tarnel Feeder - Modify", true);
    dialog.Set(interval.start.day_mask, interval.GetStart(), interval.GetStop(),
               interval.GetOnTime(), interval.GetOffTime());
    const int result = dialog.ShowModal();
    if (result == TarnelFeeder3IntervalDialog::kAccepted) {
        const std::uint8_t days = dialog.GetDays();
        interval.start.SetFromText(dialog.GetStart(), days);
        interval.stop.SetFromText(dialog.GetStop(), days);
        interval.on.SetFromText(dialog.GetOnTime(), days);
        interval.off.SetFromText(dialog.GetOffTime(), days);
    } else if (result == TarnelFeeder3IntervalDialog::kDeleted) {
        intervals.erase(intervals.begin() + static_cast<std::ptrdiff_t>(index));
    } else {
        return TarnelFeeder3IntervalDialog::kCancelled;
    }
    return result;
}
