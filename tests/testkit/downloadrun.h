#pragma once

#include "recordinglistener.h"
#include "requestpolicy.h"
#include "screenshotdownload.h"

// Runs a download on the system's clock until it has ended, the event loop turning meanwhile.
// One still running after `limitMs` (a hang) is stopped and counts as hung.
struct DownloadRun {
    DownloadResult result;
    bool hung = false;

    static DownloadRun toEnd(ScreenshotDownload& download, RecordingListener& listener,
                             DownloadPort& port, RequestPolicy policy = {}, int limitMs = 120000);
};
