#pragma once

#include "pictures.h"

#include <QString>

// TXT256x128 and TXT512x256: the download instructions in antialiased DejaVu Sans Bold, navy on
// white, each shade mapped to the nearest colour of the system palette. Needs a
// QGuiApplication. Throws std::runtime_error when the font file cannot be loaded.
Picture makeSmoothText256(const QString& fontFile);
Picture makeSmoothText512(const QString& fontFile);
