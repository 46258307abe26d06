#pragma once
// AdvanceSelectDialogBase and AdvanceSelectDialog: asks at File > New whether to create a
// Simple or an Advanced program.

#include <wx/dialog.h>

class wxBitmapButton;
class wxButton;

class AdvanceSelectDialogBase : public wxDialog {
public:
    AdvanceSelectDialogBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                            const wxString& title = "Create New - Select Mode",
                            const wxPoint& pos = wxDefaultPosition,
                            const wxSize& size = wxDefaultSize,
                            long style = wxDEFAULT_DIALOG_STYLE);
    ~AdvanceSelectDialogBase() override;

protected:
    virtual void OnSimple(wxCommandEvent& event) { event.Skip(); }
    virtual void OnAdvanced(wxCommandEvent& event) { event.Skip(); }
    virtual void OnCancel(wxCommandEvent& event) { event.Skip(); }

    wxBitmapButton* simple_button;
    wxBitmapButton* advanced_button;
    wxButton* cancel_button;
};

class AdvanceSelectDialog : public AdvanceSelectDialogBase {
public:
    // Modal results; anything else (close box, Escape) creates no program.
    enum Result { kCancelResult = 0, kSimpleResult = 1, kAdvancedResult = 2 };

    using AdvanceSelectDialogBase::AdvanceSelectDialogBase;

protected:
    void OnSimple(wxCommandEvent& event) override;
    void OnAdvanced(wxCommandEvent& event) override;
    void OnCancel(wxCommandEvent& event) override;
};
