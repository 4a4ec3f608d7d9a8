#include "platform/os/SystemProfile.h"

TSystemProfile& SystemProfile()
{
    static TSystemProfile profile;
    return profile;
}
