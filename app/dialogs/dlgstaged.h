// "Staged Construction Options": switches the staged-construction analysis on
// or off and sets the number of stages (2 to 5; 1 means no stages).
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QToolButton;

class TDlgStaged : public QDialog {
    Q_OBJECT

  public:
    explicit TDlgStaged(int stageCount, QWidget* parent = nullptr);

    // The count the field shows, within 1..5.
    [[nodiscard]] int stageCount() const;
    [[nodiscard]] QCheckBox* stagedBox() const { return m_staged; }
    [[nodiscard]] QLineEdit* countField() const { return m_count; }
    [[nodiscard]] QToolButton* upButton() const { return m_up; }
    [[nodiscard]] QToolButton* downButton() const { return m_down; }

  signals:
    // OK was pressed with this count.
    void stageCountChosen(int stageCount);

  private:
    void showCount(int count);
    void setStaged(bool staged);
    void step(int by);

    QCheckBox* m_staged;
    QLineEdit* m_count;
    QToolButton* m_up;
    QToolButton* m_down;
};
