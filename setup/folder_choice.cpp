// ChooseDestinationFolder: the folder button's action.
#include "installer.h"

void ChooseDestinationFolder(void)
{
}
