#include "app/about_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

AboutDlg::AboutDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxString& text)
    : wxDialog(parent, id, title) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* about_text = new wxStaticText(this, wxID_ANY, text, wxDefaultPosition, wxDefaultSize,
                                        wxALIGN_CENTRE_HORIZONTAL);
    about_text->SetName("about_text");
    sizer->Add(about_text, 1, wxALIGN_CENTER | wxALL, FromDIP(15));
    sizer->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_CENTER | wxBOTTOM, FromDIP(10));
    SetSizerAndFit(sizer);
}
