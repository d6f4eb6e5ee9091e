// "Project Title": the one-line project description, at most 80 characters.
#pragma once

#include "app/dialogs/datawindow.h"

class QLineEdit;

class TdlgTitle : public TDataWindow {
    Q_OBJECT

  public:
    static constexpr int kMaxTitleLength = 80;

    explicit TdlgTitle(const TDataContext& context, QWidget* parent = nullptr);
    [[nodiscard]] QLineEdit* titleEdit() const { return m_title; }

  protected:
    void loadOthers() override;
    bool storeOthers() override;

  private:
    QLineEdit* m_title;
};
