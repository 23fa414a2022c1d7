// RunInstallation: the install button's action.
#include "installer.h"

void RunInstallation(void)
{
}
