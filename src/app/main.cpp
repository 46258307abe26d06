// Process entry: hands control to wxWidgets, which creates the App.

#include "app/app.h"

wxIMPLEMENT_APP(App);
