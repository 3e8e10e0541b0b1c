#include "executableversion.h"

#include "orvisnap_version.h"

ExecutableVersion ExecutableVersion::current()
{
    return ofRecord().value_or(builtIn());
}

ExecutableVersion ExecutableVersion::builtIn()
{
    return {OrvisnapVersion::Major, OrvisnapVersion::Minor, OrvisnapVersion::Release,
            OrvisnapVersion::Build};
}
