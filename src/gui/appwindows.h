#pragma once

#include "formabout.h"
#include "formtimings.h"
#include "mainform.h"
#include "myserialsetupform.h"
#include "storedsettings.h"

#include <optional>

// The four windows, created in start-up order and destroyed in reverse. The dialogs are owned
// here, not by Qt's parent chain, but sit over the main window.
class AppWindows {
public:
    // `stored`: the settings file as start-up read it already, so that it is read once.
    explicit AppWindows(Prompts& prompts, const QString& appDir = {},
                        std::optional<StoredSettings> stored = std::nullopt);
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    TMainForm MainForm;
    TMySerialSetupForm MySerialSetupForm;
    TFormAbout FormAbout;
    TFormTimings FormTimings;
};
