#pragma once
// wx/testing.h for this suite: unexpected dialogs fail the test and are answered with Cancel
// instead of being shown for real (which would block the test forever). Include this header
// instead of <wx/testing.h>.

#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <wx/modalhook.h>

class wxDialog;

class SuiteTestingModalHook;
#define wxTEST_DIALOG_HOOK_CLASS SuiteTestingModalHook
#include <wx/testing.h>

class SuiteTestingModalHook : public wxTestingModalHook {
public:
    SuiteTestingModalHook(const char* file, int line, const char* func)
        : wxTestingModalHook(file, line, func) {}

protected:
    int Enter(wxDialog* dlg) override {
        const int rc = wxTestingModalHook::Enter(dlg);
        return rc == wxID_NONE ? wxID_CANCEL : rc;
    }
    void ReportFailure(const wxString& msg) override {
        ADD_FAILURE() << msg.utf8_string();
    }
};

// Answers a message box and checks its caption and text (empty expectations are not checked).
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
public:
    ExpectMessageBox(int answer, std::string caption = {}, std::string message = {})
        : answer_(answer), caption_(std::move(caption)), message_(std::move(message)) {}

protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        if (!caption_.empty()) {
            EXPECT_EQ(dlg->GetTitle().utf8_string(), caption_);
        }
        if (!message_.empty()) {
            EXPECT_EQ(dlg->GetMessage().utf8_string(), message_);
        }
        return answer_;
    }
    wxString GetDefaultDescription() const override {
        return "message box \"" + wxString::FromUTF8(message_) + "\"";
    }

private:
    int answer_;
    std::string caption_;
    std::string message_;
};

// Answers a file dialog with path (or cancels it when answer is wxID_CANCEL). GTK's dialog
// takes a moment to report a path that was set, so this pumps events until it does.
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog, ExpectFileDialog> {
public:
    explicit ExpectFileDialog(std::string path, int answer = wxID_OK, std::string message = {})
        : path_(std::move(path)), answer_(answer), message_(std::move(message)) {}

protected:
    int OnInvoked(wxFileDialog* dlg) const override;
    wxString GetDefaultDescription() const override {
        return "file dialog for \"" + wxString::FromUTF8(path_) + "\"";
    }

private:
    std::string path_;
    int answer_;
    std::string message_;
};
