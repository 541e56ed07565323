// What the value classes do with damaged fields (their layout is checked with the whole project).
#include <gtest/gtest.h>

#include "framework/archive/archive.h"
#include "framework/colours/color.h"
#include "framework/containers/double_matrix.h"
#include "tests/support/archive_bytes.h"

namespace {

CArchiveException::Cause LoadCause(CObject& value, const std::string& bytes) {
    CArchive in(bytes, "values");
    try {
        value.Serialize(in);
    } catch (const CArchiveException& error) {
        return error.m_cause;
    }
    return CArchiveException::none;
}

TEST(ValuesSerializeTest, ImpossibleMatrixDimensionsAreRefusedAndForeignColourWordsBecomeBlack) {
    CDoubleMatrix matrix;
    CArchiveBytes oneSided;
    oneSided.Ints({2, 0, 0});
    EXPECT_EQ(LoadCause(matrix, oneSided.Bytes()), CArchiveException::genericException);
    CArchiveBytes huge;
    huge.Ints({40000, 40000, 0}).Double(1.0);
    EXPECT_EQ(LoadCause(matrix, huge.Bytes()), CArchiveException::endOfFile);
    EXPECT_TRUE(matrix.IsEmpty());

    // A colour word outside the palette becomes black.
    CArchiveBytes outside;
    outside.UInt(static_cast<std::uint32_t>(NUMBER_OF_COLORS) << 24);
    CPRGB color;
    color.SetColorIndex(COLOR_BLUE);
    CArchive in(outside.Bytes(), "colour");
    color.Serialize(in);
    EXPECT_EQ(color.GetColorWord(), 0u);
}

} // namespace
