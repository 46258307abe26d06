// The programming dialog: one pass over simulated remotes, its outcome texts and "Retry", and
// the whole road from "USB Program" in the Simple and Advanced panels to the remote's memory.

#include "usb/usb_program_dialog.h"

#include "advanced/advanced_test_support.h"
#include "program/advanced_program_panel.h"
#include "program/simple_program_panel.h"
#include "support/app_test_support.h"
#include "support/gui_test_support.h"
#include "support/wx_testing.h"
#include "usb/remote_protocol.h"
#include "usb/simulated_remote.h"
#include "support/hex.h"

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/stattext.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using usb_qvl::RemoteFault;
using usb_qvl::SimulatedPlatform;
using usb_qvl::SimulatedRemote;

const char* const kNoDevice = "No USB device found.\nPlease connect a USB remote.";
const char* const kAccessRefused =
    "No USB device found.\nPlease connect a USB remote.\n"
    "A remote was found but could not be opened: install the udev rule (see README) to allow "
    "access.";

// What the programming dialog shows.
struct DialogView {
    std::string title;
    bool resizable = false;
    std::string status;
    bool retry_shown = false;
};

DialogView View(USBProgramDialog* dialog) {
    DialogView view;
    view.title = dialog->GetTitle().utf8_string();
    view.resizable = dialog->HasFlag(wxRESIZE_BORDER);
    if (auto* status = FindNamed<wxStaticText>(dialog, "status_text")) {
        view.status = status->GetLabel().utf8_string();
    }
    if (auto* retry = FindNamed(dialog, "retry_button")) view.retry_shown = retry->IsShown();
    return view;
}

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
    return escaped;
}

// The status text is wrapped to a width: a wrap turns a space of the text into a line break,
// while the text's own line breaks stay where they are.
testing::AssertionResult ShowsText(const std::string& label, const std::string& text) {
    bool same = label.size() == text.size();
    for (std::size_t i = 0; same && i < label.size(); ++i) {
        same = label[i] == text[i] || (label[i] == '\n' && text[i] == ' ');
    }
    if (same) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the dialog says \"" << Escaped(label)
                                       << "\" instead of \"" << Escaped(text) << "\"";
}

// The first count bytes of a remote's memory.
Bytes Stored(const SimulatedRemote& remote, std::size_t count) {
    return Bytes(remote.memory.begin(), remote.memory.begin() + static_cast<std::ptrdiff_t>(count));
}

// What a remote holds after taking exactly message: the message, then untouched memory.
std::string HoldingOnly(const Bytes& message) { return Hex(message) + " FF"; }
std::string Holds(const SimulatedRemote& remote, const Bytes& message) {
    return Hex(Stored(remote, message.size() + 1));
}

// A moment of the week in seconds from Sunday 00:00:00, from a weekday mask and seconds.
constexpr std::uint32_t kWeekSeconds = 7 * 86400;
int WeekdayOf(std::uint8_t day_mask) {
    for (int day = 0; day < 7; ++day) {
        if (day_mask == day_bits::ForWeekday(day)) return day;
    }
    return -1;
}
std::uint32_t WeekSecond(const TimeText& t) {
    return static_cast<std::uint32_t>(WeekdayOf(t.day_mask)) * 86400u + t.time_ms / 1000u;
}

// "Mon 14:05:09"
std::string Describe(std::uint8_t day_mask, std::uint32_t seconds) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const int day = WeekdayOf(day_mask);
    char text[48];
    std::snprintf(text, sizeof text, "%s %02u:%02u:%02u", day < 0 ? "(no single day)" : kDays[day],
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}
std::string Describe(const TimeText& t) { return Describe(t.day_mask, t.time_ms / 1000u); }

