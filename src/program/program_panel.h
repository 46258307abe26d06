#pragma once
// ProgramPanelBase and ProgramPanel: the main window's single child, hosting one program's
// editor with the document tools, the message-size gauge and the "USB Program" button.

#include <wx/panel.h>

#include <cstdint>
#include <string>
#include <vector>

class wxBoxSizer;
class wxButton;
class wxGauge;
class wxScrolledWindow;
class wxToolBar;
class XML_Tag;
class MainFrame;

// Builds the controls; its handlers only skip.
class ProgramPanelBase : public wxPanel {
public:
    enum ToolId { kNewProgramTool = 1000, kOpenProgramTool = 1001, kSaveTool = 1002, kAddTool = 1003 };

    ProgramPanelBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                     const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxSize(500, 300),
                     long style = wxTAB_TRAVERSAL);
    ~ProgramPanelBase() override;

protected:
    virtual void OnNew(wxCommandEvent& event) { event.Skip(); }
    virtual void OnOpen(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSave(wxCommandEvent& event) { event.Skip(); }
    virtual void OnUSBProgram(wxCommandEvent& event) { event.Skip(); }

    wxToolBar* tool_bar;
    wxScrolledWindow* program_window;
    wxBoxSizer* program_sizer;
    wxGauge* size_gauge;
    wxButton* usb_program_button;
};

// The empty plain panel, and the interface through which the main window and the USB action
// reach every program panel.
class ProgramPanel : public ProgramPanelBase {
public:
    // Longest program message a remote takes, in bytes; the gauge's range is one more.
    static constexpr int kMaxMessageSize = 126;

    explicit ProgramPanel(wxWindow* parent);

    virtual void Init();
    // Replaces message with the program's message; the plain panel leaves it unchanged.
    virtual void ComputeMessage(std::vector<std::uint8_t>& message);
    // False with the first failure's message in *error_string (when not null).
    virtual bool ValidateProgram(std::string* error_string);
    // Shows the current message length on the gauge and enables "USB Program" while the
    // message fits a remote.
    virtual void UpdateSize();
    // Enables the Save tool while status is true and passes the status to the main window.
    virtual void SetSaveStatus(bool status);
    // Moves the keyboard focus to "USB Program" when it is shown.
    virtual void SetProgramFocus();
    // Adds the program's "device" attribute and elements to the file's root element.
    virtual void GetXML(XML_Tag& parent);
    // Reads the program from the file's root element; false when the body is not accepted.
    virtual bool SetXML(const XML_Tag& parent);

protected:
    void OnNew(wxCommandEvent& event) override;
    void OnOpen(wxCommandEvent& event) override;
    void OnSave(wxCommandEvent& event) override;
    void OnUSBProgram(wxCommandEvent& event) override;

    // The programming flow of the "USB Program" button: validate, build the message and
    // run one pass of the programming dialog with the given time-sync flag.
    void ProgramRemotes(bool sync_time);
    // Shows the gauge and the button and fits the panel: the last step of building a
    // program panel with an editor.
    void ShowProgramControls();

    MainFrame* FindMainFrame() const;
};
