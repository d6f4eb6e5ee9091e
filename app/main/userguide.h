// Help > Contents: the user guide, compiled into the program, in a browser child window.
#pragma once

#include <QTextBrowser>

class TUserGuide : public QTextBrowser {
    Q_OBJECT

  public:
    static constexpr const char* kSource = "qrc:/help/userguide.html";

    explicit TUserGuide(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override { return {760, 600}; }
};
