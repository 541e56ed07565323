#include "optimisation/gsp_labels.h"

#include <cinttypes>

#include "framework/strings/format.h"

std::string COctalWord::FormatOctal() const {
    return FormatString("%" PRIo64 "%" PRIo64, m_word[0], m_word[1]);
}

std::string CGSPLabel::FormatLine(const std::string& predecessorLabel) const {
    return FormatString("%10.2f\t%s\t%5d\t%c\n", static_cast<double>(m_fDistance), predecessorLabel.c_str(),
                        m_lPredecessorLoad, m_lPermanent != 0 ? 'P' : 'T');
}

std::string CGSPExLabel::FormatLine(const std::string& predecessorLabel) const {
    return FormatString("%10.2f\t%s\t%5d\t%c\t%s\t%s\n", static_cast<double>(m_fDistance),
                        predecessorLabel.c_str(), m_lPredecessorLoad, m_lPermanent != 0 ? 'P' : 'T',
                        m_customersVisited.FormatOctal().c_str(), m_suppliersVisited.FormatOctal().c_str());
}
