#pragma once
// ProgramPanelTARNEL3: the program panel of a Simple program.

#include "program/program_panel.h"

class TarnelFeeder3Panel;

class ProgramPanelTARNEL3 : public ProgramPanel {
public:
    explicit ProgramPanelTARNEL3(wxWindow* parent);

    void Init() override;
    void ComputeMessage(std::vector<std::uint8_t>& message) override;
    bool ValidateProgram(std::string* error_string) override;
    void GetXML(XML_Tag& parent) override;
    bool SetXML(const XML_Tag& parent) override;

    TarnelFeeder3Panel* GetEditor() const { return editor; }

protected:
    void OnUSBProgram(wxCommandEvent& event) override;

    TarnelFeeder3Panel* editor = nullptr;
};