// record is a well-formed time record of a moment from before to after (the week may turn
// over in between).
testing::AssertionResult IsTimeRecordBetween(const Bytes& record, const TimeText& before,
                                             const TimeText& after) {
    if (record.size() != 5 || record[0] != 0x60 ||
        record[4] != static_cast<std::uint8_t>(record[1] + record[2] + record[3])) {
        return testing::AssertionFailure() << "no time record: " << Hex(record);
    }
    const std::uint8_t day_mask = record[1] & 0xFE;
    const std::uint32_t seconds =
        (std::uint32_t{record[1] & 0x01u} << 16) | (std::uint32_t{record[2]} << 8) | record[3];
    TimeText sent;
    sent.time_ms = seconds * 1000u;
    sent.day_mask = day_mask;
    const auto since_before = [&](const TimeText& t) {
        return (WeekSecond(t) + kWeekSeconds - WeekSecond(before)) % kWeekSeconds;
    };
    if (WeekdayOf(day_mask) < 0 || seconds >= 86400 || since_before(sent) > since_before(after)) {
        return testing::AssertionFailure() << "the time record " << Hex(record) << " says "
                                           << Describe(day_mask, seconds) << ", not a moment from "
                                           << Describe(before) << " to " << Describe(after);
    }
    return testing::AssertionSuccess();
}

// The program message with the time record inserted after its two leading bytes.
Bytes Framed(const Bytes& program, const Bytes& record) {
    Bytes framed{program[0], static_cast<std::uint8_t>(program[1] + 5)};
    framed.insert(framed.end(), record.begin(), record.end());
    framed.insert(framed.end(), program.begin() + 2, program.end());
    return framed;
}

}  // namespace

// Reads what the programming dialog shows into *shown and answers OK. With before_retry, runs
// it, presses "Retry" and reads the dialog again into *after_retry.
template <>
class wxExpectModal<USBProgramDialog>
    : public wxExpectModalBase<USBProgramDialog, wxExpectModal<USBProgramDialog>> {
public:
    explicit wxExpectModal(DialogView* shown, std::function<void()> before_retry = {},
                           DialogView* after_retry = nullptr)
        : shown_(shown), before_retry_(std::move(before_retry)), after_retry_(after_retry) {}

protected:
    int OnInvoked(USBProgramDialog* dialog) const override {
        *shown_ = View(dialog);
        if (before_retry_) {
            before_retry_();
            ClickButton(FindNamed(dialog, "retry_button"));
            if (after_retry_) *after_retry_ = View(dialog);
        }
        return wxID_OK;
    }
    wxString GetDefaultDescription() const override { return "the USB programming dialog"; }

private:
    DialogView* shown_;
    std::function<void()> before_retry_;
    DialogView* after_retry_;
};

namespace {

// ---- The dialog on its own ----

// A dialog whose clock reads what the test sets.
class SetClockDialog : public USBProgramDialog {
public:
    using USBProgramDialog::USBProgramDialog;
    TimeText GetTickCount() override {
        ++readings;
        return now;
    }
    TimeText now;
    int readings = 0;
};

TimeText TimeOfDay(std::uint8_t day_mask, std::uint32_t seconds) {
    TimeText t;
    t.valid = true;
    t.day_mask = day_mask;
    t.time_ms = seconds * 1000u;
    return t;
}

// A program message of two data reports (60 + 10 bytes).
Bytes TwoReportMessage() {
    Bytes message{0x57, 68};
    for (std::uint8_t i = 0; i < 67; ++i) message.push_back(static_cast<std::uint8_t>(0x80 + i));
    message.push_back(0x5A);
    return message;
}

class USBProgramDialogTest : public testing::Test {
protected:
    SimulatedPlatform platform;
    usb_qvl::ScopedPlatform use_platform{platform};
};

TEST_F(USBProgramDialogTest, OpensSearchingWithLargeTextsAndRetryHidden) {
    USBProgramDialog dialog(nullptr);
    auto* status = FindNamed<wxStaticText>(&dialog, "status_text");
    auto* retry = FindNamed<wxButton>(&dialog, "retry_button");
    auto* ok = FindNamed<wxButton>(&dialog, "ok_button");
    ASSERT_TRUE(status && retry && ok);
    EXPECT_TRUE(ShowsText(status->GetLabel().utf8_string(), "Searching for USB remotes..."));
    EXPECT_EQ(retry->GetLabel(), "Retry");
    EXPECT_FALSE(retry->IsShown());
    EXPECT_EQ(ok->GetLabel(), "OK");
    EXPECT_EQ(ok->GetId(), wxID_OK);
    for (wxWindow* control : {static_cast<wxWindow*>(status), static_cast<wxWindow*>(retry),
                              static_cast<wxWindow*>(ok)}) {
        SCOPED_TRACE(control->GetName().utf8_string());
        const wxFont font = control->GetFont();
        EXPECT_EQ(font.GetPointSize(), 20);
        EXPECT_EQ(font.GetStyle(), wxFONTSTYLE_NORMAL);
        EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_NORMAL);
        EXPECT_FALSE(font.GetUnderlined());
    }
}

