#pragma once

#include <QDialog>
#include <QStringList>

#include "app/graphs/messagesink.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Legend": renames the curves of a graph. The list holds every curve's display name; the edit
// below it changes the selected one.
class TfrmLineNames : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmLineNames(const QStringList& names, QWidget* parent = nullptr);

    // The names as the list holds them now, in curve order.
    [[nodiscard]] QStringList names() const;
    void setMessageSink(TMessageSink sink) { m_message = std::move(sink); }

    [[nodiscard]] QListWidget* lbLines() const { return m_lines; }
    [[nodiscard]] QLineEdit* edLine() const { return m_edit; }
    // Takes the edit's text for the selected entry; an empty text is refused.
    void commitEdit();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showEntry(int row);
    void layOut();

    QLabel* m_selectLabel;
    QListWidget* m_lines;
    QLabel* m_typeLabel;
    QLineEdit* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    TMessageSink m_message;
};
