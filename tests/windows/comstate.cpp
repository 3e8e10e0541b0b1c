// Leaves a port's device control block as a terminal program with flow control on may leave it,
// or shows whether flow control is left on it (exit status 1):
//     comstate leave|show COMn
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode != "leave" && mode != "show") {
        std::fprintf(stderr, "usage: comstate leave|show COMn\n");
        return 2;
    }
    const std::string path = std::string("\\\\.\\") + argv[2];
    const HANDLE port = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (port == INVALID_HANDLE_VALUE || !GetCommState(port, &dcb)) {
        std::fprintf(stderr, "comstate: %s: error %lu\n", argv[2], GetLastError());
        return 2;
    }
    int status = 0;
    if (mode == "leave") {
        dcb.fOutX = dcb.fInX = dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = TRUE;
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
        dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
        dcb.fDsrSensitivity = dcb.fNull = dcb.fAbortOnError = TRUE;
        status = SetCommState(port, &dcb) ? 0 : 2;
    } else {
        std::printf("outX=%u inX=%u cts=%u dsr=%u rts=%u dtr=%u\n", unsigned(dcb.fOutX),
                    unsigned(dcb.fInX), unsigned(dcb.fOutxCtsFlow), unsigned(dcb.fOutxDsrFlow),
                    unsigned(dcb.fRtsControl), unsigned(dcb.fDtrControl));
        status = dcb.fOutX || dcb.fInX || dcb.fOutxCtsFlow || dcb.fOutxDsrFlow ||
                 dcb.fRtsControl == RTS_CONTROL_HANDSHAKE ||
                 dcb.fDtrControl == DTR_CONTROL_HANDSHAKE;
    }
    CloseHandle(port);
    return status;
}
