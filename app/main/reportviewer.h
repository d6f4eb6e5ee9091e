// The built-in viewer of the engine's text files (report, run notes) and the project file: a
// read-only page in a fixed-pitch font with find, a jump to the first error or warning line,
// copy and print. It opens when no external text editor is set.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

class TReportViewer : public QWidget {
    Q_OBJECT

  public:
    explicit TReportViewer(QWidget* parent = nullptr);

    // Shows the file; false with the reason in `error` when it cannot be read.
    [[nodiscard]] bool open(const QString& fileName, QString& error);
    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    [[nodiscard]] QPlainTextEdit& page() const { return *m_page; }
    [[nodiscard]] QLineEdit& findField() const { return *m_find; }

    // Selects the next line holding the find text, from the cursor on, wrapping once to the
    // top; false when the text is nowhere.
    bool findNext();
    // Puts the cursor on the first error or warning line; false when the file has none.
    bool goToFirstProblem();
    void print();

    // Wide enough for the report's lines, tall enough to read a results table.
    [[nodiscard]] QSize sizeHint() const override;

    // An engine line that reports an error or a warning.
    [[nodiscard]] static bool isProblemLine(QStringView line);

  private:
    void showStatus(const QString& text);

    QString m_fileName;
    QPlainTextEdit* m_page;
    QLineEdit* m_find;
    QLabel* m_status;
};
