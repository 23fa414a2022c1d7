// Shared test set-up: a fresh simulated machine per test, and a check that
// the program left nothing open and broke no rule the simulation watches.
#ifndef ZEM_TEST_FIXTURE_H
#define ZEM_TEST_FIXTURE_H

#include <gtest/gtest.h>
#include "sim.h"

class SimTest : public ::testing::Test {
protected:
    void SetUp() override { sim::Reset(); }
    void TearDown() override { CheckCase("the test"); }
    // The end of one case of a table that runs several on fresh machines:
    // what the simulation noticed is reported under the case's name.
    static void CheckCase(const std::string &Name)
    {
        sim::CheckReleased();
        for (const std::string &Fault : sim::Faults())
            ADD_FAILURE() << Name << ": simulation: " << Fault;
        sim::Faults().clear();
    }
};

// A bottom-up 24-bit BMP file of Width x Height in one colour.
std::string MakeBitmap(int Width, int Height, unsigned Colour = 0x336699);

// Runs an entry routine that ends with ExitProcess; returns the exit code.
template <typename Entry> UINT RunEntry(Entry Start)
{
    try {
        Start();
    } catch (const sim::ProcessExit &Exit) {
        return Exit.code;
    }
    ADD_FAILURE() << "the entry routine returned instead of calling ExitProcess";
    return 0xDEADBEEF;
}

#endif
