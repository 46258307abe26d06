#include "app/main_frame.h"

#include "app/about_dialog.h"
#include "app/mode_dialog.h"
#include "files/program_file.h"
#include "messages/quorvel_devices.h"
#include "program/advanced_program_panel.h"
#include "program/simple_program_panel.h"
#include "resources/images.h"
#include "xml/xml_tag.h"

#include <wx/filedlg.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

namespace {
const char* const kTitle = "Tarnel Feeder Programmer";
const char* const kWildcard = "Quorvel files (*.qvl)|*.qvl|All files (*.*)|*.*";
const char* const kRootName = "Quorvel_9259";
const char* const kAboutText =
    "Tarnel Feeder Programmer\nVersion 2.28\nwww.tarnel-feeder.example";

wxIconBundle AppIcons() {
    const wxBitmapBundle icon = images::AppIcon();
    wxIconBundle icons;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icons.AddIcon(icon.GetIcon(wxSize(size, size)));
    return icons;
}
}  // namespace

MainFrameBase::MainFrameBase(wxWindow* parent, wxWindowID id, const wxString& title,
                             const wxPoint& pos, const wxSize& size, long style)
    : wxFrame(parent, id, title, pos, size, style) {
    SetSize(FromDIP(size));
    SetMinSize(FromDIP(wxSize(300, 300)));

    frame_sizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(frame_sizer);

    menu_bar = new wxMenuBar();
    file_menu = new wxMenu();
    new_id = file_menu->Append(wxID_ANY, "&New...")->GetId();
    file_menu->AppendSeparator();
    open_id = file_menu->Append(wxID_ANY, "&Open...")->GetId();
    file_menu->AppendSeparator();
    save_id = file_menu->Append(wxID_ANY, "&Save...")->GetId();
    save_as_id = file_menu->Append(wxID_ANY, "Save &As...")->GetId();
    file_menu->AppendSeparator();
    exit_id = file_menu->Append(wxID_ANY, "E&xit")->GetId();
    menu_bar->Append(file_menu, "&File");
    help_menu = new wxMenu();
    about_id = help_menu->Append(wxID_ANY, "&About")->GetId();
    menu_bar->Append(help_menu, "&Help");
    SetMenuBar(menu_bar);

    Bind(wxEVT_CLOSE_WINDOW, &MainFrameBase::OnClose, this);
    Bind(wxEVT_MENU, &MainFrameBase::OnNew, this, new_id);
    Bind(wxEVT_MENU, &MainFrameBase::OnOpen, this, open_id);
    Bind(wxEVT_MENU, &MainFrameBase::OnSave, this, save_id);
    Bind(wxEVT_MENU, &MainFrameBase::OnSaveAs, this, save_as_id);
    Bind(wxEVT_MENU, &MainFrameBase::OnExit, this, exit_id);
    Bind(wxEVT_MENU, &MainFrameBase::OnAbout, this, about_id);
}

MainFrameBase::~MainFrameBase() {
    Unbind(wxEVT_CLOSE_WINDOW, &MainFrameBase::OnClose, this);
    Unbind(wxEVT_MENU, &MainFrameBase::OnNew, this, new_id);
    Unbind(wxEVT_MENU, &MainFrameBase::OnOpen, this, open_id);
    Unbind(wxEVT_MENU, &MainFrameBase::OnSave, this, save_id);
    Unbind(wxEVT_MENU, &MainFrameBase::OnSaveAs, this, save_as_id);
    Unbind(wxEVT_MENU, &MainFrameBase::OnExit, this, exit_id);
    Unbind(wxEVT_MENU, &MainFrameBase::OnAbout, this, about_id);
}

MainFrame::MainFrame() : MainFrameBase(nullptr) {
    SetIcons(AppIcons());
    file_name.clear();
    file_path.clear();
    save_status = false;
    PlacePanel(new ProgramPanel(this));
}

void MainFrame::SetSaveStatus(bool status) {
    save_status = status;
    wxString title = kTitle;
    if (status)
        title << " - " << file_name << "*";
    else if (!file_name.empty())
        title << " - " << file_name;
    SetTitle(title);
}

void MainFrame::PlacePanel(ProgramPanel* panel) {
    program_panel = panel;
    frame_sizer->Add(panel, 1, wxEXPAND);
    Layout();
    Refresh();
}

void MainFrame::DestroyPanel() {
    if (!program_panel) return;
    ProgramPanel* old = program_panel;
    program_panel = nullptr;
    old->Destroy();  // also takes it out of frame_sizer
}

void MainFrame::Clear() {
    DestroyPanel();
    file_name.clear();
    file_path.clear();
    SetSaveStatus(false);
    PlacePanel(new ProgramPanel(this));
}

void MainFrame::TearDownProgram() {
    DestroyPanel();
    file_name.clear();
    file_path.clear();
    SetSaveStatus(false);
    Layout();
    Refresh();
}

bool MainFrame::ConfirmDiscard(const wxString& question) {
    wxMessageDialog prompt(this, question, "Quorvel - Save Program?", wxYES_NO | wxCANCEL);
    switch (prompt.ShowModal()) {
        case wxID_YES:
            return SaveProgram(false) == kSaved;
        case wxID_NO:
            return true;
        default:
            return false;
    }
}