TEST_F(USBProgramDialogTest, PassCountsTheRemotesThatTookTheWholeMessage) {
    struct Case {
        const char* name;
        std::function<void(SimulatedPlatform&)> attach;
        const char* outcome;  // null: "Sucessfully programmed ..." with programmed
        int programmed;
    };
    const auto remote_with = [](RemoteFault fault, std::size_t at) {
        return [fault, at](SimulatedPlatform& p) {
            p.AddRemote();
            SimulatedRemote& faulty = p.AddRemote();
            faulty.fault = fault;
            faulty.fault_at = at;
        };
    };
    const auto remote_opening_with = [](std::uint32_t open_error, std::uint32_t read_open_error) {
        return [=](SimulatedPlatform& p) {
            SimulatedRemote& closed = p.AddRemote();
            closed.open_error = open_error;
            closed.read_open_error = read_open_error;
        };
    };
    const Case cases[] = {
        {"nothing attached", [](SimulatedPlatform&) {}, kNoDevice, 0},
        {"another HID device only",
         [](SimulatedPlatform& p) { p.AddOtherDevice("HID\\VID_046D&PID_C077&REV_7200"); },
         kNoDevice, 0},
        {"one remote", [](SimulatedPlatform& p) { p.AddRemote(); }, nullptr, 1},
        {"three remotes and another device",
         [](SimulatedPlatform& p) {
             p.AddRemote();
             p.AddOtherDevice("HID\\VID_046D&PID_C077");
             p.AddRemote();
             p.AddRemote();
         },
         nullptr, 3},
        {"a remote refusing the second report", remote_with(RemoteFault::kRefuse, 1), nullptr, 1},
        {"a remote replying short", remote_with(RemoteFault::kShortReply, 0), nullptr, 1},
        {"a remote that never replies", remote_with(RemoteFault::kNoReply, 0), nullptr, 1},
        {"a remote unplugged in the transfer", remote_with(RemoteFault::kVanish, 0), nullptr, 1},
        {"listing fails",
         [](SimulatedPlatform& p) {
             p.AddRemote();
             p.list_error = EIO;
         },
         kNoDevice, 0},
        {"a remote gone before it opens", remote_opening_with(ENODEV, 0), kNoDevice, 0},
        {"a remote refused for writing", remote_opening_with(EACCES, 0), kAccessRefused, 0},
        {"a remote refused for reading", remote_opening_with(0, EPERM), kAccessRefused, 0},
        {"a refused remote beside a programmed one",
         [](SimulatedPlatform& p) {
             p.AddRemote().open_error = EACCES;
             p.AddRemote();
         },
         nullptr, 1},
    };
    const Bytes message = TwoReportMessage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedPlatform remotes;
        usb_qvl::ScopedPlatform use_remotes(remotes);
        c.attach(remotes);
        USBProgramDialog dialog(nullptr);
        dialog.message = message;
        dialog.ProgramAll();

        const DialogView view = View(&dialog);
        const std::string expected =
            c.outcome ? c.outcome
                      : wxString::Format(c.programmed == 1 ? "Sucessfully programmed %d device."
                                                           : "Sucessfully programmed %d devices.",
                                         c.programmed)
                            .utf8_string();
        EXPECT_TRUE(ShowsText(view.status, expected));
        EXPECT_EQ(view.retry_shown, c.programmed == 0);
        int holding = 0;
        for (SimulatedRemote* remote : remotes.Remotes()) {
            if (Holds(*remote, message) == HoldingOnly(message)) ++holding;
        }
        EXPECT_EQ(holding, c.programmed) << "remotes holding " << Hex(message);
        EXPECT_EQ(remotes.OpenHandleCount(), 0u) << "handles left open";
        wxWindow* status = FindNamed(&dialog, "status_text");
        for (const wxString& line : wxSplit(wxString::FromUTF8(view.status), '\n', '\0')) {
            EXPECT_LE(status->GetTextExtent(line).x, dialog.FromDIP(300))
                << "\"" << line.utf8_string() << "\" is not wrapped";
        }
    }
}

