// The uninstaller's command line: the argument string cut from it, the
// upper-casing, and the dispatch to the hand-off or the removal.
#include "uninstaller_fixture.h"

using Command = Uninstaller;

TEST_F(Command, ArgumentStringIsCutBehindTheProgramName)
{
    struct Case { const char *name; std::string line; bool doubleByte; std::string arguments; };
    const Case Cases[] = {
        {"quoted path with blanks", "\"C:\\Program Files\\ZEM\\uninstall.exe\" /uninstall", false, "/uninstall"},
        {"trail byte with the quote's code", "\"C:\\a\x83\"b.exe\" /D:C:\\ZEM", true, "/D:C:\\ZEM"},
        {"same bytes, single-byte page", "\"C:\\a\x83\"b.exe\" /D:C:\\ZEM", false, "b.exe\" /D:C:\\ZEM"},
        {"lead byte at the end", "\"C:\\a\x83", true, ""},
        {"unclosed quote", "\"C:\\Program Files\\uninstall.exe /uninstall", false, ""},
        {"closing quote, nothing after", "\"u.exe\"", false, ""},
        {"unquoted name", "C:\\TEMP\\uninstall.exe /D:C:\\Program Files\\ZEM", false, "/D:C:\\Program Files\\ZEM"},
        {"bytes from 128 up in a name", "C:\\\xe9t\xe9\\u.exe /uninstall", false, "/uninstall"},
        {"blanks, tabs, control bytes", "u.exe \t\x01\x1f /uninstall", false, "/uninstall"},
        {"no program name", " /uninstall", false, "/uninstall"},
        {"a tab first", "\t/D:x", false, "/D:x"},
        {"empty line", "", false, ""},
        {"inner and trailing blanks kept", "u.exe /D:C:\\A B\\ZEM  ", false, "/D:C:\\A B\\ZEM  "},
        {"quote inside an unquoted name", "a\"b c", false, "c"},
    };
    for (const Case &C : Cases) {
        sim::SetDoubleByteCodePage(C.doubleByte);
        // An exact-size buffer: reading past its end shows under the sanitizer.
        std::vector<char> Line(C.line.begin(), C.line.end());
        Line.push_back(0);
        char *Arguments = CutArguments(Line.data());
        EXPECT_EQ(C.arguments, std::string(Arguments)) << C.name;
        EXPECT_TRUE(Arguments >= Line.data() && Arguments < Line.data() + Line.size()) << C.name;
    }
}

TEST_F(Command, DispatchOnTheUpperCasedArgumentString)
{
    enum Stage { NOTHING, HAND_OFF, REMOVAL, REFUSED };
    struct Case { std::string arguments; bool doubleByte; Stage stage; std::string folder; };
    const std::string Long(100000, 'a');
    const Case Cases[] = {
        {"/uninstall", false, HAND_OFF, ""},
        {"/Uninstall", false, HAND_OFF, ""},
        {"/UNINSTALL", false, HAND_OFF, ""},
        {"/uninstall ", false, NOTHING, ""},
        {"/uninstall now", false, NOTHING, ""},
        {"/uninstal", false, NOTHING, ""},
        {"/D:C:\\Program Files\\ZEM", false, REMOVAL, "C:\\PROGRAM FILES\\ZEM"},
        {"/d:c:\\program files\\zem", false, REMOVAL, "C:\\PROGRAM FILES\\ZEM"},
        {"/D:C:\\\xe9t\xc9 x\\zem ", false, REMOVAL, "C:\\\xe9T\xc9 X\\ZEM "},
        // A trail byte is no letter in a double-byte code page.
        {"/D:C:\\\x83\x61\\zem", true, REMOVAL, "C:\\\x83\x61\\ZEM"},
        {"/D:C:\\\x83\x61\\zem", false, REMOVAL, "C:\\\x83\x41\\ZEM"},
        {"/D:", false, REFUSED, ""},
        {"/D:" + std::string(254, 'a'), false, REMOVAL, std::string(254, 'A')},
        {"/D:" + std::string(255, 'a'), false, REFUSED, ""},
        {"/D:" + Long, false, REFUSED, ""},
        {"/uninstall" + Long, false, NOTHING, ""},
        {"/D", false, NOTHING, ""},
        {"/D ", false, NOTHING, ""},
        {"/DX", false, NOTHING, ""},
        {"D:C:\\ZEM", false, NOTHING, ""},
        {"", false, NOTHING, ""},
    };
    for (size_t I = 0; I < sizeof Cases / sizeof Cases[0]; I++) {
        const Case &C = Cases[I];
        sim::Reset();
        InstallProduct();
        sim::SetDoubleByteCodePage(C.doubleByte);
        sim::WriteFile(paths::Copy, "MZ uninstaller");
        // Answered No, a hand-off ends with its cancel message.
        UINT Exit = Run(paths::Installed, "\"" + paths::Installed + "\" " + C.arguments, {IDNO, IDOK, IDOK});
        std::vector<std::string> Boxes = BoxTexts();
        switch (C.stage) {
        case NOTHING:
        case REFUSED:
            EXPECT_EQ(C.stage == NOTHING ? 0u : 0xFFFFFFFFu, Exit) << "case " << I;
            EXPECT_TRUE(Boxes.empty()) << "case " << I;
            EXPECT_EQ(0, sim::CountCalls("RegCreateKeyExA")) << "case " << I;
            EXPECT_EQ(0, sim::CountCalls("SHFileOperationA")) << "case " << I;
            break;
        case HAND_OFF:
            EXPECT_EQ(0u, Exit) << "case " << I;
            ASSERT_EQ(2u, Boxes.size()) << "case " << I;
            EXPECT_EQ(CanceledText, Boxes[1]) << "case " << I;
            break;
        case REMOVAL:
            EXPECT_EQ(0u, Exit) << "case " << I;
            EXPECT_EQ(std::vector<std::string>{CompletedText}, Boxes) << "case " << I;
            EXPECT_EQ(C.folder, std::string(InstallDir)) << "case " << I;
            EXPECT_EQ(1, sim::CountCalls("MoveFileExA")) << "case " << I;
            break;
        }
        EXPECT_TRUE(EntryExists()) << "case " << I;
        EXPECT_TRUE(sim::FileExists(paths::Installed) || C.stage == REMOVAL) << "case " << I;
        CheckCase("case " + std::to_string(I));
    }
}

TEST_F(Command, EveryRunFirstClosesARunningProduct)
{
    for (const char *Arguments : {"", "/uninstall", "/D:C:\\Program Files\\ZEM", "/x"}) {
        sim::Reset();
        InstallProduct();
        sim::WriteFile(paths::Copy, "MZ uninstaller");
        HWND Product = sim::StartProduct(1500);
        Run(paths::Installed, std::string("u.exe ") + Arguments, {IDNO, IDOK});
        auto Posts = sim::PostsTo(Product);
        ASSERT_EQ(1u, Posts.size()) << Arguments;
        EXPECT_EQ((UINT)WM_QUIT, Posts[0].message) << Arguments;
        EXPECT_EQ(2000u, sim::Now()) << Arguments;  // two waits of a second
        // Nothing is shown or changed before the product has been asked to go.
        EXPECT_LT(FirstCall("PostMessageA"), FirstCall("Sleep")) << Arguments;
        EXPECT_TRUE(FirstCall("MessageBoxA") == -1 || FirstCall("Sleep") < FirstCall("MessageBoxA")) << Arguments;
        CheckCase(Arguments);
    }
}
