#include "program/advanced_program_panel.h"

#include <wx/toolbar.h>

#include "resources/images.h"

ProgramPanelTARNEL3A::ProgramPanelTARNEL3A(wxWindow* parent) : ProgramPanel(parent) {
    tool_bar->AddTool(kAddTool, "Add", images::AddInterval(), wxNullBitmap, wxITEM_NORMAL, "Add",
                      wxEmptyString);
    tool_bar->Realize();
    // The week view and then the legend are placed in program_window here.
    ShowProgramControls();
    Bind(wxEVT_TOOL, &ProgramPanelTARNEL3A::OnAdd, this, kAddTool);
}

ProgramPanelTARNEL3A::~ProgramPanelTARNEL3A() {
    Unbind(wxEVT_TOOL, &ProgramPanelTARNEL3A::OnAdd, this, kAddTool);
}

void ProgramPanelTARNEL3A::Init() {
    SetSaveStatus(false);
    UpdateSize();
}

void ProgramPanelTARNEL3A::ComputeMessage(std::vector<std::uint8_t>& message) { message.clear(); }

bool ProgramPanelTARNEL3A::ValidateProgram(std::string*) { return true; }

void ProgramPanelTARNEL3A::GetXML(XML_Tag&) {}

bool ProgramPanelTARNEL3A::SetXML(const XML_Tag&) { return true; }

void ProgramPanelTARNEL3A::UpdateIntervals() { Refresh(); }

void ProgramPanelTARNEL3A::OnAdd(wxCommandEvent&) { UpdateIntervals(); }

void ProgramPanelTARNEL3A::OnUSBProgram(wxCommandEvent&) { ProgramRemotes(true); }
