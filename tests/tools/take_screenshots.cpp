// Takes the README's screenshots: the main window empty, with a Simple program and with an
// Advanced program, each saved as a PNG into the folder given as the only argument.
// Run it through scripts/screenshots.sh, which provides a display.

#include "app/main_frame.h"
#include "files/program_file.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <cstdio>
#include <fstream>
#include <string>

// Outside the anonymous namespace: wxIMPLEMENT_APP defines wxGetApp() for it.
class ScreenshotApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

namespace {

const char* const kSimpleSample =
    "<Quorvel_9259 version=\"100\" device=\"TN3\">\n"
    "\t<TarnelFeeder3>\n"
    "\t\t<options TestRunTime=\"00:00:10\" PauseTime=\"00:15:00\"/>\n"
    "\t\t<FeedInterval start_day=\"254\" start_time=\"06:00:00\" end_day=\"254\" "
    "end_time=\"18:30:00\" on_time=\"00:00:20\" off_time=\"01:00:00\"/>\n"
    "\t</TarnelFeeder3>\n"
    "</Quorvel_9259>\n\n";

const char* const kAdvancedSample =
    "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n"
    "\t<TarnelFeeder3A>\n"
    "\t\t<FeedInterval days=\"62\" start=\"06:00:00\" stop=\"09:00:00\" on=\"00:00:30\" off=\"00:15:00\"/>\n"
    "\t\t<FeedInterval days=\"62\" start=\"16:00:00\" stop=\"20:00:00\" on=\"00:00:20\" off=\"00:30:00\"/>\n"
    "\t\t<FeedInterval days=\"192\" start=\"08:00:00\" stop=\"18:00:00\" on=\"00:00:15\" off=\"01:00:00\"/>\n"
    "\t\t<FeedInterval days=\"128\" start=\"22:00:00\" stop=\"02:00:00\" on=\"00:00:10\" off=\"02:00:00\"/>\n"
    "\t</TarnelFeeder3A>\n"
    "</Quorvel_9259>\n\n";

void Settle() {
    for (int i = 0; i < 40; ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

// Reads the window's area of the screen with ImageMagick's import, which sees what the X
// server shows (reading the screen back through a wx DC gave stale content).
bool Capture(wxWindow* window, const std::string& path) {
    Settle();
    const wxRect rect = window->GetScreenRect();
    const wxString command =
        wxString::Format("/usr/bin/import -window root -crop %dx%d+%d+%d +repage %s", rect.width,
                         rect.height, rect.x, rect.y, wxString::FromUTF8(path));
    const bool saved = wxExecute(command, wxEXEC_SYNC) == 0;
    std::printf("%s %s\n", saved ? "wrote" : "could not write", path.c_str());
    return saved;
}

bool ShowSample(MainFrame* frame, const std::string& folder, const char* name, const char* body) {
    const std::string path = folder + "/" + name;
    std::ofstream(path, std::ios::binary) << body;
    frame->LoadProgramFile(wxString::FromUTF8(name), wxString::FromUTF8(path));
    std::remove(path.c_str());
    return frame->GetProgramPanel() != nullptr;
}

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ScreenshotApp);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    if (!wxEntryStart(argc, argv)) return 2;
    wxTheApp->CallOnInit();

    auto* frame = new MainFrame();
    frame->Show();
    bool ok = Capture(frame, folder + "/main-window.png");
    ok = ShowSample(frame, folder, "feeding.qvl", kSimpleSample) &&
         Capture(frame, folder + "/simple-mode.png") && ok;
    ok = ShowSample(frame, folder, "week.qvl", kAdvancedSample) &&
         Capture(frame, folder + "/advanced-mode.png") && ok;

    frame->Destroy();
    Settle();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return ok ? 0 : 1;
}
