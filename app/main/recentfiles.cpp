#include "app/main/recentfiles.h"

#include <QDir>
#include <algorithm>

bool TRecentFiles::putOnTop(const QString& fileName) {
    if (m_files.front() == fileName) return false;
    auto found = std::find(m_files.begin(), m_files.end(), fileName);
    // A name not in the list takes the last place before it rotates forward,
    // which drops the tenth entry.
    if (found == m_files.end()) found = std::prev(m_files.end());
    *found = fileName;
    std::rotate(m_files.begin(), found, std::next(found));
    return true;
}

void TRecentFiles::clear() { m_files.fill(QString()); }

int TRecentFiles::count() const {
    return static_cast<int>(std::count_if(m_files.begin(), m_files.end(),
                                          [](const QString& f) { return !f.isEmpty(); }));
}

QString TRecentFiles::menuText(int index, const QString& currentDir) const {
    QString path = QDir::toNativeSeparators(m_files.at(index));
    QString prefix = QDir::toNativeSeparators(currentDir);
    if (!prefix.endsWith(QDir::separator())) prefix += QDir::separator();
    if (path.startsWith(prefix)) path.remove(0, prefix.size());
    return QString::number(index + 1) + ' ' + path;
}
