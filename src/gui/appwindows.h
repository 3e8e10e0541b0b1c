#pragma once

#include "formabout.h"
#include "formtimings.h"
#include "mainform.h"
#include "myserialsetupform.h"

// The four windows, created in start-up order and destroyed in reverse. The dialogs are owned
// here, not by Qt's parent chain, but sit over the main window.
class AppWindows {
public:
    explicit AppWindows(Prompts& prompts, const QString& appDir = {});
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    TMainForm MainForm;
    TMySerialSetupForm MySerialSetupForm;
    TFormAbout FormAbout;
    TFormTimings FormTimings;
};
