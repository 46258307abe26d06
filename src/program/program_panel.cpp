#include "program/program_panel.h"

#include "app/main_frame.h"
#include "usb/usb_program_dialog.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/msgdlg.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/toolbar.h>

#include "resources/images.h"

ProgramPanelBase::ProgramPanelBase(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                   const wxSize& size, long style)
    : wxPanel(parent, id, pos, size, style) {
    auto* panel_sizer = new wxBoxSizer(wxVERTICAL);

    tool_bar = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             wxTB_HORIZONTAL | wxTB_FLAT);
    tool_bar->SetName("tool_bar");
    tool_bar->SetToolBitmapSize(FromDIP(wxSize(48, 48)));
    tool_bar->AddTool(kNewProgramTool, "New Program", images::NewProgram(), wxNullBitmap,
                      wxITEM_NORMAL, "Create a new program", wxEmptyString);
    tool_bar->AddTool(kOpenProgramTool, "Open Program", images::OpenProgram(), wxNullBitmap,
                      wxITEM_NORMAL, "Open an existing program", wxEmptyString);
    tool_bar->AddTool(kSaveTool, "Save", images::SaveProgram(), wxNullBitmap, wxITEM_NORMAL,
                      "Save the program", wxEmptyString);
    tool_bar->AddSeparator();
    tool_bar->Realize();
    panel_sizer->Add(tool_bar, 0, wxEXPAND);

    program_window = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                          wxHSCROLL | wxVSCROLL);
    program_window->SetName("program_window");
    program_window->SetScrollRate(5, 5);
    program_sizer = new wxBoxSizer(wxHORIZONTAL);
    program_window->SetSizer(program_sizer);
    program_window->Layout();
    program_sizer->Fit(program_window);
    panel_sizer->Add(program_window, 1, wxEXPAND);

    // Alignment flags that have no effect beside wxEXPAND in a box sizer are left out.
    auto* bottom_sizer = new wxBoxSizer(wxHORIZONTAL);
    size_gauge = new wxGauge(this, wxID_ANY, ProgramPanel::kMaxMessageSize + 1, wxDefaultPosition,
                             wxDefaultSize, wxGA_HORIZONTAL | wxGA_SMOOTH);
    size_gauge->SetName("size_gauge");
    size_gauge->SetValue(0);
    bottom_sizer->Add(size_gauge, 1, wxEXPAND | wxALL, 5);
    usb_program_button = new wxButton(this, wxID_ANY, "USB Program");
    usb_program_button->SetName("usb_program_button");
    usb_program_button->SetFont(wxFont(wxFontInfo(20).Family(wxFONTFAMILY_DEFAULT)));
    bottom_sizer->Add(usb_program_button, 0, wxALL, 5);
    panel_sizer->Add(bottom_sizer, 0, wxEXPAND);

    SetSizer(panel_sizer);
    Layout();

    Bind(wxEVT_TOOL, &ProgramPanelBase::OnNew, this, kNewProgramTool);
    Bind(wxEVT_TOOL, &ProgramPanelBase::OnOpen, this, kOpenProgramTool);
    Bind(wxEVT_TOOL, &ProgramPanelBase::OnSave, this, kSaveTool);
    usb_program_button->Bind(wxEVT_BUTTON, &ProgramPanelBase::OnUSBProgram, this);
}

ProgramPanelBase::~ProgramPanelBase() {
    Unbind(wxEVT_TOOL, &ProgramPanelBase::OnNew, this, kNewProgramTool);
    Unbind(wxEVT_TOOL, &ProgramPanelBase::OnOpen, this, kOpenProgramTool);
    Unbind(wxEVT_TOOL, &ProgramPanelBase::OnSave, this, kSaveTool);
    usb_program_button->Unbind(wxEVT_BUTTON, &ProgramPanelBase::OnUSBProgram, this);
}

ProgramPanel::ProgramPanel(wxWindow* parent) : ProgramPanelBase(parent) {
    tool_bar->EnableTool(kNewProgramTool, true);
    tool_bar->EnableTool(kOpenProgramTool, true);
    tool_bar->EnableTool(kSaveTool, false);
    size_gauge->Hide();
    usb_program_button->Hide();
}

MainFrame* ProgramPanel::FindMainFrame() const {
    return dynamic_cast<MainFrame*>(GetParent());
}

// New and Open replace this panel, so they run after its tool event has been handled:
// destroying the panel (and its tool bar) from inside the tool's own handler would leave the
// tool bar's event code running on freed memory.
void ProgramPanel::OnNew(wxCommandEvent&) {
    if (MainFrame* frame = FindMainFrame()) frame->CallAfter(&MainFrame::NewProgram);
}

void ProgramPanel::OnOpen(wxCommandEvent&) {
    if (MainFrame* frame = FindMainFrame()) frame->CallAfter(&MainFrame::OpenProgram);
}

void ProgramPanel::OnSave(wxCommandEvent&) {
    MainFrame* frame = FindMainFrame();
    if (frame && frame->SaveProgram(false) == 1) tool_bar->EnableTool(kSaveTool, false);
}

void ProgramPanel::OnUSBProgram(wxCommandEvent&) {}

void ProgramPanel::Init() {}

void ProgramPanel::ComputeMessage(std::vector<std::uint8_t>&) {}

bool ProgramPanel::ValidateProgram(std::string*) { return false; }

void ProgramPanel::UpdateSize() {
    std::vector<std::uint8_t> message;
    ComputeMessage(message);
    const int length = static_cast<int>(message.size());
    size_gauge->SetValue(std::min(length, size_gauge->GetRange()));
    size_gauge->SetToolTip(wxString::Format("Program size: %d of %d bytes", length, kMaxMessageSize));
    usb_program_button->Enable(length <= kMaxMessageSize);
    program_window->FitInside();
}

void ProgramPanel::SetSaveStatus(bool status) {
    tool_bar->EnableTool(kSaveTool, status);
    if (MainFrame* frame = FindMainFrame()) frame->SetSaveStatus(status);
    // Every change of the program comes through here: keep the gauge current.
    if (status) UpdateSize();
}

void ProgramPanel::SetProgramFocus() {
    if (usb_program_button->IsShown()) usb_program_button->SetFocus();
}

void ProgramPanel::GetXML(XML_Tag&) {}

bool ProgramPanel::SetXML(const XML_Tag&) { return false; }

void ProgramPanel::ShowProgramControls() {
    size_gauge->Show();
    usb_program_button->Show();
    Layout();
    Fit();
}

void ProgramPanel::ProgramRemotes(bool sync_time) {
    std::string error_string;
    if (!ValidateProgram(&error_string)) {
        wxMessageDialog error(this, wxString::FromUTF8(error_string), "Invalid Program",
                              wxOK | wxICON_ERROR);
        error.ShowModal();
        return;
    }
    std::vector<std::uint8_t> message;
    ComputeMessage(message);
    USBProgramDialog dialog(this, wxID_ANY, "Tarnel Feeder - USB Programming", wxDefaultPosition,
                            FromDIP(wxSize(500, 200)), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
    dialog.message = message;
    dialog.sync_time = sync_time;
    dialog.ProgramAll();
    dialog.ShowModal();
}
