// The installer run against a small distribution in C:\dist.
#ifndef ZEM_INSTALLER_FIXTURE_H
#define ZEM_INSTALLER_FIXTURE_H

#include "fixture.h"
#include "../../setup/installer.h"

extern "C" void SetupStartup(void);

class Installer : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        MakeDistribution();
    }
    void MakeDistribution()
    {
        sim::MakeFolder("C:\\dist");
        sim::WriteFile("C:\\dist\\background_a.bmp", MakeBitmap(320, 240, 0x112233));
        sim::WriteFile("C:\\dist\\background_b.bmp", MakeBitmap(320, 240, 0x445566));
        sim::WriteFile("C:\\dist\\Data\\ZEM.exe", "MZ product");
        sim::WriteFile("C:\\dist\\Data\\uninstall.exe", "MZ uninstaller");
        sim::WriteFile("C:\\dist\\Data\\Skins\\default.skin", "skin");
        sim::WriteFile("C:\\dist\\Fonts\\lumidig4.ttf", "font one");
        sim::WriteFile("C:\\dist\\Fonts\\extra.ttf", "font two");
        sim::SetProgramPath("C:\\dist\\setup.exe");
        sim::SetCurrentDirectory("C:\\dist");
    }
    UINT Run(const std::vector<sim::ScriptedMessage> &Script)
    {
        sim::Script(Script);
        return RunEntry(SetupStartup);
    }
    // Mode 1 redraws are the only drawings through GetDC in these runs.
    int HotZoneRedraws() { return sim::CountCalls("GetDC"); }
    // The status texts drawn, one per change.
    std::vector<std::string> StatusSequence()
    {
        std::vector<std::string> Result;
        for (const sim::TextDraw &T : sim::Texts())
            if (Result.empty() || Result.back() != T.text)
                Result.push_back(T.text);
        return Result;
    }
    // Whole-picture drawings: the first paint and every status change.
    int WholeDrawings()
    {
        int Count = 0;
        for (const sim::Blit &B : sim::Blits())
            Count += B.y == 0 && B.height == 240;
        return Count;
    }
};

// Pointer scripts
inline sim::ScriptedMessage OverFolder() { return sim::Move(50, 200); }
inline sim::ScriptedMessage OverInstall() { return sim::Move(150, 200); }
inline sim::ScriptedMessage OverExit() { return sim::Move(300, 200); }

#endif
