#pragma once

#include <QDialog>
#include <QImage>

#include "app/graphs/messagesink.h"

class QLineEdit;
class QRadioButton;

// "Save Attributes": the size of the picture a graph is saved into, in inches and pixels per
// inch. OK sizes the caller's image; when it cannot be allocated the dialog ends with
// OutOfMemory instead.
class TdlgFormat : public QDialog {
    Q_OBJECT

  public:
    enum Result { Cancel = QDialog::Rejected, Ok = QDialog::Accepted, OutOfMemory = 2 };

    explicit TdlgFormat(QImage& bitmap, QWidget* parent = nullptr);

    void setMessageSink(TMessageSink sink) { m_message = std::move(sink); }
    [[nodiscard]] QLineEdit* deHeight() const { return m_height.edit; }
    [[nodiscard]] QLineEdit* deWidth() const { return m_width.edit; }
    [[nodiscard]] QLineEdit* dePPI() const { return m_ppi.edit; }

    // What OK does: checks the fields, sizes the image and ends the dialog.
    void confirm();

    // The picture size in pixels for the entered values, each rounded to the nearest pixel.
    [[nodiscard]] static QSize PixelSize(double widthInches, double heightInches, double ppi);

  private:
    // A numeric field: its edit, limits and the last value it accepted.
    struct TField {
        QLineEdit* edit = nullptr;
        double minimum = 0;
        double maximum = 0;
        bool integerOnly = false;
        double value = 0;
    };
    // Evaluates a field's text and applies its limits, telling the user what was changed.
    void validate(TField& field);

    QImage& m_bitmap;
    TField m_height, m_width, m_ppi;
    TMessageSink m_message;
};
