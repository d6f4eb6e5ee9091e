#pragma once

#include <QDialog>
#include <QImage>

#include "app/graphs/messagesink.h"

class QLabel;
class TDataEdit;

// "Save Attributes": the size of the picture a graph is saved into, in inches and pixels per
// inch, offered as last used by this user, with the resulting size in pixels as the user types.
// OK sizes the caller's image and remembers the values; when the image cannot be allocated the
// dialog ends with OutOfMemory instead.
class TdlgFormat : public QDialog {
    Q_OBJECT

  public:
    enum Result { Cancel = QDialog::Rejected, Ok = QDialog::Accepted, OutOfMemory = 2 };

    explicit TdlgFormat(QImage& bitmap, QWidget* parent = nullptr);

    void setMessageSink(TMessageSink sink) { m_message = std::move(sink); }
    [[nodiscard]] TDataEdit* deHeight() const { return m_height; }
    [[nodiscard]] TDataEdit* deWidth() const { return m_width; }
    [[nodiscard]] TDataEdit* dePPI() const { return m_ppi; }

    // What OK does: checks the fields, sizes the image and ends the dialog. A field that
    // refuses its entry, or replaces it by a limit, keeps the dialog open.
    void confirm();

    // The picture size in pixels for the entered values, each rounded to the nearest pixel.
    [[nodiscard]] static QSize PixelSize(double widthInches, double heightInches, double ppi);

  private:
    void showPixelSize();

    QImage& m_bitmap;
    TDataEdit* m_height;
    TDataEdit* m_width;
    TDataEdit* m_ppi;
    QLabel* m_pixels;
    TMessageSink m_message;
};
