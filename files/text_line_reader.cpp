#include "files/text_line_reader.h"

#include "framework/archive/safe_file.h"

void CTextLineReader::Open(const std::string& path) {
    Attach(ReadFileBytes(path), path);
}

void CTextLineReader::Attach(std::string text, std::string fileName) {
    m_text = std::move(text);
    m_fileName = std::move(fileName);
    m_position = 0;
    m_lineNumber = 0;
}

bool CTextLineReader::ReadLine(std::string& line) {
    if (AtEnd()) {
        line.clear();
        return false;
    }
    std::size_t end = m_text.find('\n', m_position);
    std::size_t next = end == std::string::npos ? m_text.size() : end + 1;
    if (end == std::string::npos) {
        end = m_text.size();
    }
    if (end > m_position && m_text[end - 1] == '\r') {
        --end;
    }
    line.assign(m_text, m_position, end - m_position);
    m_position = next;
    ++m_lineNumber;
    return true;
}

bool CTextLineReader::ReadNonCommentLine(std::string& line) {
    while (ReadLine(line)) {
        if (!IsCommentLine(line)) {
            return true;
        }
    }
    return false;
}
