#include "app/main/reportviewer.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

TReportViewer::TReportViewer(QWidget* parent)
    : QWidget(parent),
      m_page(new QPlainTextEdit(this)),
      m_find(new QLineEdit(this)),
      m_status(new QLabel(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_page->setReadOnly(true);
    m_page->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report is laid out in columns: a fixed pitch keeps them aligned.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    m_page->setFont(fixed);
    m_page->setUndoRedoEnabled(false);
    m_find->setPlaceholderText(QStringLiteral("Find"));
    m_find->setClearButtonEnabled(true);

    auto* findNext = new QPushButton(QStringLiteral("Find &Next"), this);
    auto* firstProblem = new QPushButton(QStringLiteral("First &Error or Warning"), this);
    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    auto* print = new QPushButton(QStringLiteral("&Print..."), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_find, 1);
    for (QPushButton* button : {findNext, firstProblem, copy, print}) {
        button->setAutoDefault(false);
        bar->addWidget(button);
    }
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(m_page, 1);
    column->addWidget(m_status);

    connect(m_find, &QLineEdit::returnPressed, this, &TReportViewer::findNext);
    connect(findNext, &QPushButton::clicked, this, &TReportViewer::findNext);
    connect(firstProblem, &QPushButton::clicked, this, &TReportViewer::goToFirstProblem);
    connect(copy, &QPushButton::clicked, this, [this] {
        if (!m_page->textCursor().hasSelection()) m_page->selectAll();
        m_page->copy();
    });
    connect(print, &QPushButton::clicked, this, &TReportViewer::print);
}

bool TReportViewer::open(const QString& fileName, QString& error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    // The engine writes 8-bit text; CR LF project files show without the CR.
    QString text = QString::fromLatin1(file.readAll());
    text.remove(u'\r');
    m_fileName = fileName;
    setWindowTitle(fileName);
    m_page->setPlainText(text);
    showStatus(QStringLiteral("%1 lines").arg(m_page->blockCount()));
    return true;
}

QSize TReportViewer::sizeHint() const {
    constexpr int kColumns = 100, kLines = 36;
    const QFontMetrics metrics(m_page->font());
    return {metrics.horizontalAdvance(QString(kColumns, u'0')) + 40,
            metrics.lineSpacing() * kLines + 80};
}

// Section rules are lines of asterisks too; a warning has words after its asterisks.
bool TReportViewer::isProblemLine(QStringView line) {
    const QStringView text = line.trimmed();
    const bool flagged =
        text.startsWith(u"*****") &&
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return flagged || text.startsWith(u"ERROR") || text.contains(u"WARNING") ||
           text.startsWith(u"TOO MUCH DATA");
}

bool TReportViewer::findNext() {
    const QString wanted = m_find->text();
    if (wanted.isEmpty()) return false;
    auto found = [this](const QString& note) {
        showStatus(
            QStringLiteral("Line %1%2").arg(m_page->textCursor().blockNumber() + 1).arg(note));
        return true;
    };
    if (m_page->find(wanted)) return found({});
    m_page->setTextCursor(QTextCursor(m_page->document()));
    if (m_page->find(wanted)) return found(QStringLiteral(", searched on from the top"));
    showStatus(QStringLiteral("\"%1\" was not found.").arg(wanted));
    return false;
}

bool TReportViewer::goToFirstProblem() {
    for (QTextBlock line = m_page->document()->begin(); line.isValid(); line = line.next()) {
        if (!isProblemLine(line.text())) continue;
        QTextCursor cursor(line);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        m_page->setTextCursor(cursor);
        m_page->centerCursor();
        showStatus(QStringLiteral("Line %1").arg(line.blockNumber() + 1));
        return true;
    }
    showStatus(QStringLiteral("No error or warning lines."));
    return false;
}

void TReportViewer::print() {
    QPrinter printer;
    printer.setDocName(m_fileName);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) m_page->print(&printer);
}

void TReportViewer::showStatus(const QString& text) { m_status->setText(text); }
