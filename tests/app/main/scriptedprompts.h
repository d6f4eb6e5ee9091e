// Answers the main window's questions from a script and records every
// message it shows.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "app/widgets/userprompts.h"

class TScriptedPrompts : public TUserPrompts {
  public:
    struct TLog {
        QStringList messages;  // information and warning texts, in order
        QStringList warnings;
        QStringList details;
        QStringList questions;
        QStringList dialogTitles;
        QStringList offers;  // the second button of informationOffering
        QStringList openedDocuments;
    };

    explicit TScriptedPrompts(TLog& log) : m_log(log) {}

    std::deque<TAnswer> answers;    // for askYesNoCancel and askYesNo (Yes/No)
    std::deque<QString> fileNames;  // for the file dialogs; empty = cancelled
    std::deque<int> filterIndexes;  // for the open dialog
    std::deque<bool> takeOffers;    // for informationOffering; none = OK

    void information(QWidget*, const QString& text, const QString& detail) override {
        m_log.messages << text;
        m_log.details << detail;
    }
    bool informationOffering(QWidget*, const QString& text, const QString& offer) override {
        m_log.messages << text;
        m_log.offers << offer;
        return next(takeOffers, false);
    }
    void warning(QWidget*, const QString& text) override {
        m_log.messages << text;
        m_log.warnings << text;
    }
    void about(QWidget*, const QString& title, const QString& text) override {
        m_log.dialogTitles << title;
        m_log.messages << text;
    }
    TAnswer askYesNoCancel(QWidget*, const QString& text) override {
        m_log.questions << text;
        return next(answers, TAnswer::Cancel);
    }
    bool askYesNo(QWidget*, const QString& text) override {
        m_log.questions << text;
        return next(answers, TAnswer::No) == TAnswer::Yes;
    }
    QString openFileName(QWidget*, const QString& title, const QString&,
                         int& filterIndex) override {
        m_log.dialogTitles << title;
        filterIndex = next(filterIndexes, 1);
        return next(fileNames, QString());
    }
    QString saveFileName(QWidget*, const QString& title, const QString& proposedName,
                         const QString&, const QString&) override {
        m_log.dialogTitles << title + " | " + proposedName;
        return next(fileNames, QString());
    }

    bool openDocument(const QString& fileName) override {
        m_log.openedDocuments << fileName;
        return true;
    }

  private:
    template <typename T>
    static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }

    TLog& m_log;
};
