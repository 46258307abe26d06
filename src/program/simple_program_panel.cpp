#include "program/simple_program_panel.h"

#include "files/simple_program_file.h"
#include "messages/program_message.h"
#include "messages/quorvel_devices.h"
#include "simple/simple_program.h"
#include "simple/timing_editor.h"

#include <wx/scrolwin.h>
#include <wx/sizer.h>

ProgramPanelTARNEL3::ProgramPanelTARNEL3(wxWindow* parent) : ProgramPanel(parent) {
    editor = new TarnelFeeder3Panel(program_window);
    program_sizer->Add(editor, 1, wxEXPAND | wxALL, 5);
    ShowProgramControls();
}

void ProgramPanelTARNEL3::Init() {
    SetSaveStatus(false);
    UpdateSize();
}

void ProgramPanelTARNEL3::ComputeMessage(std::vector<std::uint8_t>& message) {
    // Only the values of the selected type are read: the others may hold anything.
    const int program_type = editor->GetProgramType();
    SimpleMessageValues values{};
    switch (program_type) {
        case kTestRunProgram:
            values.test_run_ms = editor->GetTestRunTimeMS();
            break;
        case kPauseProgram:
            values.pause_ms = editor->GetPauseTimeMS();
            break;
        case kDisableProgram:
            break;
        default:
            values.start_ms = editor->GetStartTimeMS();
            values.stop_ms = editor->GetStopTimeMS();
            values.off_ms = editor->GetOffTimeMS();
            values.on_ms = editor->GetOnTimeMS();
            break;
    }
    ComputeSimpleMessage(message, program_type, values);
}

bool ProgramPanelTARNEL3::ValidateProgram(std::string* error_string) {
    return editor->IsValid(error_string);
}

void ProgramPanelTARNEL3::GetXML(XML_Tag& parent) {
    WriteSimpleProgramBody(parent, Singleton<QuorvelDevices>::instance.GetDeviceName(),
                           editor->GetTexts());
}

bool ProgramPanelTARNEL3::SetXML(const XML_Tag& parent) {
    SimpleProgramTexts texts = editor->GetTexts();
    if (!ReadSimpleProgramBody(parent, texts)) return false;
    editor->SetTexts(texts);
    return true;
}

void ProgramPanelTARNEL3::OnUSBProgram(wxCommandEvent&) {
    ProgramRemotes(editor->GetProgramType() == kTimingProgram);
}