TEST_F(USBProgramDialogTest, EachPassFramesOnceWithItsOwnClockReading) {
    const Bytes program{0x57, 0x04, 0x90, 0x01, 0x00, 0x01, 0x96};
    SetClockDialog dialog(nullptr);
    dialog.message = program;
    dialog.sync_time = true;
    dialog.now = TimeOfDay(0x04, 50709);  // Monday 14:05:09
    dialog.ProgramAll();
    EXPECT_TRUE(View(&dialog).retry_shown);
    EXPECT_EQ(dialog.readings, 1);

    // Plugged in a minute later; "Retry" reads the clock again and every remote gets it.
    SimulatedRemote& first = platform.AddRemote();
    SimulatedRemote& second = platform.AddRemote();
    dialog.now = TimeOfDay(0x04, 50769);  // Monday 14:06:09
    ClickButton(FindNamed(&dialog, "retry_button"));
    EXPECT_EQ(dialog.readings, 2);
    const Bytes sent{0x57, 0x09, 0x60, 0x04, 0xC6, 0x51, 0x1B, 0x90, 0x01, 0x00, 0x01, 0x96};
    EXPECT_EQ(Holds(first, sent), HoldingOnly(sent));
    EXPECT_EQ(Holds(second, sent), HoldingOnly(sent));
    EXPECT_TRUE(ShowsText(View(&dialog).status, "Sucessfully programmed 2 devices."));

    Bytes framed;
    dialog.now = TimeOfDay(0x80, 86399);  // Saturday 23:59:59
    dialog.GetSendMessage(framed);
    EXPECT_EQ(Hex(framed), "57 09 60 81 51 7F 51 90 01 00 01 96");
    dialog.sync_time = false;
    dialog.GetSendMessage(framed);
    EXPECT_EQ(Hex(framed), Hex(program));
}

