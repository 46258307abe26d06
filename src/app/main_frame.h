#pragma once
// MainFrameBase and MainFrame: the one main window with its menus, title and the document
// lifecycle (new, open, save, save as, close) of the program it hosts.

#include <wx/frame.h>

#include <string>

class wxBoxSizer;
class wxMenu;
class wxMenuBar;
class ProgramPanel;

// Builds the window, its sizer and menus; its handlers only skip.
class MainFrameBase : public wxFrame {
public:
    MainFrameBase(wxWindow* parent, wxWindowID id = wxID_ANY,
                  const wxString& title = "Tarnel Feeder Programmer",
                  const wxPoint& pos = wxPoint(0, 0), const wxSize& size = wxSize(800, 600),
                  long style = wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL);
    ~MainFrameBase() override;

protected:
    virtual void OnClose(wxCloseEvent& event) { event.Skip(); }
    virtual void OnNew(wxCommandEvent& event) { event.Skip(); }
    virtual void OnOpen(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSave(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSaveAs(wxCommandEvent& event) { event.Skip(); }
    virtual void OnExit(wxCommandEvent& event) { event.Skip(); }
    virtual void OnAbout(wxCommandEvent& event) { event.Skip(); }

    wxBoxSizer* frame_sizer;
    wxMenuBar* menu_bar;
    wxMenu* file_menu;
    wxMenu* help_menu;

private:
    int new_id, open_id, save_id, save_as_id, exit_id, about_id;
};

class MainFrame : public MainFrameBase {
public:
    // Results of SaveProgram.
    enum SaveOutcome { kSaveFailed = 0, kSaved = 1, kSaveNotDone = 2 };

    MainFrame();

    virtual void NewProgram();
    virtual void OpenProgram();
    // kSaved, kSaveNotDone (no panel, or the file dialog was cancelled) or kSaveFailed (the
    // file could not be written; the user has been told and the old file is untouched).
    virtual int SaveProgram(bool save_as);
    // A new program panel for a catalog device name, with this window as parent, or null.
    virtual ProgramPanel* NewProgramForDevice(const std::string& device_name);

    void SetSaveStatus(bool status);
    void Clear();
    // The Open flow after the file dialog: replaces the hosted program, without asking, by
    // the program file at path (shown as name), or ends in the empty state.
    void LoadProgramFile(const wxString& name, const wxString& path);

    const wxString& GetFileName() const { return file_name; }
    const wxString& GetFilePath() const { return file_path; }
    bool GetSaveStatus() const { return save_status; }
    ProgramPanel* GetProgramPanel() const { return program_panel; }

protected:
    void OnClose(wxCloseEvent& event) override;
    void OnNew(wxCommandEvent& event) override;
    void OnOpen(wxCommandEvent& event) override;
    void OnSave(wxCommandEvent& event) override;
    void OnSaveAs(wxCommandEvent& event) override;
    void OnExit(wxCommandEvent& event) override;
    void OnAbout(wxCommandEvent& event) override;

private:
    // Asks whether to save the unsaved program; true when the flow may go on.
    bool ConfirmDiscard(const wxString& question);
    // Destroys the hosted panel and forgets the file: the first step of New and Open.
    void TearDownProgram();
    void PlacePanel(ProgramPanel* panel);
    void DestroyPanel();

    wxString file_name;
    wxString file_path;
    bool save_status = false;
    ProgramPanel* program_panel = nullptr;
};
