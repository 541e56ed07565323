#pragma once

#include <cstdint>
#include <cstring>
#include <string>

// Archive bytes written by hand, field by field, to check what the archive writes and to make
// files of old data versions.
class CArchiveBytes {
public:
    CArchiveBytes& Byte(std::uint8_t value) {
        m_bytes.push_back(static_cast<char>(value));
        return *this;
    }
    CArchiveBytes& Word(std::uint16_t value) { return Little(value, 2); }
    CArchiveBytes& UInt(std::uint32_t value) { return Little(value, 4); }
    CArchiveBytes& Int(std::int32_t value) { return Little(static_cast<std::uint32_t>(value), 4); }
    CArchiveBytes& QWord(std::uint64_t value) { return Little(value, 8); }
    CArchiveBytes& Double(double value) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof(bits));
        return QWord(bits);
    }
    CArchiveBytes& Ints(std::initializer_list<std::int32_t> values) {
        for (std::int32_t value : values) {
            Int(value);
        }
        return *this;
    }
    // A string shorter than 255 characters: its length byte and the characters.
    CArchiveBytes& Str(const std::string& text) {
        Byte(static_cast<std::uint8_t>(text.size()));
        m_bytes += text;
        return *this;
    }
    CArchiveBytes& Raw(const std::string& bytes) {
        m_bytes += bytes;
        return *this;
    }
    // A class record: the new-class tag, the schema, the name's length and the name.
    CArchiveBytes& NewClass(std::uint16_t schema, const std::string& name) {
        Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size()));
        m_bytes += name;
        return *this;
    }
    CArchiveBytes& ClassRef(std::uint16_t index) { return Word(static_cast<std::uint16_t>(0x8000 | index)); }
    CArchiveBytes& ObjectRef(std::uint16_t index) { return Word(index); }
    CArchiveBytes& Null() { return Word(0); }
    // A small collection count.
    CArchiveBytes& Count(std::uint16_t count) { return Word(count); }
    CArchiveBytes& LongParameter(int value, int lower, int upper, int defaultValue,
                                 const std::string& caption, std::uint32_t help = 0) {
        return Ints({value, lower, upper, defaultValue}).Str(caption).UInt(help);
    }
    CArchiveBytes& DoubleParameter(double value, double lower, double upper, double defaultValue,
                                   const std::string& caption, std::uint32_t help = 0) {
        return Double(value).Double(lower).Double(upper).Double(defaultValue).Str(caption).UInt(help);
    }

    const std::string& Bytes() const { return m_bytes; }

private:
    CArchiveBytes& Little(std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) {
            m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
        return *this;
    }

    std::string m_bytes;
};
