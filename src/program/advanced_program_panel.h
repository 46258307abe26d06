#pragma once
// ProgramPanelTARNEL3A: the program panel of an Advanced program, with the "Add" tool.

#include "program/program_panel.h"

class TarnelFeeder3APanel;
class TarnelFeeder3LegendPanel;

class ProgramPanelTARNEL3A : public ProgramPanel {
public:
    explicit ProgramPanelTARNEL3A(wxWindow* parent);
    ~ProgramPanelTARNEL3A() override;

    void Init() override;
    void ComputeMessage(std::vector<std::uint8_t>& message) override;
    bool ValidateProgram(std::string* error_string) override;
    void GetXML(XML_Tag& parent) override;
    bool SetXML(const XML_Tag& parent) override;

    // Repaints the whole panel, week view and legend included.
    virtual void UpdateIntervals();
    virtual void OnAdd(wxCommandEvent& event);

protected:
    void OnUSBProgram(wxCommandEvent& event) override;

    TarnelFeeder3APanel* editor = nullptr;
    TarnelFeeder3LegendPanel* legend = nullptr;
};
