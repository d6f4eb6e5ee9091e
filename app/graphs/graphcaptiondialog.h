#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

// "Graph Caption": the graph's title and whether it sits on top or at the bottom. The plot
// window takes both whichever way the dialog was closed.
class TfrmGraphCaption : public QDialog {
    Q_OBJECT

  public:
    TfrmGraphCaption(const QString& title, bool onTop, QWidget* parent = nullptr);

    [[nodiscard]] QString title() const;
    [[nodiscard]] bool onTop() const;
    [[nodiscard]] QLineEdit* edtCaption() const { return m_caption; }

  private:
    QLineEdit* m_caption;
    QRadioButton* m_top;
    QRadioButton* m_bottom;
};
