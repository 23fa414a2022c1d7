// The checks, one routine per kind of file. Names are looked up without
// regard to letter case, as Windows finds them.
#include "check.h"
#include "../common/product.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

namespace fs = std::filesystem;

namespace {

const char DataFolder[] = "Data";
const char FontsFolder[] = "Fonts";
const char SetupFile[] = "setup.exe";
const int ScreenWidth = 320, ScreenHeight = 240;
// The shell copies nothing whose path exceeds MAX_PATH less the NUL.
const size_t LongestCopyPath = 259;

struct Checker {
    DistributionReport report;
    void Error(const std::string &File, const std::string &Sentence) { report.findings.push_back({true, File, Sentence}); }
    void Warn(const std::string &File, const std::string &Sentence) { report.findings.push_back({false, File, Sentence}); }
};

std::string Lower(std::string Text)
{
    for (char &C : Text)
        if (C >= 'A' && C <= 'Z')
            C = (char)(C + 32);
    return Text;
}

// The entry of Folder named Name in any letter case; empty when none.
fs::path Find(const fs::path &Folder, const std::string &Name)
{
    std::error_code Error;
    if (!fs::is_directory(Folder, Error))
        return {};
    for (const auto &Entry : fs::directory_iterator(Folder, Error))
        if (Lower(Entry.path().filename().string()) == Lower(Name))
            return Entry.path();
    return {};
}

std::string ReadAll(const fs::path &File)
{
    std::ifstream In(File, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

unsigned Little(const std::string &Bytes, size_t At, int Size)
{
    unsigned Value = 0;
    for (int I = Size - 1; I >= 0; I--)
        Value = (Value << 8) | (unsigned char)Bytes[At + I];
    return Value;
}

struct Picture { bool loads; long width, height; };

// What LoadImageA takes from a file: a file header "BM", a core or info
// header of a known size, a bit count and compression it can draw, and the
// pixel data the headers promise.
Picture CheckPicture(Checker &C, const fs::path &Folder, const std::string &Name)
{
    fs::path File = Find(Folder, Name);
    if (File.empty()) {
        C.Error(Name, "missing; the installer window would be blank");
        return {false, 0, 0};
    }
    std::string Bytes = ReadAll(File);
    auto Bad = [&](const std::string &Why) {
        C.Error(Name, Why + "; the installer cannot load this picture and its window would be blank");
        return Picture{false, 0, 0};
    };
    if (Bytes.size() < 18 || Bytes[0] != 'B' || Bytes[1] != 'M')
        return Bad("not a bitmap file (no \"BM\" file header)");
    unsigned Offset = Little(Bytes, 10, 4), HeaderSize = Little(Bytes, 14, 4);
    const unsigned KnownSizes[] = {12, 40, 52, 56, 108, 124};
    if (std::find(std::begin(KnownSizes), std::end(KnownSizes), HeaderSize) == std::end(KnownSizes))
        return Bad("an unknown bitmap header of " + std::to_string(HeaderSize) + " bytes");
    if (Bytes.size() < 14 + HeaderSize)
        return Bad("the file ends inside its header");
    long Width, Height;
    unsigned Bits, Compression = 0, ImageSize = 0;
    if (HeaderSize == 12) {
        Width = (long)Little(Bytes, 18, 2);
        Height = (long)Little(Bytes, 20, 2);
        Bits = Little(Bytes, 24, 2);
    } else {
        Width = (long)(int)Little(Bytes, 18, 4);
        Height = (long)(int)Little(Bytes, 22, 4);
        Bits = Little(Bytes, 28, 2);
        Compression = Little(Bytes, 30, 4);
        ImageSize = Little(Bytes, 34, 4);
    }
    if (Height < 0)
        Height = -Height;  // stored top-down
    if (Width <= 0 || Height <= 0)
        return Bad("a picture of " + std::to_string(Width) + " x " + std::to_string(Height) + " pixels");
    const unsigned KnownBits[] = {1, 4, 8, 16, 24, 32};
    if (std::find(std::begin(KnownBits), std::end(KnownBits), Bits) == std::end(KnownBits))
        return Bad(std::to_string(Bits) + " bits per pixel");
    // 0 plain, 1 and 2 run-length (8 and 4 bits), 3 bit fields (16 and 32
    // bits); 4 and 5 (JPEG, PNG) are for printers, not for the screen.
    bool Drawable = Compression == 0 || (Compression == 1 && Bits == 8) || (Compression == 2 && Bits == 4) ||
                    (Compression == 3 && (Bits == 16 || Bits == 32));
    if (!Drawable)
        return Bad("compression " + std::to_string(Compression) + " with " + std::to_string(Bits) + " bits per pixel");
    unsigned long long Needed = Compression == 1 || Compression == 2
                                    ? ImageSize
                                    : (unsigned long long)((Width * Bits + 31) / 32 * 4) * (unsigned long long)Height;
    if (Offset > Bytes.size() || Bytes.size() - Offset < Needed)
        return Bad("truncated: the pixel data needs " + std::to_string(Needed) + " bytes from offset " +
                   std::to_string(Offset) + ", the file has " + std::to_string(Bytes.size()) + " in all");
    return {true, Width, Height};
}

void CheckPictures(Checker &C, const fs::path &Folder)
{
    Picture Normal = CheckPicture(C, Folder, NORMAL_PICTURE_FILE);
    Picture Lit = CheckPicture(C, Folder, HIGHLIGHT_PICTURE_FILE);
    if (!Normal.loads || !Lit.loads)
        return;
    auto Size = [](const Picture &P) { return std::to_string(P.width) + " x " + std::to_string(P.height); };
    if (Normal.width != Lit.width || Normal.height != Lit.height) {
        C.Error(HIGHLIGHT_PICTURE_FILE, Size(Lit) + ", but " NORMAL_PICTURE_FILE " is " + Size(Normal) +
                                            "; lit buttons are cut from this picture at the normal one's places");
        return;
    }
    if (Normal.width != ScreenWidth || Normal.height != ScreenHeight)
        C.Warn(NORMAL_PICTURE_FILE, "the pictures are " + Size(Normal) +
                                        ", not 320 x 240; the window draws them whole, but the buttons answer "
                                        "where a 320 x 240 picture has them");
}

// A 32-bit or 64-bit Windows program: "MZ", and "PE" with a known machine
// where the MZ header points.
bool IsWindowsProgram(const std::string &Bytes)
{
    if (Bytes.size() < 64 || Bytes[0] != 'M' || Bytes[1] != 'Z')
        return false;
    unsigned Pe = Little(Bytes, 0x3C, 4);
    if (Pe > Bytes.size() || Bytes.size() - Pe < 6 || Bytes.compare(Pe, 4, std::string("PE\0\0", 4)) != 0)
        return false;
    unsigned Machine = Little(Bytes, Pe + 4, 2);
    return Machine == 0x014C || Machine == 0x8664;
}

void CheckProgram(Checker &C, const fs::path &Folder, const std::string &Shown, const std::string &Name,
                  const std::string &Missing)
{
    fs::path File = Find(Folder, Name);
    if (File.empty() || !fs::is_regular_file(File))
        C.Error(Shown, "missing; " + Missing);
    else if (!IsWindowsProgram(ReadAll(File)))
        C.Error(Shown, "not a 32-bit or 64-bit Windows program (no MZ and PE headers)");
}

void CheckData(Checker &C, const fs::path &Folder)
{
    fs::path Data = Find(Folder, DataFolder);
    if (Data.empty() || !fs::is_directory(Data)) {
        C.Error(DataFolder, "missing; the installer would copy nothing and stop with its failure");
        return;
    }
    std::string Shown = std::string(DataFolder) + "/";
    CheckProgram(C, Data, Shown + PRODUCT_FILE, PRODUCT_FILE, "the installer would start nothing");
    CheckProgram(C, Data, Shown + UNINSTALLER_FILE, UNINSTALLER_FILE,
                 "the product could not be removed: the uninstall entry names this file");
    // Every path below the default install folder must stay within what the
    // shell can copy.
    std::string Longest, LongestRelative;
    long TooLong = 0;
    std::error_code Error;
    for (auto It = fs::recursive_directory_iterator(Data, Error); It != fs::recursive_directory_iterator();
         It.increment(Error)) {
        std::string Relative = fs::relative(It->path(), Data).string();
        std::string Installed = std::string(DEFAULT_INSTALL_DIR) + Relative;
        std::replace(Installed.begin(), Installed.end(), '/', '\\');
        if (Installed.size() > LongestCopyPath)
            TooLong++;
        if (Installed.size() > Longest.size()) {
            Longest = Installed;
            LongestRelative = fs::relative(It->path(), Data).generic_string();
        }
        if (It->is_regular_file()) {
            C.report.files++;
            C.report.bytes += (long long)It->file_size();
        }
    }
    if (TooLong > 0)
        C.Error(Shown + LongestRelative,
                std::to_string(TooLong) + " path" + (TooLong > 1 ? "s" : "") +
                    " below the default install folder would be longer than 259 characters, this one " +
                    std::to_string(Longest.size()) + " (" + Longest +
                    "); the shell's copy would fail half-way");
}

// TrueType (0x00010000 or "true"), OpenType with outlines ("OTTO") or a
// collection ("ttcf").
bool IsFont(const std::string &Bytes)
{
    if (Bytes.size() < 12)
        return false;
    std::string Tag = Bytes.substr(0, 4);
    return Tag == std::string("\0\1\0\0", 4) || Tag == "true" || Tag == "OTTO" || Tag == "ttcf";
}

void CheckFonts(Checker &C, const fs::path &Folder)
{
    fs::path Fonts = Find(Folder, FontsFolder);
    std::string Shown = std::string(FontsFolder) + "/";
    if (Fonts.empty() || !fs::is_directory(Fonts)) {
        C.Warn(FontsFolder, "missing; the installer installs no font, and the product shows its text in another");
        return;
    }
    bool Product = false;
    std::error_code Error;
    std::vector<fs::path> Files;
    for (const auto &Entry : fs::directory_iterator(Fonts, Error))
        if (Entry.is_regular_file() && Lower(Entry.path().extension().string()) == ".ttf")
            Files.push_back(Entry.path());
    std::sort(Files.begin(), Files.end());
    for (const fs::path &File : Files) {
        std::string Name = File.filename().string();
        Product |= Lower(Name) == FONT_FILE;
        C.report.files++;
        C.report.bytes += (long long)fs::file_size(File);
        if (!IsFont(ReadAll(File)))
            C.Error(Shown + Name, "not a TrueType or OpenType font; it would be copied into the system's Fonts folder "
                                  "all the same");
    }
    if (!Product)
        C.Warn(Shown + FONT_FILE, "missing; the installer skips the product font, and the product shows its text "
                                  "in another");
}

}  // namespace

DistributionReport CheckDistribution(const std::string &Folder)
{
    Checker C;
    CheckProgram(C, Folder, SetupFile, SetupFile, "there is no installer to start");
    CheckPictures(C, Folder);
    CheckData(C, Folder);
    CheckFonts(C, Folder);
    return C.report;
}

int RunCheckCommand(int Count, const char *const *Arguments, std::ostream &Out)
{
    std::error_code Error;
    if (Count != 2 || !fs::is_directory(Arguments[1], Error)) {
        Out << "usage: check-distribution FOLDER\n"
               "  checks the distribution in FOLDER (setup.exe, the two pictures, Data, Fonts);\n"
               "  exit code 0 when it is sound, 1 when it has errors, 2 for a wrong call\n";
        if (Count == 2)
            Out << "not a folder: " << Arguments[1] << "\n";
        return 2;
    }
    DistributionReport Report = CheckDistribution(Arguments[1]);
    long Errors = 0, Warnings = 0;
    for (const Finding &F : Report.findings) {
        Out << (F.error ? "error: " : "warning: ") << F.file << ": " << F.sentence << "\n";
        (F.error ? Errors : Warnings)++;
    }
    Out << "the install copies " << Report.files << " files, " << Report.bytes << " bytes\n";
    Out << Arguments[1] << ": " << (Errors ? "not sound" : "sound") << ", " << Errors << " error"
        << (Errors == 1 ? "" : "s") << ", " << Warnings << " warning" << (Warnings == 1 ? "" : "s") << "\n";
    return Errors ? 1 : 0;
}
