// "Control Options": the text editor the main window opens the input, the
// report and the run notes with.
#pragma once

#include "app/dialogs/datawindow.h"

class QLineEdit;
class QPushButton;

class TDlgOptions : public TDataWindow {
    Q_OBJECT

  public:
    explicit TDlgOptions(const TDataContext& context, QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* editorEdit() const { return m_editor; }
    [[nodiscard]] QPushButton* browseButton() const { return m_browse; }
    void browse();

  protected:
    void loadOthers() override;
    bool storeOthers() override;

  private:
    QLineEdit* m_editor;
    QPushButton* m_browse;
};
