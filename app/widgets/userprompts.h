// Every question and message the main window puts to the user goes through
// this seam, so that widget tests can answer them.
#pragma once

#include <QString>

class QWidget;

class TUserPrompts {
  public:
    enum class TAnswer { Yes, No, Cancel };

    virtual ~TUserPrompts() = default;

    // An information box with an OK button; `detail` is shown on demand.
    virtual void information(QWidget* parent, const QString& text, const QString& detail = {}) = 0;
    // An information box with an OK button and a second button `offer`; true when the user
    // chose the offer.
    [[nodiscard]] virtual bool informationOffering(QWidget* parent, const QString& text,
                                                   const QString& offer) = 0;
    // A warning box with an OK button.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // The about box: rich `text` under `title`.
    virtual void about(QWidget* parent, const QString& title, const QString& text) = 0;
    [[nodiscard]] virtual TAnswer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    [[nodiscard]] virtual bool askYesNo(QWidget* parent, const QString& text) = 0;

    // An open dialog for an existing file; `filters` are separated by ";;".
    // Returns the chosen file, empty when cancelled; `filterIndex` receives
    // the 1-based position of the chosen filter.
    [[nodiscard]] virtual QString openFileName(QWidget* parent, const QString& title,
                                               const QString& filters, int& filterIndex) = 0;
    // A save dialog that proposes `proposedName`, asks before overwriting,
    // and appends `defaultSuffix` to a name typed without extension.
    [[nodiscard]] virtual QString saveFileName(QWidget* parent, const QString& title,
                                               const QString& proposedName, const QString& filters,
                                               const QString& defaultSuffix) = 0;
    // Shows a written document in the desktop's program for its kind; false when none started.
    [[nodiscard]] virtual bool openDocument(const QString& fileName) = 0;
};

// The prompts of a running program: message boxes and file dialogs.
class TDialogPrompts : public TUserPrompts {
  public:
    void information(QWidget* parent, const QString& text, const QString& detail = {}) override;
    bool informationOffering(QWidget* parent, const QString& text, const QString& offer) override;
    void warning(QWidget* parent, const QString& text) override;
    void about(QWidget* parent, const QString& title, const QString& text) override;
    TAnswer askYesNoCancel(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filters,
                         int& filterIndex) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& proposedName,
                         const QString& filters, const QString& defaultSuffix) override;
    bool openDocument(const QString& fileName) override;
};
