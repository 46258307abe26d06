#include "advanced/legend.h"

#include "advanced/interval_dialog.h"
#include "program/advanced_program_panel.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>

namespace {

std::vector<TN3Interval>& ListOfProgram(wxWindow* parent, std::vector<TN3Interval>& fallback) {
    ProgramPanelTARNEL3A* panel = parent ? dynamic_cast<ProgramPanelTARNEL3A*>(parent->GetParent())
                                         : nullptr;
    return panel ? panel->GetIntervalList() : fallback;
}

}  // namespace

TarnelFeeder3LegendPanelBase::TarnelFeeder3LegendPanelBase(wxWindow* parent, wxWindowID id,
                                                           const wxPoint& pos, const wxSize& size,
                                                           long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name) {
    SetMinSize(wxSize(size.x, -1));
    SetMaxSize(wxSize(size.x, -1));
    Bind(wxEVT_LEFT_DOWN, &TarnelFeeder3LegendPanelBase::OnLeftDown, this);
    Bind(wxEVT_PAINT, &TarnelFeeder3LegendPanelBase::OnPaint, this);
}

TarnelFeeder3LegendPanelBase::~TarnelFeeder3LegendPanelBase() {
    Unbind(wxEVT_LEFT_DOWN, &TarnelFeeder3LegendPanelBase::OnLeftDown, this);
    Unbind(wxEVT_PAINT, &TarnelFeeder3LegendPanelBase::OnPaint, this);
}

TarnelFeeder3LegendPanel::TarnelFeeder3LegendPanel(wxWindow* parent)
    : TarnelFeeder3LegendPanel(parent, nullptr) {}

TarnelFeeder3LegendPanel::TarnelFeeder3LegendPanel(wxWindow* parent,
                                                   std::vector<TN3Interval>& interval_list)
    : TarnelFeeder3LegendPanel(parent, &interval_list) {}

TarnelFeeder3LegendPanel::TarnelFeeder3LegendPanel(wxWindow* parent,
                                                   std::vector<TN3Interval>* interval_list)
    : TarnelFeeder3LegendPanelBase(parent, wxID_ANY, wxDefaultPosition,
                                   wxSize(parent->FromDIP(150), -1)),
      intervals(interval_list ? *interval_list : ListOfProgram(parent, no_intervals)) {
    SetName("legend");
    // Draw paints every pixel of the client area.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    for (std::size_t k = 0; k < brushes.size(); ++k)
        brushes[k] = wxBrush(IntervalColour(k), wxBRUSHSTYLE_SOLID);
}

void TarnelFeeder3LegendPanel::Draw(wxDC& dc, wxSize client) {
    if (wxGraphicsContext* context = dc.GetGraphicsContext())
        context->SetAntialiasMode(wxANTIALIAS_NONE);

    const int w = client.x - 1;
    const int h = client.y - 1;

    // A light background of its own, like the week view's grid, keeps the black text readable
    // under any theme.
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(0, 0, client.x, client.y);

    dc.SetFont(GetFont());
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxSize title = dc.GetTextExtent("Legend");
    dc.DrawText("Legend", w / 2 - title.x / 2, 5);

    int y = title.y + 10;
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(0, y, w, y);
    y += 5;

    const int line_height = dc.GetTextExtent("Every").y + 2;
    const int box_height = 2 * line_height;
    regions.clear();
    for (std::size_t k = 0; k < intervals.size(); ++k) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(brushes[k % brushes.size()]);
        dc.DrawRectangle(0, y, w, box_height);
        regions.push_back(TN3Region{0, y, w, box_height});

        const auto value_line = [&](const wxString& label, const std::string& value_text) {
            const wxString value = wxString::FromUTF8(value_text);
            dc.DrawText(label, 2, y);
            dc.DrawText(value, w - dc.GetTextExtent(value).x - 2, y);
            y += line_height;
        };
        value_line("Every", intervals[k].GetOffTime());
        value_line("For", intervals[k].GetOnTime());
    }

    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(0, 0, w, 0);
    dc.DrawLine(w, 0, w, h);
    dc.DrawLine(w, h, 0, h);
    dc.DrawLine(0, h, 0, 0);
}

void TarnelFeeder3LegendPanel::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    Draw(dc, GetClientSize());
}

void TarnelFeeder3LegendPanel::OnLeftDown(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    std::size_t hit = 0;
    while (hit < regions.size()) {
        const TN3Region& r = regions[hit];
        if (r.x <= point.x && point.x <= r.x + r.width && r.y <= point.y &&
            point.y <= r.y + r.height)
            break;
        ++hit;
    }
    // The rectangles come from the last paint; one whose interval has gone since is ignored.
    if (hit == regions.size() || hit >= intervals.size()) return;

    const int result = ModifyInterval(this, intervals, hit);
    if (result == TarnelFeeder3IntervalDialog::kAccepted ||
        result == TarnelFeeder3IntervalDialog::kDeleted)
        SetSaveStatus(true);
    if (ProgramPanelTARNEL3A* panel = AdvancedProgramPanelOf(this)) panel->UpdateIntervals();
}

void TarnelFeeder3LegendPanel::SetSaveStatus(bool status) {
    if (ProgramPanelTARNEL3A* panel = AdvancedProgramPanelOf(this)) panel->SetSaveStatus(status);
}
