#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QListWidgetItem;
class QPushButton;

inline const QString kActiveMarker = QStringLiteral(" yes : ");
inline const QString kInactiveMarker = QStringLiteral(" no  : ");

// "Active Curves": chooses which curves a plot window lists and draws. Every entry reads the
// curve's marker (" yes : " or " no  : "), three blanks and its name.
class TfrmActiveLines : public QDialog {
    Q_OBJECT

  public:
    TfrmActiveLines(const QStringList& names, const QStringList& markers,
                    QWidget* parent = nullptr);

    // The markers as the list holds them now, in curve order.
    [[nodiscard]] QStringList markers() const;

    [[nodiscard]] QListWidget* lbLines() const { return m_lines; }
    void toggleSelected();
    void setAll(bool active);

    // " yes : " becomes " no  : ", anything else " yes : ".
    [[nodiscard]] static QString Toggled(const QString& marker);

  private:
    void toggle(QListWidgetItem* item);

    QStringList m_names;
    QStringList m_markers;
    QListWidget* m_lines;
};
