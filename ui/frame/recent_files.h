#pragma once

#include <QStringList>

// The recent-file list: at most eight project paths, the most recent first, kept in the
// application's settings (QSettings) so it survives the program.
class CRecentFileList {
public:
    static constexpr int kMaxEntries = 8;

    CRecentFileList();
    // Puts path first (removing an earlier entry of the same file) and stores the list.
    void Add(const QString& path);
    // Drops path (a file that could not be opened) and stores the list.
    void Remove(const QString& path);
    const QStringList& GetEntries() const { return m_entries; }
    // The menu text of entry i: "&1 name" with the file's name.
    QString GetMenuText(int i) const;

private:
    void Store() const;
    QStringList m_entries;
};
