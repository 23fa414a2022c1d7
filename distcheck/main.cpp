// check-distribution FOLDER: tells a packager what is wrong with a
// distribution before a user's installation fails on it.
#include "check.h"
#include <iostream>

int main(int Count, char **Arguments)
{
    return RunCheckCommand(Count, Arguments, std::cout);
}
