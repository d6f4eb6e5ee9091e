// The list of recently used project files: ten places, most recent first.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class TRecentFiles {
  public:
    static constexpr int kCapacity = 10;

    // Puts `fileName` in place 1. A name already in the list moves to the
    // front and the entries before it move down by one; a new name pushes the
    // tenth entry out. Names compare exactly (case-sensitive). Returns
    // whether the list changed.
    bool putOnTop(const QString& fileName);

    // Place `index` (0-based); empty where there is no file.
    [[nodiscard]] const QString& at(int index) const { return m_files.at(index); }
    void setAt(int index, const QString& fileName) { m_files.at(index) = fileName; }
    void clear();
    // The number of non-empty places.
    [[nodiscard]] int count() const;

    // The menu text of place `index`: its number from 1, a blank and the path,
    // shown relative to `currentDir` when the file lies inside it.
    [[nodiscard]] QString menuText(int index, const QString& currentDir) const;

  private:
    std::array<QString, kCapacity> m_files;
};