void MainFrame::NewProgram() {
    if (save_status && !ConfirmDiscard("Save before closing?")) return;
    TearDownProgram();

    AdvanceSelectDialog mode_dialog(this, wxID_ANY, "Create New - Select Mode");
    ProgramPanel* panel = nullptr;
    switch (mode_dialog.ShowModal()) {
        case AdvanceSelectDialog::kSimpleResult:
            panel = NewProgramForDevice("TN3");
            break;
        case AdvanceSelectDialog::kAdvancedResult:
            panel = NewProgramForDevice("TN3A");
            break;
        default:
            break;
    }
    if (!panel) {
        Clear();
        return;
    }
    PlacePanel(panel);
    panel->Init();
}

void MainFrame::OpenProgram() {
    if (save_status && !ConfirmDiscard("Save before opening?")) return;
    TearDownProgram();

    wxFileDialog file_dialog(this, "Please select the file to open", wxEmptyString, wxEmptyString,
                             kWildcard, wxFD_OPEN);
    if (file_dialog.ShowModal() != wxID_OK) {
        Clear();
        return;
    }
    LoadProgramFile(file_dialog.GetFilename(), file_dialog.GetPath());
}

void MainFrame::LoadProgramFile(const wxString& name, const wxString& path) {
    TearDownProgram();
    file_name = name;
    file_path = path;
    const XML_Tag root = ReadProgramFile(file_path.utf8_string());
    if (!root.valid || root.tag != kRootName) {
        wxMessageDialog error(this,
                              "Unable to load file. Please verify the file is a quorvel timer "
                              "file and the path is valid.",
                              "Quorvel - Open file error", wxOK | wxICON_ERROR);
        error.ShowModal();
        Clear();
        SetSaveStatus(false);
        return;
    }

    std::string device_name;
    root.GetAttributeData("device", device_name);
    ProgramPanel* panel = NewProgramForDevice(device_name);
    if (!panel) {
        Clear();
        SetSaveStatus(false);
        return;
    }
    program_panel = panel;
    const bool accepted = panel->SetXML(root);
    frame_sizer->Add(panel, 1, wxEXPAND);
    panel->Fit();
    Layout();
    Refresh();
    if (accepted)
        panel->UpdateSize();
    else
        Clear();
    SetSaveStatus(false);
}

int MainFrame::SaveProgram(bool save_as) {
    if (!program_panel) return kSaveNotDone;

    if (save_as || file_path.empty()) {
        wxFileDialog file_dialog(this, "Please select the file to save", wxEmptyString, file_name,
                                 kWildcard, wxFD_SAVE);
        if (file_dialog.ShowModal() != wxID_OK) return kSaveNotDone;
        file_name = file_dialog.GetFilename();
        file_path = file_dialog.GetPath();
        if (!file_path.EndsWith(".qvl")) file_path += ".qvl";
    }

    XML_Tag root(kRootName);
    root.AddAttribute("version", "100");
    program_panel->GetXML(root);

    wxString problem;
    switch (WriteProgramFile(file_path.utf8_string(), root)) {
        case SaveResult::kSaved:
            SetSaveStatus(false);
            return kSaved;
        case SaveResult::kUnwritableContent:
            problem = "A field holds a double quote, \"<\" or \">\", which a program file cannot "
                      "hold. Please remove it and save again.";
            break;
        case SaveResult::kWriteFailed:
            problem = "Please check that the folder exists, that you may write to it and that "
                      "the disk is not full. The file was not changed.";
            break;
    }
    wxMessageDialog error(this, wxString::Format("Unable to save file \"%s\".\n\n%s", file_path, problem),
                          "Quorvel - Save file error", wxOK | wxICON_ERROR);
    error.ShowModal();
    return kSaveFailed;
}

ProgramPanel* MainFrame::NewProgramForDevice(const std::string& device_name) {
    QuorvelDevices& catalog = Singleton<QuorvelDevices>::instance;
    if (!catalog.SetDeviceTo(device_name)) return nullptr;
    const QuorvelDevices::Device* device = catalog.GetCurrentDevice();
    if (!device) return nullptr;
    switch (device->device_type) {
        case QuorvelDevices::kSimpleDeviceType:
            return new ProgramPanelTARNEL3(this);
        case QuorvelDevices::kAdvancedDeviceType:
            return new ProgramPanelTARNEL3A(this);
        default:
            return nullptr;
    }
}

void MainFrame::OnClose(wxCloseEvent& event) {
    if (save_status && !ConfirmDiscard("Save before exiting?")) {
        if (event.CanVeto()) event.Veto();
        return;
    }
    Destroy();
}

void MainFrame::OnNew(wxCommandEvent&) { NewProgram(); }

void MainFrame::OnOpen(wxCommandEvent&) { OpenProgram(); }

void MainFrame::OnSave(wxCommandEvent&) { SaveProgram(false); }

void MainFrame::OnSaveAs(wxCommandEvent&) { SaveProgram(true); }

void MainFrame::OnExit(wxCommandEvent&) { Close(true); }

void MainFrame::OnAbout(wxCommandEvent&) {
    AboutDlg about(this, wxID_ANY, "Tarnel Feeder - About", kAboutText);
    about.ShowModal();
}
