#include "app/mode_dialog.h"

#include "resources/images.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {
wxFont LargeFont() { return wxFont(wxFontInfo(20).Family(wxFONTFAMILY_DEFAULT)); }

wxStaticText* LargeLabel(wxWindow* parent, const wxString& text) {
    auto* label = new wxStaticText(parent, wxID_ANY, text);
    label->SetFont(LargeFont());
    return label;
}
}  // namespace

AdvanceSelectDialogBase::AdvanceSelectDialogBase(wxWindow* parent, wxWindowID id,
                                                 const wxString& title, const wxPoint& pos,
                                                 const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style) {
    auto* dialog_sizer = new wxBoxSizer(wxVERTICAL);
    dialog_sizer->Add(LargeLabel(this, "Please Select Mode"), 0, wxALIGN_CENTER | wxALL, FromDIP(5));

    auto* grid = new wxFlexGridSizer(2, 2, 0, 0);
    grid->SetFlexibleDirection(wxBOTH);
    grid->SetNonFlexibleGrowMode(wxFLEX_GROWMODE_SPECIFIED);
    simple_button = new wxBitmapButton(this, wxID_ANY, images::SimpleMode());
    simple_button->SetName("simple_button");
    advanced_button = new wxBitmapButton(this, wxID_ANY, images::AdvancedMode());
    advanced_button->SetName("advanced_button");
    grid->Add(simple_button, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, FromDIP(5));
    grid->Add(advanced_button, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, FromDIP(5));
    grid->Add(LargeLabel(this, "Simple"), 0, wxLEFT | wxRIGHT, FromDIP(10));
    grid->Add(LargeLabel(this, "Advanced"), 0, wxLEFT | wxRIGHT, FromDIP(10));
    dialog_sizer->Add(grid, 1, wxALIGN_CENTER_HORIZONTAL);

    cancel_button = new wxButton(this, wxID_ANY, "Cancel");
    cancel_button->SetName("cancel_button");
    cancel_button->SetFont(LargeFont());
    dialog_sizer->Add(cancel_button, 0, wxEXPAND | wxALL, FromDIP(5));

    SetSizer(dialog_sizer);
    Layout();
    dialog_sizer->Fit(this);

    simple_button->Bind(wxEVT_BUTTON, &AdvanceSelectDialogBase::OnSimple, this);
    advanced_button->Bind(wxEVT_BUTTON, &AdvanceSelectDialogBase::OnAdvanced, this);
    cancel_button->Bind(wxEVT_BUTTON, &AdvanceSelectDialogBase::OnCancel, this);
}

AdvanceSelectDialogBase::~AdvanceSelectDialogBase() {
    simple_button->Unbind(wxEVT_BUTTON, &AdvanceSelectDialogBase::OnSimple, this);
    advanced_button->Unbind(wxEVT_BUTTON, &AdvanceSelectDialogBase::OnAdvanced, this);
    cancel_button->Unbind(wxEVT_BUTTON, &AdvanceSelectDialogBase::OnCancel, this);
}

void AdvanceSelectDialog::OnSimple(wxCommandEvent&) { EndModal(kSimpleResult); }

void AdvanceSelectDialog::OnAdvanced(wxCommandEvent&) { EndModal(kAdvancedResult); }

void AdvanceSelectDialog::OnCancel(wxCommandEvent&) { EndModal(kCancelResult); }
