#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class TDlgBlock;

// The "Deformed Shape" dialog of the 3D view: whether the wall is drawn deformed, whether the
// straight wall is outlined with it, and the factor that magnifies the deflections.
class TDlgDeformedShape : public QDialog {
    Q_OBJECT

  public:
    explicit TDlgDeformedShape(TDlgBlock& view);

    [[nodiscard]] QCheckBox& showDeformed() const { return *m_showDeformed; }
    [[nodiscard]] QCheckBox& showUndeformed() const { return *m_showUndeformed; }
    [[nodiscard]] QLineEdit& EditDefFactor() const { return *m_factor; }
    void stepFactor(bool up);  // the up-down button
    // "Fit": the factor that shows the largest deflection as about a tenth of the wall length.
    void fitFactor();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refresh();
    void enableFactor();
    void factorEdited(const QString& text);
    void setFactor(double factor);

    TDlgBlock& m_view;
    QCheckBox* m_showDeformed;
    QCheckBox* m_showUndeformed;
    QLineEdit* m_factor;
    QToolButton* m_up;
    QToolButton* m_down;
    QPushButton* m_fit;
};
