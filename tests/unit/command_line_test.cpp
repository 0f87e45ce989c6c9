#include <gtest/gtest.h>

#include "runtime/command_line.h"
#include "runtime/text.h"

TEST(CommandLine, ArgumentsBehindTheProgramName)
{
    struct Case {
        const char* commandLine;
        const char* arguments;
    } cases[] = {
        {"QUORIX.EXE", ""},
        {"QUORIX.EXE -uninstall", "-uninstall"},
        {"QUORIX.EXE \t  -uninstall", "-uninstall"},
        {"QUORIX.EXE -uninstall ", "-uninstall "},
        {"\"D:\\My CD\\QUORIX.EXE\"   -uninstall", "-uninstall"},
        {"\"D:\\My CD\\QUORIX.EXE\"-uninstall", "-uninstall"},
        {"\"D:\\unterminated -uninstall", ""},
        {"D:\\QUORIX.EXE \"quoted arg\"", "\"quoted arg\""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(SkipProgramName(c.commandLine), c.arguments) << "command line: " << c.commandLine;
}

TEST(Text, CopyAndAppendNeverPassTheCapacity)
{
    char buffer[8] = "abc";
    EXPECT_TRUE(AppendText(buffer, sizeof buffer, "defg"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(AppendText(buffer, sizeof buffer, "h"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(CopyText(buffer, sizeof buffer, "12345678"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_TRUE(SameText("-uninstall", "-uninstall"));
    EXPECT_FALSE(SameText("-uninstall", "-UNINSTALL"));
    EXPECT_FALSE(SameText("-uninstall", "-uninstall "));
}
