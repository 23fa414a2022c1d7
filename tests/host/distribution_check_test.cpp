// The packager's check: a sound distribution passes; each broken one gives
// its message, on the file it concerns, and its exit code.
#include "fixture.h"
#include "../../distcheck/check.h"
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace {

std::string Program(unsigned Machine = 0x14C)
{
    std::string Bytes(64, '\0');
    Bytes[0] = 'M';
    Bytes[1] = 'Z';
    Bytes[0x3C] = 64;
    Bytes += std::string("PE\0\0", 4);
    Bytes += (char)(Machine & 0xFF);
    Bytes += (char)(Machine >> 8);
    Bytes += std::string(200, '\0');
    return Bytes;
}

const std::string Font = std::string("\0\1\0\0", 4) + std::string(60, 'f');

void Put(const fs::path &File, const std::string &Bytes)
{
    fs::create_directories(File.parent_path());
    std::ofstream(File, std::ios::binary) << Bytes;
}

class Check : public ::testing::Test {
protected:
    fs::path Folder;
    void SetUp() override
    {
        char Template[] = "/tmp/distcheck-XXXXXX";
        Folder = mkdtemp(Template);
        MakeSound(Folder);
    }
    void TearDown() override { fs::remove_all(Folder); }
    static void MakeSound(const fs::path &Root)
    {
        Put(Root / "setup.exe", Program());
        Put(Root / "background_a.bmp", MakeBitmap(320, 240, 0x112233));
        Put(Root / "background_b.bmp", MakeBitmap(320, 240, 0x445566));
        Put(Root / "Data" / "ZEM.exe", Program());
        Put(Root / "Data" / "uninstall.exe", Program(0x8664));
        Put(Root / "Data" / "Docs" / "readme.txt", "read me");
        Put(Root / "Fonts" / "lumidig4.ttf", Font);
    }
    int Run(std::string &Output)
    {
        std::string Path = Folder.string();
        const char *Arguments[] = {"check-distribution", Path.c_str()};
        std::ostringstream Out;
        int Code = RunCheckCommand(2, Arguments, Out);
        Output = Out.str();
        return Code;
    }
};

TEST_F(Check, SoundDistributionPassesWithItsSummary)
{
    std::string Output;
    EXPECT_EQ(0, Run(Output));
    EXPECT_EQ(std::string::npos, Output.find("error:")) << Output;
    EXPECT_EQ(std::string::npos, Output.find("warning:")) << Output;
    // Data's three files and one font.
    long long Bytes = Program().size() + Program(0x8664).size() + 7 + Font.size();
    EXPECT_NE(std::string::npos, Output.find("the install copies 4 files, " + std::to_string(Bytes) + " bytes"))
        << Output;
}

TEST_F(Check, BrokenDistributions)
{
    struct Case {
        const char *name;
        std::function<void(const fs::path &)> breakIt;
        int code;
        std::string line;  // the start of the line that must be there
    };
    std::string Bitmap = MakeBitmap(320, 240);
    std::string Wrong = Bitmap;
    Wrong[0] = 'X';
    std::string Png = Bitmap;
    Png[30] = 5;  // compression: PNG
    const std::string Deep = std::string(100, 'd') + "/" + std::string(100, 'e') + "/" + std::string(40, 'f');
    const Case Cases[] = {
        {"truncated picture", [&](const fs::path &R) { Put(R / "background_a.bmp", Bitmap.substr(0, 2000)); }, 1,
         "error: background_a.bmp: truncated"},
        {"wrong magic", [&](const fs::path &R) { Put(R / "background_b.bmp", Wrong); }, 1,
         "error: background_b.bmp: not a bitmap file"},
        {"a compression the screen cannot draw", [&](const fs::path &R) { Put(R / "background_b.bmp", Png); }, 1,
         "error: background_b.bmp: compression 5"},
        {"missing picture", [](const fs::path &R) { fs::remove(R / "background_a.bmp"); }, 1,
         "error: background_a.bmp: missing"},
        {"different sizes", [](const fs::path &R) { Put(R / "background_b.bmp", MakeBitmap(320, 200)); }, 1,
         "error: background_b.bmp: 320 x 200, but background_a.bmp is 320 x 240"},
        {"a 300 x 200 pair",
         [](const fs::path &R) {
             Put(R / "background_a.bmp", MakeBitmap(300, 200));
             Put(R / "background_b.bmp", MakeBitmap(300, 200));
         },
         0, "warning: background_a.bmp: the pictures are 300 x 200, not 320 x 240"},
        {"no Data", [](const fs::path &R) { fs::remove_all(R / "Data"); }, 1, "error: Data: missing"},
        {"no uninstall.exe", [](const fs::path &R) { fs::remove(R / "Data" / "uninstall.exe"); }, 1,
         "error: Data/uninstall.exe: missing; the product could not be removed"},
        {"a text file named ZEM.exe", [](const fs::path &R) { Put(R / "Data" / "ZEM.exe", "just text"); }, 1,
         "error: Data/ZEM.exe: not a 32-bit or 64-bit Windows program"},
        {"a program of another machine", [](const fs::path &R) { Put(R / "Data" / "ZEM.exe", Program(0x01C4)); }, 1,
         "error: Data/ZEM.exe: not a 32-bit or 64-bit Windows program"},
        {"names in another letter case", [](const fs::path &R) {
             fs::rename(R / "Data", R / "data");
             fs::rename(R / "data" / "ZEM.exe", R / "data" / "zem.EXE");
         }, 0, "the install copies"},
        {"no setup.exe", [](const fs::path &R) { fs::remove(R / "setup.exe"); }, 1, "error: setup.exe: missing"},
        {"a too deep path", [&](const fs::path &R) { Put(R / "Data" / Deep, "x"); }, 1,
         "error: Data/" + Deep + ": 1 path below the default install folder would be longer than 259 characters"},
        {"a path of exactly 259 characters",
         [&](const fs::path &R) { Put(R / "Data" / Deep.substr(0, Deep.size() - 4), "x"); }, 0, "the install copies"},
        {"no product font", [](const fs::path &R) { fs::remove(R / "Fonts" / "lumidig4.ttf"); }, 0,
         "warning: Fonts/lumidig4.ttf: missing"},
        {"no Fonts folder", [](const fs::path &R) { fs::remove_all(R / "Fonts"); }, 0, "warning: Fonts: missing"},
        {"another font that is none", [](const fs::path &R) { Put(R / "Fonts" / "extra.ttf", "<html>"); }, 1,
         "error: Fonts/extra.ttf: not a TrueType or OpenType font"},
    };
    for (const Case &C : Cases) {
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        MakeSound(Folder);
        C.breakIt(Folder);
        std::string Output;
        EXPECT_EQ(C.code, Run(Output)) << C.name << "\n" << Output;
        bool Found = Output.compare(0, C.line.size(), C.line) == 0 || Output.find("\n" + C.line) != std::string::npos;
        EXPECT_TRUE(Found) << C.name << ": no line \"" << C.line << "\" in\n" << Output;
    }
}

TEST_F(Check, WrongCalls)
{
    std::ostringstream Out;
    const char *None[] = {"check-distribution"};
    EXPECT_EQ(2, RunCheckCommand(1, None, Out));
    const char *Two[] = {"check-distribution", "a", "b"};
    EXPECT_EQ(2, RunCheckCommand(3, Two, Out));
    const char *Missing[] = {"check-distribution", "/nonexistent/distribution"};
    EXPECT_EQ(2, RunCheckCommand(2, Missing, Out));
    EXPECT_NE(std::string::npos, Out.str().find("usage: check-distribution FOLDER"));
}

}  // namespace
