#include "app/app.h"

#include "app/main_frame.h"

bool App::OnInit() {
    auto* frame = new MainFrame();
    frame->Show();
    SetTopWindow(frame);
    return true;
}
