// An input window that explains one data table with a sketch and opens it
// with a button, optionally behind the check box of the table's option
// switch: "Additional Surcharge", "Tieback (Ground Anchor)", "Concentrated
// Loads" and "Lateral & Rotational Springs".
#pragma once

#include <QString>

#include "app/dialogs/datawindow.h"

class QCheckBox;
class QPushButton;

// Which option switch of the project a check box edits.
enum class TOptionSwitch { None, ConcentratedLoads, LateralSprings };

struct TTableButtonSetup {
    QString caption;       // window caption
    QString sketch;        // sketch name
    QString buttonText;    // "&Edit Surcharge Loads"
    QString tableName;     // the table the button opens
    QString checkBoxText;  // empty: no check box
    TOptionSwitch option = TOptionSwitch::None;
};

class TTableButtonWindow : public TDataWindow {
    Q_OBJECT

  public:
    TTableButtonWindow(const TDataContext& context, TTableButtonSetup setup,
                       QWidget* parent = nullptr);

    [[nodiscard]] QCheckBox* checkBox() const { return m_check; }
    [[nodiscard]] QPushButton* tableButton() const { return m_button; }

  protected:
    void loadOthers() override;
    bool storeOthers() override;

  private:
    [[nodiscard]] bool* optionSwitch() const;
    void checkClicked(bool on);

    TTableButtonSetup m_setup;
    QCheckBox* m_check = nullptr;
    QPushButton* m_button;
};
