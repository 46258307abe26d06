#pragma once
// ProgramPanelTARNEL3A: the program panel of an Advanced program, with the week view, the
// legend and the "Add" tool.

#include "program/program_panel.h"

class TN3Interval;
class TarnelFeeder3APanel;
class TarnelFeeder3LegendPanel;

class ProgramPanelTARNEL3A : public ProgramPanel {
public:
    explicit ProgramPanelTARNEL3A(wxWindow* parent);
    ~ProgramPanelTARNEL3A() override;

    void Init() override;
    // 0x57, length, one program record with every interval in list order, checksum.
    void ComputeMessage(std::vector<std::uint8_t>& message) override;
    // Always true: the interval dialog has checked every value.
    bool ValidateProgram(std::string* error_string) override;
    void GetXML(XML_Tag& parent) override;
    bool SetXML(const XML_Tag& parent) override;

    // Repaints the whole panel, week view and legend included.
    virtual void UpdateIntervals();
    // The week view's interval list itself, not a copy.
    virtual std::vector<TN3Interval>& GetIntervalList();
    // The "Add" tool: the week view's add flow, then a repaint.
    virtual void OnAdd(wxCommandEvent& event);

protected:
    void OnUSBProgram(wxCommandEvent& event) override;

    TarnelFeeder3APanel* editor = nullptr;
    TarnelFeeder3LegendPanel* legend = nullptr;
};

// The Advanced program panel an editor window sits in (editor, then program_window, then the
// panel), or null when it sits anywhere else.
ProgramPanelTARNEL3A* AdvancedProgramPanelOf(wxWindow* editor);
