#pragma once

#include "pictures.h"

// TXT128x64: the download instructions in a 7-pixel bitmap font, navy on white, no smoothing.
Picture makePixelText();
