#pragma once
// Helpers for tests that drive real windows under X.

#include <wx/window.h>

#include <functional>
#include <string>

// Processes pending events until cond() holds or timeout_ms pass; returns cond().
bool PumpUntil(const std::function<bool()>& cond, int timeout_ms = 2000);
// Processes pending events for a short while (at least the given time).
void PumpFor(int ms);

// Finds a descendant window of root (root included) by its wxWindow name.
template <typename T = wxWindow>
T* FindNamed(wxWindow* root, const std::string& name) {
    return dynamic_cast<T*>(wxWindow::FindWindowByName(wxString::FromUTF8(name), root));
}

// While one of these lives, modal dialogs that no wxTEST_DIALOG intercepts are shown for
// real instead of failing the test: for tests that exercise a dialog's own buttons.
class ScopedRealModalDialogs {
public:
    ScopedRealModalDialogs();
    ~ScopedRealModalDialogs();
    static bool Active();
};

class wxDialog;
// Shows dialog modally for real, lets act() press its controls once the dialog is up, and
// returns the modal result; a watchdog ends a dialog that does not close within timeout_ms
// (the test then fails).
int ShowModalAndAct(wxDialog& dialog, const std::function<void()>& act, int timeout_ms = 5000);
// Sends a button click as the button itself would.
void ClickButton(wxWindow* button);

// Writes and reads whole files for file-round-trip tests.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& text);

// A fresh temporary folder, removed with its contents when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};
