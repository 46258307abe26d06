#pragma once
// App: the application object; its start-up shows the main window.

#include <wx/app.h>

class App : public wxApp {
public:
    bool OnInit() override;
};
