#include "executableversion.h"

std::optional<ExecutableVersion> ExecutableVersion::ofRecord()
{
    return std::nullopt; // executables here carry no version record
}
