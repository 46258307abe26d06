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
