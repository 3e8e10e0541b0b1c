#include "appwindows.h"

AppWindows::AppWindows(Prompts& prompts, const QString& appDir,
                       std::optional<StoredSettings> stored)
    : MainForm(prompts, appDir, std::move(stored)), MySerialSetupForm(&MainForm),
      FormAbout(MainForm, &MainForm), FormTimings(MainForm, &MainForm)
{
    MainForm.attachDialogs(&MySerialSetupForm, &FormAbout, &FormTimings);
}
