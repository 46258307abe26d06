#include "program/simple_program_panel.h"

ProgramPanelTARNEL3::ProgramPanelTARNEL3(wxWindow* parent) : ProgramPanel(parent) {
    // The Simple timing editor is placed in program_window here.
    ShowProgramControls();
}

void ProgramPanelTARNEL3::Init() {
    SetSaveStatus(false);
    UpdateSize();
}

void ProgramPanelTARNEL3::ComputeMessage(std::vector<std::uint8_t>& message) { message.clear(); }

bool ProgramPanelTARNEL3::ValidateProgram(std::string*) { return true; }

void ProgramPanelTARNEL3::GetXML(XML_Tag&) {}

bool ProgramPanelTARNEL3::SetXML(const XML_Tag&) { return true; }

void ProgramPanelTARNEL3::OnUSBProgram(wxCommandEvent&) { ProgramRemotes(false); }
