#include "program/advanced_program_panel.h"

#include "advanced/legend.h"
#include "advanced/week_view.h"
#include "messages/program_message.h"
#include "resources/images.h"

#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/toolbar.h>

ProgramPanelTARNEL3A::ProgramPanelTARNEL3A(wxWindow* parent) : ProgramPanel(parent) {
    tool_bar->AddTool(kAddTool, "Add", images::AddInterval(), wxNullBitmap, wxITEM_NORMAL, "Add",
                      wxEmptyString);
    tool_bar->Realize();
    // The legend asks this panel for the week view's list, so the week view comes first.
    editor = new TarnelFeeder3APanel(program_window);
    program_sizer->Add(editor, 1, wxEXPAND | wxALL, 5);
    legend = new TarnelFeeder3LegendPanel(program_window);
    program_sizer->Add(legend, 0, wxEXPAND | wxALL, 5);
    ShowProgramControls();
    Bind(wxEVT_TOOL, &ProgramPanelTARNEL3A::OnAdd, this, kAddTool);
}

ProgramPanelTARNEL3A::~ProgramPanelTARNEL3A() {
    Unbind(wxEVT_TOOL, &ProgramPanelTARNEL3A::OnAdd, this, kAddTool);
    // The legend refers to the week view's list: it goes first.
    legend->Destroy();
    editor->Destroy();
}

void ProgramPanelTARNEL3A::Init() {
    SetSaveStatus(false);
    UpdateSize();
}

void ProgramPanelTARNEL3A::ComputeMessage(std::vector<std::uint8_t>& message) {
    BeginProgramRecordMessage(message);
    editor->AppendMessage(message);
    EndProgramRecordMessage(message);
}

bool ProgramPanelTARNEL3A::ValidateProgram(std::string*) { return true; }

void ProgramPanelTARNEL3A::GetXML(XML_Tag& parent) { editor->GetXML(parent); }

bool ProgramPanelTARNEL3A::SetXML(const XML_Tag& parent) { return editor->SetXML(parent); }

void ProgramPanelTARNEL3A::UpdateIntervals() {
    Refresh();
    editor->Refresh();
    legend->Refresh();
}

std::vector<TN3Interval>& ProgramPanelTARNEL3A::GetIntervalList() {
    return editor->GetIntervalList();
}

void ProgramPanelTARNEL3A::OnAdd(wxCommandEvent&) {
    editor->OnAdd();
    UpdateIntervals();
}

void ProgramPanelTARNEL3A::OnUSBProgram(wxCommandEvent&) { ProgramRemotes(true); }

ProgramPanelTARNEL3A* AdvancedProgramPanelOf(wxWindow* editor) {
    wxWindow* program_window = editor ? editor->GetParent() : nullptr;
    return program_window ? dynamic_cast<ProgramPanelTARNEL3A*>(program_window->GetParent())
                          : nullptr;
}
