#pragma once

#include <cstdint>
#include <string>

#include "framework/export.h"

// The palette of named colours. The value is the palette index.
enum COLOR {
    COLOR_BLACK = 0,
    COLOR_BLUE,
    COLOR_GREEN,
    COLOR_CYAN,
    COLOR_RED,
    COLOR_MAGENTA,
    COLOR_YELLOW,
    COLOR_WHITE,
    COLOR_DARK_GRAY,
    COLOR_NAVY,
    COLOR_HUNTER_GREEN,
    COLOR_TEAL,
    COLOR_MAROON,
    COLOR_PURPLE,
    COLOR_OLIVE,
    COLOR_GRAY,
    COLOR_AZURE,
    COLOR_SPRING_GREEN,
    COLOR_VIOLET,
    COLOR_CHARTREUSE,
    COLOR_ORANGE,
    COLOR_ROSE,
    COLOR_LIGHT_VIOLET,
    COLOR_LIGHT_GREEN,
    COLOR_LIGHT_CYAN,
    COLOR_LIGHT_CRIMSON,
    COLOR_LIGHT_MAGENTA,
    COLOR_LIGHT_YELLOW,
    COLOR_ROYAL_BLUE,
    COLOR_DARK_GREEN,
    COLOR_DARK_CYAN,
    COLOR_BROWN,
    COLOR_LIGHT_PURPLE,
    COLOR_LIGHT_OLIVE,
    COLOR_SILVER,
};

// Number of palette entries.
constexpr int NUMBER_OF_COLORS = 35;

// The word that stands for "no valid colour" (all bits set).
constexpr std::uint32_t INVALID_COLOR_VALUE = 0xFFFFFFFFu;

// An RGB value packs red in the lowest byte, then green, then blue; the top byte is zero.
constexpr std::uint32_t MakeRGBValue(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) | (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}
constexpr int GetRedValue(std::uint32_t rgb) {
    return static_cast<int>(rgb & 0xFF);
}
constexpr int GetGreenValue(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 8) & 0xFF);
}
constexpr int GetBlueValue(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 16) & 0xFF);
}

// The RGB value of palette entry index, or INVALID_COLOR_VALUE outside the palette.
SABLEKIT_API std::uint32_t GetColorRGBValue(int index);
// The name of palette entry index ("black", "dark_gray", ...), empty outside the palette.
SABLEKIT_API std::string GetPaletteColorName(int index);
// The palette index of a colour name in any letter case, or -1.
SABLEKIT_API int DecodePaletteColor(const std::string& text);
// A colour word from text: a palette name gives the index in the top byte; exactly nine
// digits (red, green, blue, three each, every group 0..255) give an RGB value; anything else
// gives INVALID_COLOR_VALUE.
SABLEKIT_API std::uint32_t DecodeColor(const std::string& text);
// The first palette entry whose red, green and blue each lie within 1 of the value, or -1.
SABLEKIT_API int DecodeRGBColor(std::uint32_t rgb);

// A colour word: either an RGB value (top byte zero) or a palette index in the top byte with
// the low 24 bits zero. The word 0 is palette black.
class CArchive;

class SABLEKIT_API CPRGB {
public:
    CPRGB() = default;
    explicit CPRGB(std::uint32_t word) : m_color(word) {}

    // The palette name, or the RGB value printed "%03d%03d%03d" as red, green, blue.
    std::string GetColorName() const;

    // Accepts an RGB value or a palette word with an index below the palette size; any other
    // word is ignored (false returned).
    bool SetColor(std::uint32_t word);
    // Makes the colour palette entry index; an index outside the palette is ignored.
    bool SetColorIndex(int index);
    // Makes the colour the RGB value; a value of 2^24 or more is ignored.
    bool SetRGBColor(std::uint32_t rgb);

    // The palette index, or -1 for an RGB colour.
    int GetColorIndex() const;
    // The RGB value: the word itself for an RGB colour, the palette entry's value otherwise.
    std::uint32_t GetRGBColor() const;
    // True when the word holds an RGB value rather than a palette index.
    bool UseRGBColor() const;

    // The raw word, as the archive stores it.
    std::uint32_t GetColorWord() const { return m_color; }
    void SetColorWord(std::uint32_t word) { m_color = word; }
    // ---- binary archive: the word (one uint) ----
    void Serialize(CArchive& archive);

    bool operator==(const CPRGB& other) const = default;

private:
    std::uint32_t m_color = 0;
};
