#include "appwindows.h"

AppWindows::AppWindows(Prompts& prompts, const QString& appDir)
    : MainForm(prompts, appDir), MySerialSetupForm(&MainForm), FormAbout(MainForm, &MainForm),
      FormTimings(MainForm, &MainForm)
{
    MainForm.attachDialogs(&MySerialSetupForm, &FormAbout, &FormTimings);
}
