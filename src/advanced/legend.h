#pragma once
// TarnelFeeder3LegendPanelBase and TarnelFeeder3LegendPanel: the narrow panel beside the week
// view that lists every interval's colour, frequency and duration, and opens it for editing.

#include "advanced/tn3_interval.h"
#include "advanced/week_view.h"

#include <wx/brush.h>
#include <wx/panel.h>

#include <array>
#include <vector>

class wxDC;

// Builds the panel and connects its events; its handlers only skip.
class TarnelFeeder3LegendPanelBase : public wxPanel {
public:
    TarnelFeeder3LegendPanelBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                                 const wxPoint& pos = wxDefaultPosition,
                                 const wxSize& size = wxSize(150, -1),
                                 long style = wxTAB_TRAVERSAL | wxFULL_REPAINT_ON_RESIZE,
                                 const wxString& name = wxEmptyString);
    ~TarnelFeeder3LegendPanelBase() override;

protected:
    virtual void OnLeftDown(wxMouseEvent& event) { event.Skip(); }
    virtual void OnPaint(wxPaintEvent& event) { event.Skip(); }
};

class TarnelFeeder3LegendPanel : public TarnelFeeder3LegendPanelBase {
public:
    // Lists the intervals of the Advanced program panel two levels up (its week view must
    // exist already); placed anywhere else it lists nothing.
    explicit TarnelFeeder3LegendPanel(wxWindow* parent);
    // Lists the given intervals, which must outlive the legend.
    TarnelFeeder3LegendPanel(wxWindow* parent, std::vector<TN3Interval>& interval_list);

    // Passes the status to the Advanced program panel two levels up, if there is one.
    virtual void SetSaveStatus(bool status);

    // Paints the legend for a client area of the given size and renews the entries'
    // rectangles, which the next click is tested against.
    void Draw(wxDC& dc, wxSize client);

protected:
    void OnLeftDown(wxMouseEvent& event) override;
    void OnPaint(wxPaintEvent& event) override;

private:
    TarnelFeeder3LegendPanel(wxWindow* parent, std::vector<TN3Interval>* interval_list);

protected:
    std::vector<TN3Interval> no_intervals;  // listed when there is no program panel
    std::vector<TN3Interval>& intervals;
    std::vector<TN3Region> regions;
    std::array<wxBrush, kIntervalColourCount> brushes;
};
