#include "ui/frame/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char* const kSettingsKey = "Recent File List/Files";
}

CRecentFileList::CRecentFileList() {
    m_entries = QSettings().value(kSettingsKey).toStringList().mid(0, kMaxEntries);
}

void CRecentFileList::Add(const QString& path) {
    QString absolute = QFileInfo(path).absoluteFilePath();
    m_entries.removeAll(absolute);
    m_entries.prepend(absolute);
    while (m_entries.size() > kMaxEntries) {
        m_entries.removeLast();
    }
    Store();
}

void CRecentFileList::Remove(const QString& path) {
    m_entries.removeAll(QFileInfo(path).absoluteFilePath());
    Store();
}

QString CRecentFileList::GetMenuText(int i) const {
    return QString("&%1 %2").arg(i + 1).arg(QFileInfo(m_entries.value(i)).fileName());
}

void CRecentFileList::Store() const {
    QSettings().setValue(kSettingsKey, m_entries);
}
