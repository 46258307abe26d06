#pragma once
// TarnelFeeder3APanelBase and TarnelFeeder3APanel: the week view, the Advanced editor that owns
// the interval list and draws it on seven day columns by twenty-four hours.

#include "advanced/tn3_interval.h"

#include <wx/brush.h>
#include <wx/panel.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class wxDC;
class XML_Tag;

// Number of interval colours; list position modulo this picks one.
constexpr std::size_t kIntervalColourCount = 8;
// The colour of the interval at a list position, shared by the week view and the legend.
wxColour IntervalColour(std::size_t position);

// Builds the panel and connects its events; its handlers only skip.
class TarnelFeeder3APanelBase : public wxPanel {
public:
    TarnelFeeder3APanelBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                            const wxPoint& pos = wxDefaultPosition,
                            const wxSize& size = wxSize(500, 300),
                            long style = wxTAB_TRAVERSAL | wxFULL_REPAINT_ON_RESIZE,
                            const wxString& name = wxEmptyString);
    ~TarnelFeeder3APanelBase() override;

protected:
    virtual void OnLeftDown(wxMouseEvent& event) { event.Skip(); }
    virtual void OnPaint(wxPaintEvent& event) { event.Skip(); }
};

class TarnelFeeder3APanel : public TarnelFeeder3APanelBase {
public:
    explicit TarnelFeeder3APanel(wxWindow* parent);

    // Opens the dialog in Add mode and appends the accepted interval.
    virtual void OnAdd();
    // Passes the status to the Advanced program panel two levels up, if there is one.
    virtual void SetSaveStatus(bool status);
    // Adds "device" and the "TarnelFeeder3A" body to the file's root element.
    virtual void GetXML(XML_Tag& parent);
    // Appends the intervals of the file's body; false (list untouched) when it is not accepted.
    virtual bool SetXML(const XML_Tag& parent);
    // Appends the interval count and one record per interval.
    virtual void AppendMessage(std::vector<std::uint8_t>& message);
    // The list itself; the legend keeps this reference for the view's whole life.
    virtual std::vector<TN3Interval>& GetIntervalList();

    // Paints the view for a client area of the given size and renews every interval's
    // rectangles, which the next click is tested against.
    void Draw(wxDC& dc, wxSize client);

protected:
    void OnLeftDown(wxMouseEvent& event) override;
    void OnPaint(wxPaintEvent& event) override;

    std::array<wxString, 7> day_names;
    std::vector<TN3Interval> intervals;
    std::array<wxBrush, kIntervalColourCount> brushes;
};
