#pragma once

#include <cstdint>

// How a download asks for its transfer: once, as the window does, or again and again until a
// transfer starts. orvisnap-capture repeats for the pictures after its first: the instrument may
// still be ending the last transfer (repeating the EOT that is never answered) and not listen
// yet. A lone EOT before any block is then that transfer's end, not an empty new one.
struct RequestPolicy {
    std::int64_t repeatEveryMs = 0; // 0: one request
};
