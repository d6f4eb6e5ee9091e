// "Wall Properties": the number of increments, their length, the free height
// of the wall and the iteration limits; the button opens the wall stiffness
// table. Below them the resulting wall length and embedment, as the user types.
#pragma once

#include "app/dialogs/datawindow.h"

class QLabel;
class QPushButton;

class TDlgProp : public TDataWindow {
    Q_OBJECT

  public:
    static constexpr int kMaxIncrements = 300;

    explicit TDlgProp(const TDataContext& context, QWidget* parent = nullptr);

    [[nodiscard]] TDataEdit* increments() const { return m_increments; }
    [[nodiscard]] TDataEdit* incrementLength() const { return m_incrementLength; }
    [[nodiscard]] TDataEdit* freeHeight() const { return m_freeHeight; }
    [[nodiscard]] TDataEdit* maxDeflection() const { return m_maxDeflection; }
    [[nodiscard]] TDataEdit* tolerance() const { return m_tolerance; }
    [[nodiscard]] QPushButton* sectionButton() const { return m_section; }
    [[nodiscard]] QLabel* wallGeometry() const { return m_geometry; }

  private:
    void showWallGeometry();

    TDataEdit* m_increments;
    TDataEdit* m_incrementLength;
    TDataEdit* m_freeHeight;
    TDataEdit* m_maxDeflection;
    TDataEdit* m_tolerance;
    QPushButton* m_section;
    QLabel* m_geometry;  // wall length and embedment, derived, not stored
};
