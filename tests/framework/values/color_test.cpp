#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/colours/color.h"
#include "framework/colours/shape.h"

namespace {

TEST(Palette, SampleEntriesRoundTripsAndIndicesOutside) {
    EXPECT_EQ(GetPaletteColorName(COLOR_DARK_GRAY), "dark_gray");
    EXPECT_EQ(GetPaletteColorName(COLOR_LIGHT_CRIMSON), "light_crimson");
    EXPECT_EQ(GetColorRGBValue(COLOR_RED), 0x0000FFu); // red is the lowest byte
    EXPECT_EQ(GetColorRGBValue(COLOR_AZURE), MakeRGBValue(0, 127, 255));
    EXPECT_EQ(GetColorRGBValue(COLOR_DARK_GRAY), MakeRGBValue(63, 63, 63));
    EXPECT_EQ(GetColorRGBValue(COLOR_LIGHT_OLIVE), MakeRGBValue(191, 191, 0));
    std::set<std::uint32_t> values;
    for (int index = 0; index < NUMBER_OF_COLORS; ++index) {
        EXPECT_EQ(DecodePaletteColor(GetPaletteColorName(index)), index);
        EXPECT_EQ(DecodeRGBColor(GetColorRGBValue(index)), index);
        values.insert(GetColorRGBValue(index));
    }
    EXPECT_EQ(values.size(), static_cast<size_t>(NUMBER_OF_COLORS));
    for (int outside : {-1, NUMBER_OF_COLORS}) {
        EXPECT_EQ(GetColorRGBValue(outside), 4294967295u);
        EXPECT_EQ(GetPaletteColorName(outside), "");
    }
}

TEST(DecodeColor, PaletteNamesInAnyCaseNineDigitsAsRgbAndAnythingElseInvalid) {
    EXPECT_EQ(DecodePaletteColor("Hunter_Green"), COLOR_HUNTER_GREEN);
    for (const char* text : {"hunter green", "re", "reds", ""}) {
        EXPECT_EQ(DecodePaletteColor(text), -1) << text;
    }
    EXPECT_EQ(DecodeColor("rEd"), 0x04000000u);
    EXPECT_EQ(DecodeColor("silver"), 34u << 24);
    EXPECT_EQ(DecodeColor("black"), 0u);
    EXPECT_EQ(DecodeColor("255000000"), 0x000000FFu);
    EXPECT_EQ(DecodeColor("000000255"), 0x00FF0000u);
    EXPECT_EQ(DecodeColor("001002003"), MakeRGBValue(1, 2, 3));
    for (const char* text : {"25500000", "2550000000", "256000000", "000300000", "000000256", "12a456789",
                             " 25500000", "", "purplish", "-25500000"}) {
        EXPECT_EQ(DecodeColor(text), INVALID_COLOR_VALUE) << text;
    }
    // RGB values match a palette entry within one per channel, the first match winning.
    EXPECT_EQ(DecodeRGBColor(MakeRGBValue(254, 1, 0)), COLOR_RED);
    EXPECT_EQ(DecodeRGBColor(MakeRGBValue(128, 126, 128)), COLOR_GRAY);
    EXPECT_EQ(DecodeRGBColor(MakeRGBValue(62, 64, 63)), COLOR_DARK_GRAY);
    EXPECT_EQ(DecodeRGBColor(MakeRGBValue(253, 0, 0)), -1);
    EXPECT_EQ(DecodeRGBColor(MakeRGBValue(100, 100, 100)), -1);
}

TEST(CPRGB, PaletteAndRgbColoursReportIndexNameAndValue) {
    CPRGB colour;
    EXPECT_EQ(colour.GetColorIndex(), COLOR_BLACK); // word zero
    EXPECT_EQ(colour.GetColorName(), "black");
    ASSERT_TRUE(colour.SetColorIndex(COLOR_ORANGE));
    EXPECT_EQ(colour.GetColorWord(), 20u << 24);
    EXPECT_FALSE(colour.UseRGBColor());
    EXPECT_EQ(colour.GetRGBColor(), MakeRGBValue(255, 127, 0));
    EXPECT_EQ(colour.GetColorName(), "orange");

    ASSERT_TRUE(colour.SetRGBColor(MakeRGBValue(5, 70, 200)));
    EXPECT_TRUE(colour.UseRGBColor());
    EXPECT_EQ(colour.GetColorIndex(), -1);
    EXPECT_EQ(colour.GetRGBColor(), MakeRGBValue(5, 70, 200));
    EXPECT_EQ(colour.GetColorName(), "005070200");
    // Pure red as RGB is not the palette red, although it looks the same.
    colour.SetColor(DecodeColor("255000000"));
    EXPECT_EQ(colour.GetColorIndex(), -1);
    EXPECT_EQ(colour.GetColorName(), "255000000");
}

TEST(CPRGB, InvalidRequestsLeaveTheColourUnchanged) {
    CPRGB colour;
    colour.SetColorIndex(COLOR_TEAL);
    const std::uint32_t before = colour.GetColorWord();
    EXPECT_FALSE(colour.SetColorIndex(NUMBER_OF_COLORS));
    EXPECT_FALSE(colour.SetColorIndex(-1));
    EXPECT_FALSE(colour.SetRGBColor(0x01000000u));
    EXPECT_FALSE(colour.SetColor(INVALID_COLOR_VALUE));
    EXPECT_FALSE(colour.SetColor(35u << 24));       // index past the palette
    EXPECT_FALSE(colour.SetColor((3u << 24) | 1u)); // index and RGB bits mixed
    EXPECT_EQ(colour.GetColorWord(), before);
    EXPECT_TRUE(colour.SetColor(34u << 24));
    EXPECT_EQ(colour.GetColorIndex(), COLOR_SILVER);
    EXPECT_TRUE(colour.SetColor(0x00FFFFFFu));
    EXPECT_EQ(colour.GetColorName(), "255255255");
}

TEST(Shapes, NamesAndDecoding) {
    const char* names[] = {"circle", "square", "triangle", "diamond", "hexagon"};
    for (int shape = 0; shape < NUMBER_OF_SHAPES; ++shape) {
        EXPECT_EQ(GetShapeName(shape), names[shape]);
        EXPECT_EQ(DecodeShape(names[shape]), shape);
    }
    EXPECT_EQ(GetShapeName(-1), "");
    EXPECT_EQ(GetShapeName(NUMBER_OF_SHAPES), "");
    EXPECT_EQ(DecodeShape("HexaGon"), SHAPE_HEXAGON);
    for (const char* text : {"", "circles", "circ"}) {
        EXPECT_EQ(DecodeShape(text), -1) << text;
    }
}

} // namespace
