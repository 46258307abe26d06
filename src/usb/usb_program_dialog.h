#pragma once
// USBProgramDialogBase and USBProgramDialog: one programming pass over every attached remote,
// with its outcome in large text and "Retry" after a pass that programmed nothing.

#include "program/time_text.h"
#include "usb/usb_qvl.h"

#include <wx/dialog.h>

#include <cstdint>
#include <memory>
#include <vector>

class wxButton;
class wxStaticText;

// Builds the controls and connects "Retry" and showing; its handlers only skip.
class USBProgramDialogBase : public wxDialog {
public:
    USBProgramDialogBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                         const wxString& title = wxEmptyString,
                         const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize,
                         long style = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
    ~USBProgramDialogBase() override;

protected:
    virtual void OnRetry(wxCommandEvent& event) { event.Skip(); }
    virtual void OnShow(wxShowEvent& event) { event.Skip(); }

    wxStaticText* status_text;
    wxButton* retry_button;
    wxButton* ok_button;
};

class USBProgramDialog : public USBProgramDialogBase {
public:
    // One remote during a pass.
    struct Device {
        explicit Device(usb_qvl::Device* i_device) : device(i_device) {}

        std::unique_ptr<usb_qvl::Device> device;
        bool programmed = false;
    };

    using USBProgramDialogBase::USBProgramDialogBase;

    // Frames message once, then connects to every attached remote in turn and writes the
    // framed message at address 0; shows how many remotes took it, or "No USB device found."
    // with "Retry" when none did, and fits the dialog to the text.
    virtual void ProgramAll();
    // msg becomes message as sent: with the time record of GetTickCount() when sync_time.
    virtual void GetSendMessage(std::vector<std::uint8_t>& msg);
    // The local weekday and time of day.
    virtual TimeText GetTickCount();

    // The program message and whether to set the remote's clock; stored by the caller before
    // the first pass.
    std::vector<std::uint8_t> message;
    usb_qvl::System usb_system;
    bool sync_time = false;

protected:
    void OnRetry(wxCommandEvent& event) override;
    void OnShow(wxShowEvent& event) override;

private:
    // Lays the dialog out again around the status text and fits it.
    void FitToStatus();
};
