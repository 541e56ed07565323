#include <gtest/gtest.h>

#include <cfloat>

#include "files/distance_data_file.h"
#include "files/text_line_reader.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "tests/support/app_fixture.h"

namespace {

const std::vector<std::string> kLabels = {"c1", "s1", "d1"};

class DistanceDataFileTest : public AppFixture {
protected:
    // Reads text; returns true on success.
    bool Read(const std::string& text) {
        CTextLineReader reader;
        reader.Attach(text, "test.dist");
        ReadDistanceData(reader, kLabels, distances);
        return true;
    }
    std::string RefusalOf(const std::string& text) {
        EXPECT_THROW(Read(text), CUserException);
        std::vector<std::string> messages = Messages();
        return messages.empty() ? std::string() : messages.back();
    }
    std::vector<double> distances;
};

const std::vector<double> kExpected = {0.0, 1.5, 2.0, 3.0, 0.0, 4.25, 5.0, 6.0, 0.0};

} // namespace

TEST_F(DistanceDataFileTest, ReadsTabsBlanksAndCommasAlike) {
    const char* files[] = {
        " \tc1\ts1\td1\nc1\t0.000\t1.500\t2.000\ns1\t3.000\t0.000\t4.250\nd1\t5.000\t6.000\t0.000\n",
        "c1 s1 d1\r\nc1 0 1.5 2\r\ns1 3 0 4.25\r\nd1 5 6 0\r\n",
        "c1,s1,d1\n; a comment\nc1,0,1.5,2\ns1, 3, 0, 4.25\nd1,5,6,0,extra ignored",
    };
    for (const char* text : files) {
        distances.clear();
        ASSERT_TRUE(Read(text)) << text;
        EXPECT_EQ(distances, kExpected) << text;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DistanceDataFileTest, LabelsMustMatchInOrderAndLetterCase) {
    EXPECT_EQ(RefusalOf("C1 s1 d1\n"),
              "Invalid facility label C1 different from specified facility label c1 for facility 1"
              " in document data line\r\nC1 s1 d1");
    EXPECT_EQ(RefusalOf("c1 s1\n"),
              "Invalid empty facility label for facility 3 in document data line\r\nc1 s1");
    EXPECT_EQ(RefusalOf("c1 s1 d1\nc1 0 1 2\nd1 3 0 4\n"),
              "Invalid facility label d1 different from specified facility label s1 for facility 2"
              " in document data line\r\nd1 3 0 4");
    EXPECT_EQ(RefusalOf("c1 s1 d1\nc1 0 1 2\n\n"),
              "Invalid empty facility label for facility 2 in document data line\r\n");
}

TEST_F(DistanceDataFileTest, RefusesMissingNegativeNonNumericAndNonZeroDiagonalDistances) {
    const std::string range = "[0.000000, 1.79769e+308]";
    EXPECT_EQ(RefusalOf("c1 s1 d1\nc1 0 1\n"),
              "Invalid empty distance between facilities c1 and d1 in document data line\r\nc1 0 1");
    EXPECT_EQ(RefusalOf("c1 s1 d1\nc1 0 -1 2\n"),
              "Invalid distance -1 outside range " + range +
                  " between facilities c1 and s1 in document data line\r\nc1 0 -1 2");
    EXPECT_EQ(RefusalOf("c1 s1 d1\nc1 0 x 2\n"),
              "Invalid distance x outside range " + range +
                  " between facilities c1 and s1 in document data line\r\nc1 0 x 2");
    EXPECT_EQ(RefusalOf("c1 s1 d1\nc1 0.5 1 2\n"),
              "Invalid distance 0.5 outside range [0.000000, 0.000000] between facilities c1 and c1"
              " in document data line\r\nc1 0.5 1 2");
}

TEST_F(DistanceDataFileTest, PrematureEndRaisesEndOfFile) {
    for (const char* text : {"", "; only a comment\n", "c1 s1 d1\nc1 0 1 2\ns1 3 0 4\n"}) {
        CTextLineReader reader;
        reader.Attach(text, "short.dist");
        try {
            ReadDistanceData(reader, kLabels, distances);
            ADD_FAILURE() << "no exception for " << text;
        } catch (const CFileException& error) {
            EXPECT_EQ(error.m_cause, CFileException::endOfFile);
            EXPECT_EQ(error.m_strFileName, "short.dist");
        }
    }
}
