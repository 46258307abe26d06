#pragma once
// AboutDlg: the About box, a title and a short centred text with an "OK" button.

#include <wx/dialog.h>

class AboutDlg : public wxDialog {
public:
    AboutDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxString& text);
};
