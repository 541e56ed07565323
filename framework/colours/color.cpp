#include "framework/colours/color.h"

#include <cctype>
#include <cstdlib>

#include "framework/strings/format.h"

namespace {

struct SPaletteEntry {
    const char* name;
    int red;
    int green;
    int blue;
};

constexpr SPaletteEntry kPalette[NUMBER_OF_COLORS] = {
    {"black", 0, 0, 0},
    {"blue", 0, 0, 255},
    {"green", 0, 255, 0},
    {"cyan", 0, 255, 255},
    {"red", 255, 0, 0},
    {"magenta", 255, 0, 255},
    {"yellow", 255, 255, 0},
    {"white", 255, 255, 255},
    {"dark_gray", 63, 63, 63},
    {"navy", 0, 0, 127},
    {"hunter_green", 0, 127, 0},
    {"teal", 0, 127, 127},
    {"maroon", 127, 0, 0},
    {"purple", 127, 0, 127},
    {"olive", 127, 127, 0},
    {"gray", 127, 127, 127},
    {"azure", 0, 127, 255},
    {"spring_green", 0, 255, 127},
    {"violet", 127, 0, 255},
    {"chartreuse", 127, 255, 0},
    {"orange", 255, 127, 0},
    {"rose", 255, 127, 127},
    {"light_violet", 127, 127, 255},
    {"light_green", 127, 255, 127},
    {"light_cyan", 127, 255, 255},
    {"light_crimson", 255, 0, 127},
    {"light_magenta", 255, 127, 255},
    {"light_yellow", 255, 255, 127},
    {"royal_blue", 0, 0, 191},
    {"dark_green", 0, 191, 0},
    {"dark_cyan", 0, 191, 191},
    {"brown", 191, 0, 0},
    {"light_purple", 191, 0, 191},
    {"light_olive", 191, 191, 0},
    {"silver", 191, 191, 191},
};

constexpr std::uint32_t kLowMask = 0x00FFFFFFu;

bool EqualsIgnoringCase(const std::string& text, const char* name) {
    size_t i = 0;
    for (; i < text.size() && name[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != static_cast<unsigned char>(name[i])) {
            return false;
        }
    }
    return i == text.size() && name[i] == '\0';
}

bool IsPaletteWord(std::uint32_t word) {
    return (word & kLowMask) == 0 && (word >> 24) < static_cast<std::uint32_t>(NUMBER_OF_COLORS);
}

} // namespace

std::uint32_t GetColorRGBValue(int index) {
    if (index < 0 || index >= NUMBER_OF_COLORS) {
        return INVALID_COLOR_VALUE;
    }
    const SPaletteEntry& entry = kPalette[index];
    return MakeRGBValue(entry.red, entry.green, entry.blue);
}

std::string GetPaletteColorName(int index) {
    if (index < 0 || index >= NUMBER_OF_COLORS) {
        return std::string();
    }
    return kPalette[index].name;
}

int DecodePaletteColor(const std::string& text) {
    for (int index = 0; index < NUMBER_OF_COLORS; ++index) {
        if (EqualsIgnoringCase(text, kPalette[index].name)) {
            return index;
        }
    }
    return -1;
}

std::uint32_t DecodeColor(const std::string& text) {
    int index = DecodePaletteColor(text);
    if (index >= 0) {
        return static_cast<std::uint32_t>(index) << 24;
    }
    if (text.size() != 9) {
        return INVALID_COLOR_VALUE;
    }
    int groups[3] = {0, 0, 0};
    for (size_t i = 0; i < 9; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isdigit(c)) {
            return INVALID_COLOR_VALUE;
        }
        groups[i / 3] = groups[i / 3] * 10 + (c - '0');
    }
    for (int group : groups) {
        if (group > 255) {
            return INVALID_COLOR_VALUE;
        }
    }
    return MakeRGBValue(groups[0], groups[1], groups[2]);
}

int DecodeRGBColor(std::uint32_t rgb) {
    int red = GetRedValue(rgb);
    int green = GetGreenValue(rgb);
    int blue = GetBlueValue(rgb);
    for (int index = 0; index < NUMBER_OF_COLORS; ++index) {
        const SPaletteEntry& entry = kPalette[index];
        if (std::abs(entry.red - red) <= 1 && std::abs(entry.green - green) <= 1 &&
            std::abs(entry.blue - blue) <= 1) {
            return index;
        }
    }
    return -1;
}

// ---- CPRGB ----

std::string CPRGB::GetColorName() const {
    int index = GetColorIndex();
    if (index >= 0) {
        return GetPaletteColorName(index);
    }
    std::uint32_t rgb = GetRGBColor();
    return FormatString("%03d%03d%03d", GetRedValue(rgb), GetGreenValue(rgb), GetBlueValue(rgb));
}

bool CPRGB::SetColor(std::uint32_t word) {
    if ((word >> 24) == 0 || IsPaletteWord(word)) {
        m_color = word;
        return true;
    }
    return false;
}

bool CPRGB::SetColorIndex(int index) {
    if (index < 0 || index >= NUMBER_OF_COLORS) {
        return false;
    }
    m_color = static_cast<std::uint32_t>(index) << 24;
    return true;
}

bool CPRGB::SetRGBColor(std::uint32_t rgb) {
    if (rgb > kLowMask) {
        return false;
    }
    m_color = rgb;
    return true;
}

int CPRGB::GetColorIndex() const {
    if (IsPaletteWord(m_color)) {
        return static_cast<int>(m_color >> 24);
    }
    return -1;
}

std::uint32_t CPRGB::GetRGBColor() const {
    int index = GetColorIndex();
    if (index >= 0) {
        return GetColorRGBValue(index);
    }
    return m_color & kLowMask;
}

bool CPRGB::UseRGBColor() const {
    return GetColorIndex() < 0;
}
