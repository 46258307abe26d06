#include "advanced/week_view.h"

#include "advanced/interval_dialog.h"
#include "advanced/interval_message.h"
#include "files/advanced_program_file.h"
#include "messages/quorvel_devices.h"
#include "program/advanced_program_panel.h"
#include "xml/xml_tag.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/sizer.h>

wxColour IntervalColour(std::size_t position) {
    static const unsigned char kColours[kIntervalColourCount][3] = {
        {207, 71, 0},   {207, 149, 72}, {233, 192, 138}, {255, 72, 94},
        {142, 15, 0},   {130, 78, 32},  {76, 158, 108},  {105, 111, 132},
    };
    const unsigned char* rgb = kColours[position % kIntervalColourCount];
    return wxColour(rgb[0], rgb[1], rgb[2]);
}

TarnelFeeder3APanelBase::TarnelFeeder3APanelBase(wxWindow* parent, wxWindowID id,
                                                 const wxPoint& pos, const wxSize& size,
                                                 long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name) {
    SetSizer(new wxBoxSizer(wxVERTICAL));
    Layout();
    Bind(wxEVT_LEFT_DOWN, &TarnelFeeder3APanelBase::OnLeftDown, this);
    Bind(wxEVT_PAINT, &TarnelFeeder3APanelBase::OnPaint, this);
}

TarnelFeeder3APanelBase::~TarnelFeeder3APanelBase() {
    Unbind(wxEVT_LEFT_DOWN, &TarnelFeeder3APanelBase::OnLeftDown, this);
    Unbind(wxEVT_PAINT, &TarnelFeeder3APanelBase::OnPaint, this);
}

TarnelFeeder3APanel::TarnelFeeder3APanel(wxWindow* parent)
    : TarnelFeeder3APanelBase(parent),
      day_names{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"} {
    SetName("week_view");
    // Draw paints every pixel of the client area.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    for (std::size_t k = 0; k < brushes.size(); ++k)
        brushes[k] = wxBrush(IntervalColour(k), wxBRUSHSTYLE_SOLID);
}

void TarnelFeeder3APanel::Draw(wxDC& dc, wxSize client) {
    // Grid lines and band edges fall on whole pixels; blending would grey them.
    if (wxGraphicsContext* context = dc.GetGraphicsContext())
        context->SetAntialiasMode(wxANTIALIAS_NONE);

    const int w = client.x - 1;
    const int h = client.y - 1;
    const int col = w / 7;
    const int row = h / 24;

    // The grid brings its own light background, so bands and black labels read the same
    // under any theme.
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(GetBackgroundColour()));
    dc.DrawRectangle(0, 0, client.x, client.y);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(0, 0, 7 * col + 1, 24 * row + 1);

    // Last to first, so the first interval lies on top where bands overlap.
    for (std::size_t i = intervals.size(); i-- > 0;) {
        dc.SetBrush(brushes[i % brushes.size()]);
        for (const TN3Region& region : intervals[i].GenRegions(7 * col, 24 * row))
            if (region.width > 0 && region.height > 0)
                dc.DrawRectangle(region.x, region.y, region.width, region.height);
    }

    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetFont(GetFont());
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (int d = 0; d < 7; ++d) {
        const int x0 = d * col;
        const int x1 = x0 + col;
        for (int hour = 0; hour < 24; hour += 4) {
            const int y_top = hour * row;
            const int y_bottom = (hour + 4) * row;
            const wxString label = hour == 0 ? day_names[d] : wxString::Format("%d:00", hour);
            const int text_width = dc.GetTextExtent(label).x;
            dc.DrawText(label, x0 - text_width / 2 + col / 2, y_top);
            dc.DrawLine(x0, y_top, x0, y_bottom);
            dc.DrawLine(x0, y_bottom, x1, y_bottom);
            dc.DrawLine(x1, y_bottom, x1, y_top);
            dc.DrawLine(x1, y_top, x0, y_top);
        }
    }
}

void TarnelFeeder3APanel::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    Draw(dc, GetClientSize());
}

void TarnelFeeder3APanel::OnLeftDown(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    std::size_t hit = 0;
    while (hit < intervals.size() && !intervals[hit].TestHit(point.x, point.y)) ++hit;
    if (hit == intervals.size()) return;

    const int result = ModifyInterval(this, intervals, hit);
    if (result == TarnelFeeder3IntervalDialog::kAccepted ||
        result == TarnelFeeder3IntervalDialog::kDeleted)
        SetSaveStatus(true);
    if (ProgramPanelTARNEL3A* panel = AdvancedProgramPanelOf(this)) panel->UpdateIntervals();
}

void TarnelFeeder3APanel::OnAdd() {
    TarnelFeeder3IntervalDialog dialog(this, "Tarnel Feeder - Add", false);
    if (dialog.ShowModal() == TarnelFeeder3IntervalDialog::kAccepted) {
        intervals.emplace_back(dialog.GetDays(), dialog.GetStart(), dialog.GetStop(),
                               dialog.GetOnTime(), dialog.GetOffTime());
        SetSaveStatus(true);
    }
    Refresh();
}

void TarnelFeeder3APanel::SetSaveStatus(bool status) {
    if (ProgramPanelTARNEL3A* panel = AdvancedProgramPanelOf(this)) panel->SetSaveStatus(status);
}

void TarnelFeeder3APanel::GetXML(XML_Tag& parent) {
    WriteAdvancedProgramBody(parent, Singleton<QuorvelDevices>::instance.GetDeviceName(),
                             intervals);
}

bool TarnelFeeder3APanel::SetXML(const XML_Tag& parent) {
    if (!ReadAdvancedProgramBody(parent, intervals)) return false;
    SetSaveStatus(false);
    Refresh();
    return true;
}

void TarnelFeeder3APanel::AppendMessage(std::vector<std::uint8_t>& message) {
    AppendIntervalMessage(message, intervals);
}

std::vector<TN3Interval>& TarnelFeeder3APanel::GetIntervalList() { return intervals; }