TEST_F(USBProgramDialogTest, ShownDialogRetriesAndClosesWithOk) {
    USBProgramDialog dialog(nullptr, wxID_ANY, "Tarnel Feeder - USB Programming", wxDefaultPosition,
                            wxSize(500, 200), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
    dialog.message = TwoReportMessage();
    platform.AddRemote().open_error = EACCES;
    dialog.ProgramAll();
    auto* status = FindNamed(&dialog, "status_text");
    auto* retry = FindNamed(&dialog, "retry_button");
    auto* ok = FindNamed(&dialog, "ok_button");
    const int rc = ShowModalAndAct(dialog, [&] {
        ASSERT_TRUE(retry->IsShownOnScreen());
        // Fitted before it was shown, it opens with room for the whole text.
        EXPECT_TRUE(ShowsText(View(&dialog).status, kAccessRefused));
        EXPECT_GE(status->GetSize().x, status->GetBestSize().x);
        EXPECT_GE(status->GetSize().y, status->GetBestSize().y);
        // Status on top; "Retry" then "OK" in a row at the right below it.
        EXPECT_LT(status->GetRect().GetBottom(), retry->GetRect().GetTop());
        EXPECT_LT(retry->GetRect().GetRight(), ok->GetRect().GetLeft());
        EXPECT_EQ(retry->GetRect().GetTop(), ok->GetRect().GetTop());
        EXPECT_GE(ok->GetRect().GetRight(), dialog.GetClientSize().x - dialog.FromDIP(10));

        platform.AddRemote();
        ClickButton(retry);
        EXPECT_FALSE(retry->IsShown());
        EXPECT_TRUE(ShowsText(View(&dialog).status, "Sucessfully programmed 1 device."));
        ClickButton(ok);
    });
    EXPECT_EQ(rc, wxID_OK);
}

// ---- The road from "USB Program" ----

class USBProgramRoadTest : public SimpleProgramTest {
protected:
    // Presses "USB Program" and answers the programming dialog; returns what it showed.
    DialogView PressUsbProgram() {
        DialogView shown;
        wxTEST_DIALOG(ClickButton(UsbButton()), wxExpectModal<USBProgramDialog>(&shown));
        return shown;
    }
    Bytes ProgramMessage() {
        Bytes message;
        frame->GetProgramPanel()->ComputeMessage(message);
        return message;
    }
    // Presses "USB Program" with remote attached and checks that it took the program message
    // with a time record of the local clock.
    void ExpectSentWithTheClock(SimulatedRemote& remote) {
        const Bytes program = ProgramMessage();
        ASSERT_GE(program.size(), 3u);
        const TimeText before = LocalTimeOfDay();
        const DialogView shown = PressUsbProgram();
        const TimeText after = LocalTimeOfDay();
        EXPECT_EQ(shown.title, "Tarnel Feeder - USB Programming");
        EXPECT_TRUE(shown.resizable);
        EXPECT_TRUE(ShowsText(shown.status, "Sucessfully programmed 1 device."));
        EXPECT_FALSE(shown.retry_shown);
        const Bytes record = Bytes(remote.memory.begin() + 2, remote.memory.begin() + 7);
        EXPECT_TRUE(IsTimeRecordBetween(record, before, after));
        const Bytes sent = Framed(program, record);
        EXPECT_EQ(Holds(remote, sent), HoldingOnly(sent)) << "program message " << Hex(program);
    }

    SimulatedPlatform platform;
    usb_qvl::ScopedPlatform use_platform{platform};
};

TEST_F(USBProgramRoadTest, TimingProgramIsSentWithTheLocalClock) {
    SelectType(kTimingProgram);
    ExpectSentWithTheClock(platform.AddRemote());
}

TEST_F(USBProgramRoadTest, OtherSimpleProgramsAreSentByteForByteToEveryRemote) {
    const std::pair<const char*, int> types[] = {
        {"Test Run", kTestRunProgram}, {"Pause", kPauseProgram}, {"Disable", kDisableProgram}};
    for (const auto& [name, type] : types) {
        SCOPED_TRACE(name);
        SimulatedPlatform remotes;
        usb_qvl::ScopedPlatform use_remotes(remotes);
        for (int i = 0; i < 3; ++i) remotes.AddRemote();
        SelectType(type);
        const Bytes program = ProgramMessage();
        const DialogView shown = PressUsbProgram();
        EXPECT_TRUE(ShowsText(shown.status, "Sucessfully programmed 3 devices."));
        EXPECT_FALSE(shown.retry_shown);
        for (SimulatedRemote* remote : remotes.Remotes()) {
            EXPECT_EQ(Holds(*remote, program), HoldingOnly(program)) << remote->path;
            EXPECT_EQ(remote->received.size(), 1u) << remote->path << " was not programmed once";
        }
    }
}

TEST_F(USBProgramRoadTest, NoRemoteOffersRetryWhichProgramsOnePluggedInMeanwhile) {
    SelectType(kTestRunProgram);
    const Bytes program = ProgramMessage();
    DialogView first, after_retry;
    SimulatedRemote* plugged = nullptr;
    wxTEST_DIALOG(ClickButton(UsbButton()),
                  wxExpectModal<USBProgramDialog>(
                      &first, [&] { plugged = &platform.AddRemote(); }, &after_retry));
    EXPECT_TRUE(ShowsText(first.status, kNoDevice));
    EXPECT_TRUE(first.retry_shown);
    EXPECT_TRUE(ShowsText(after_retry.status, "Sucessfully programmed 1 device."));
    EXPECT_FALSE(after_retry.retry_shown);
    ASSERT_NE(plugged, nullptr);
    EXPECT_EQ(Holds(*plugged, program), HoldingOnly(program));
}

TEST_F(USBProgramRoadTest, SilentRemoteIsLeftOutAndTheOthersAreProgrammed) {
    SelectType(kTestRunProgram);
    SimulatedRemote& before_silent = platform.AddRemote();
    SimulatedRemote& silent = platform.AddRemote();
    silent.fault = RemoteFault::kNoReply;
    SimulatedRemote& after_silent = platform.AddRemote();
    const Bytes program = ProgramMessage();
    const DialogView shown = PressUsbProgram();
    EXPECT_TRUE(ShowsText(shown.status, "Sucessfully programmed 2 devices."));
    EXPECT_EQ(Holds(before_silent, program), HoldingOnly(program));
    EXPECT_EQ(Holds(after_silent, program), HoldingOnly(program));
    EXPECT_EQ(silent.received.size(), 1u) << "the silent remote was asked again";
    EXPECT_EQ(platform.last_wait_ms, usb_qvl::kReplyWaitMs) << "the wait for a reply has no bound";
    EXPECT_EQ(platform.OpenHandleCount(), 0u);
}

TEST_F(USBProgramRoadTest, RemoteRefusedByPermissionsIsNamed) {
    SimulatedRemote& refused = platform.AddRemote();
    refused.open_error = EACCES;
    const DialogView shown = PressUsbProgram();
    EXPECT_TRUE(ShowsText(shown.status, kAccessRefused));
    EXPECT_TRUE(shown.retry_shown);
    EXPECT_TRUE(refused.received.empty());
}

TEST_F(USBProgramRoadTest, InvalidSimpleProgramSendsNothing) {
    SimulatedRemote& remote = platform.AddRemote();
    Editor()->SetTexts({"00:00:05", "00:15:00", "00:00:00", "00:00:00", "00:15:00", "00:00:30"});
    SelectType(kTestRunProgram);
    wxTEST_DIALOG(ClickButton(UsbButton()),
                  ExpectMessageBox(wxID_OK, "Invalid Program",
                                   "Test run duration must be at least 10 seconds."));
    EXPECT_TRUE(remote.received.empty()) << "a report reached the remote";
}

TEST_F(USBProgramRoadTest, AdvancedProgramIsAlwaysSentWithTheLocalClock) {
    using advanced_test::IntervalValues;
    const std::pair<const char*, std::vector<IntervalValues>> programs[] = {
        {"no interval", {}},
        {"two intervals",
         {{0x14, "06:00:00", "18:00:00", "00:00:30", "00:15:00"},
          {0x80, "20:00:00", "02:00:00", "00:01:00", "01:00:00"}}},
    };
    for (const auto& [name, intervals] : programs) {
        SCOPED_TRACE(name);
        SimulatedPlatform remotes;
        usb_qvl::ScopedPlatform use_remotes(remotes);
        frame->SetSaveStatus(false);
        ProgramPanelTARNEL3A* panel = advanced_test::NewAdvancedProgram(frame, intervals);
        ASSERT_NE(panel, nullptr);
        ASSERT_EQ(panel->GetIntervalList().size(), intervals.size());
        ExpectSentWithTheClock(remotes.AddRemote());
    }
}

}  // namespace
