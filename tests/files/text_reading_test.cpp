#include <gtest/gtest.h>

#include "files/data_file_names.h"
#include "files/text_items.h"
#include "files/text_line_reader.h"
#include "framework/exceptions/file_exception.h"
#include "tests/support/app_fixture.h"

namespace {

std::vector<std::string> AllLines(const std::string& text, bool skipComments) {
    CTextLineReader reader;
    reader.Attach(text, "memory");
    std::vector<std::string> lines;
    std::string line;
    while (skipComments ? reader.ReadNonCommentLine(line) : reader.ReadLine(line)) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(TextLineReader, AcceptsBothLineEndsAndAnUnendedLastLine) {
    EXPECT_EQ(AllLines("a b\r\nc\n\r\nd", false), (std::vector<std::string>{"a b", "c", "", "d"}));
    EXPECT_EQ(AllLines("", false), std::vector<std::string>{});
    EXPECT_EQ(AllLines("only\n", false), std::vector<std::string>{"only"});
    // Only lines starting with a semicolon are comments.
    EXPECT_EQ(AllLines("; comment\r\nx ; not a comment\n ;indented\n;\n", true),
              (std::vector<std::string>{"x ; not a comment", " ;indented"}));
}

TEST(TextLineReader, MissingFileRaisesFileExceptionWithItsName) {
    CTempFolder folder;
    CTextLineReader reader;
    try {
        reader.Open(folder.File("absent.dat"));
        FAIL() << "no exception";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
        EXPECT_EQ(error.m_strFileName, folder.File("absent.dat"));
    }
    // A folder can be opened but not read.
    EXPECT_THROW(reader.Open(folder.Path().string()), CFileException);
}

TEST(TextItems, SplitsAtBlanksTabsAndForDistancesAtCommasAndFileExtensionsIgnoreDotsInFolders) {
    EXPECT_EQ(SplitItems("  [key]\t value  more "), (std::vector<std::string>{"[key]", "value", "more"}));
    EXPECT_EQ(SplitItems("a,b", kBlankSeparators), std::vector<std::string>{"a,b"});
    EXPECT_EQ(SplitItems(" ,a, b\t,c,,", kDistanceSeparators), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(SplitItems(" \t ").empty());

    EXPECT_EQ(ReplaceFileExtension("/p/x/proj.dat", "cus"), "/p/x/proj.cus");
    EXPECT_EQ(ReplaceFileExtension("/p/x.y/proj", "dist"), "/p/x.y/proj.dist");
    EXPECT_EQ(ReplaceFileExtension("/p/.hidden", "rou"), "/p/.hidden.rou");
}
