#include "usb/usb_program_dialog.h"

#include "usb/platform.h"
#include "usb/remote_protocol.h"

#include <wx/button.h>
#include <wx/utils.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

constexpr int kStatusWrapWidth = 300;

wxFont LargeFont() { return wxFont(wxFontInfo(20).Family(wxFONTFAMILY_DEFAULT)); }

}  // namespace

USBProgramDialogBase::USBProgramDialogBase(wxWindow* parent, wxWindowID id, const wxString& title,
                                           const wxPoint& pos, const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style) {
    auto* dialog_sizer = new wxBoxSizer(wxVERTICAL);

    // The centring flags have no effect beside wxEXPAND (and along the sizer): left out.
    status_text = new wxStaticText(this, wxID_ANY, "Searching for USB remotes...");
    status_text->SetName("status_text");
    status_text->SetFont(LargeFont());
    status_text->Wrap(FromDIP(kStatusWrapWidth));
    dialog_sizer->Add(status_text, 1, wxEXPAND | wxALL, FromDIP(15));

    auto* button_sizer = new wxBoxSizer(wxHORIZONTAL);
    retry_button = new wxButton(this, wxID_ANY, "Retry");
    retry_button->SetName("retry_button");
    retry_button->SetFont(LargeFont());
    retry_button->Hide();
    button_sizer->Add(retry_button, 0, wxALL, FromDIP(5));
    ok_button = new wxButton(this, wxID_OK, "OK");
    ok_button->SetName("ok_button");
    ok_button->SetFont(LargeFont());
    button_sizer->Add(ok_button, 0, wxALL, FromDIP(5));
    dialog_sizer->Add(button_sizer, 0, wxALIGN_RIGHT);

    SetSizer(dialog_sizer);
    Layout();

    retry_button->Bind(wxEVT_BUTTON, &USBProgramDialogBase::OnRetry, this);
    Bind(wxEVT_SHOW, &USBProgramDialogBase::OnShow, this);
}

USBProgramDialogBase::~USBProgramDialogBase() {
    retry_button->Unbind(wxEVT_BUTTON, &USBProgramDialogBase::OnRetry, this);
    Unbind(wxEVT_SHOW, &USBProgramDialogBase::OnShow, this);
}

void USBProgramDialog::OnRetry(wxCommandEvent&) { ProgramAll(); }

void USBProgramDialog::ProgramAll() {
    // A pass blocks the window (a silent remote for up to the reply bound): say so.
    wxBusyCursor busy;
    // Every remote of a pass gets the same bytes, the same clock reading included.
    std::vector<std::uint8_t> send_message;
    GetSendMessage(send_message);

    std::vector<usb_qvl::Device*> found;
    usb_system.GetDeviceList(usb_qvl::kRemoteVendorId, usb_qvl::kRemoteProductId, found);
    std::vector<Device> devices;
    devices.reserve(found.size());
    for (usb_qvl::Device*& device : found) {
        devices.emplace_back(device);
        device = nullptr;
    }
    usb_qvl::System::DeleteList(found);

    int programmed_count = 0;
    bool refused_access = false;
    for (Device& record : devices) {
        USBTimerDevice remote;
        if (!remote.Connect(record.device.get())) {
            refused_access = refused_access || usb_qvl::IsPermissionError(remote.last_error);
            continue;
        }
        record.programmed = remote.SetData(send_message, 0);
        remote.Close();
        if (record.programmed) ++programmed_count;
    }

    wxString status;
    if (programmed_count == 0) {
        status = "No USB device found.\nPlease connect a USB remote.";
        // Without the udev rule a plugged-in remote looks absent: say what is missing.
        if (refused_access) {
            status += "\nA remote was found but could not be opened: install the udev rule "
                      "(see README) to allow access.";
        }
    } else if (programmed_count == 1) {
        status = wxString::Format("Sucessfully programmed %d device.", programmed_count);
    } else {
        status = wxString::Format("Sucessfully programmed %d devices.", programmed_count);
    }
    retry_button->Show(programmed_count == 0);
    status_text->SetLabel(status);
    status_text->Wrap(FromDIP(kStatusWrapWidth));
    FitToStatus();
}

void USBProgramDialog::OnShow(wxShowEvent& event) {
    // GTK sizes controls by their theme and font only once the dialog is realised: fit again
    // now that the sizes are right, so the whole outcome text shows.
    if (event.IsShown()) FitToStatus();
    event.Skip();
}

void USBProgramDialog::FitToStatus() {
    status_text->Layout();
    Layout();
    Fit();
    Refresh();
}

void USBProgramDialog::GetSendMessage(std::vector<std::uint8_t>& msg) {
    // The clock is read only when it goes into the message.
    FrameProgramMessage(message, sync_time, sync_time ? GetTickCount() : TimeText(), msg);
}

TimeText USBProgramDialog::GetTickCount() { return LocalTimeOfDay(); }
