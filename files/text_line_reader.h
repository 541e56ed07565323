#pragma once

#include <string>

// Reads a text file line by line. The file is read in binary mode; a line ends at "\n" or
// "\r\n" (the end is not part of the line), and a last line without an end still counts.
class CTextLineReader {
public:
    CTextLineReader() = default;

    // Reads the whole file; throws CFileException when it cannot be opened or read, is not a
    // regular file or is larger than any data file (ReadFileBytes).
    void Open(const std::string& path);
    // Reads from text held in memory, reported under the given file name.
    void Attach(std::string text, std::string fileName);

    // The next line, or false at the end of the file.
    bool ReadLine(std::string& line);
    // The next line whose first character is not ";", or false at the end of the file.
    bool ReadNonCommentLine(std::string& line);

    bool AtEnd() const { return m_position >= m_text.size(); }
    const std::string& GetFileName() const { return m_fileName; }
    // The 1-based number of the line read last.
    int GetLineNumber() const { return m_lineNumber; }

private:
    std::string m_text;
    std::string m_fileName;
    std::size_t m_position = 0;
    int m_lineNumber = 0;
};

// True when the line is a comment (its first character is ";").
inline bool IsCommentLine(const std::string& line) {
    return !line.empty() && line[0] == ';';
}
