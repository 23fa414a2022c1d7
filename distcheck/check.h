// The packager's check of a distribution folder: everything setup.exe reads
// and everything it copies, read from the files' own headers.
#ifndef ZEM_DISTRIBUTION_CHECK_H
#define ZEM_DISTRIBUTION_CHECK_H

#include <iosfwd>
#include <string>
#include <vector>

struct Finding {
    bool error;            // else a warning: the install works, but not as meant
    std::string file;      // relative to the distribution, with slashes
    std::string sentence;
};

struct DistributionReport {
    std::vector<Finding> findings;
    long files = 0;        // what the install copies: Data's files and the fonts
    long long bytes = 0;
};

DistributionReport CheckDistribution(const std::string &Folder);

// The command: prints the findings and a summary; returns 0 for a sound
// distribution, 1 for one with errors, 2 for a wrong call.
int RunCheckCommand(int Count, const char *const *Arguments, std::ostream &Out);

#endif
