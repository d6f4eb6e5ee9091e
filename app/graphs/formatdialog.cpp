#include "app/graphs/formatdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "app/project/settingsstore.h"
#include "app/tables/evaluator.h"
#include "app/tables/tableerror.h"
#include "app/widgets/dataedit.h"

namespace {

constexpr double kMinimumInches = 2;
constexpr double kMinimumPpi = 10;
constexpr double kMaximumPpi = std::numeric_limits<qint32>::max();

// The size last used, per user; the first save offers 6 by 4 inches at 72 pixels per inch.
const char* const kHeightKey = "Save Attributes/Height";
const char* const kWidthKey = "Save Attributes/Width";
const char* const kPpiKey = "Save Attributes/Pixels Per Inch";

}  // namespace

TdlgFormat::TdlgFormat(QImage& bitmap, QWidget* parent)
    : QDialog(parent), m_bitmap(bitmap), m_message(InformationBox(this)) {
    setWindowTitle("Save Attributes");
    auto* fields = new QFormLayout;
    auto addField = [&](const char* name, const QString& caption, const QString& units,
                        double minimum, double maximum, double value) {
        auto* field = new TDataEdit(
            caption, [this](const QString& text) { m_message(text); }, this);
        field->setObjectName(name);
        field->setUnitsString(units);
        field->setLimits(minimum, maximum);
        field->setValue(value);
        // Enter presses OK, which checks every field.
        disconnect(field, &QLineEdit::returnPressed, field, nullptr);
        fields->addRow(field->editLabel(), field);
        return field;
    };
    const double unlimited = std::numeric_limits<double>::max();
    TSettingsGroup store;
    auto remembered = [&](const char* key, double first) {
        bool ok = false;
        const double value = store->value(key, first).toDouble(&ok);
        return ok ? value : first;
    };
    m_height =
        addField("deHeight", "&Height", "in", kMinimumInches, unlimited, remembered(kHeightKey, 4));
    m_width =
        addField("deWidth", "&Width", "in", kMinimumInches, unlimited, remembered(kWidthKey, 6));
    m_ppi = addField("dePPI", "&Pixels Per Inch", "", kMinimumPpi, kMaximumPpi,
                     remembered(kPpiKey, 72));
    m_ppi->setIntegerOnly(true);
    m_pixels = new QLabel(this);
    m_pixels->setObjectName("PixelSize");
    fields->addRow(m_pixels);
    for (TDataEdit* field : {m_height, m_width, m_ppi})
        connect(field, &QLineEdit::textChanged, this, &TdlgFormat::showPixelSize);
    showPixelSize();

    auto* colours = new QGroupBox("Colors", this);
    auto* colourColumn = new QVBoxLayout(colours);
    for (const char* depth : {"Black and White", "16 Colors", "256 Colors", "High Color (16 bit)",
                              "True Color (24 bit)"}) {
        auto* radio = new QRadioButton(depth, colours);
        radio->setChecked(QString(depth) == "16 Colors");
        colourColumn->addWidget(radio);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { confirm(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(colours);
    column->addWidget(buttons);
}

QSize TdlgFormat::PixelSize(double widthInches, double heightInches, double ppi) {
    const double w = std::round(ppi * widthInches);
    const double h = std::round(ppi * heightInches);
    const double limit = std::numeric_limits<int>::max();
    if (w > limit || h > limit) return {};
    return {static_cast<int>(w), static_cast<int>(h)};
}

void TdlgFormat::confirm() {
    for (TDataEdit* field : {m_height, m_width, m_ppi}) {
        if (!field->validate()) {
            field->setFocus();
            return;
        }
    }
    const double ppi = m_ppi->value();
    const QSize size = PixelSize(m_width->value(), m_height->value(), ppi);
    QImage sized = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
    if (sized.isNull()) {
        done(OutOfMemory);
        return;
    }
    sized.setDotsPerMeterX(static_cast<int>(std::lround(ppi / 0.0254)));
    sized.setDotsPerMeterY(static_cast<int>(std::lround(ppi / 0.0254)));
    m_bitmap = std::move(sized);
    TSettingsGroup store;
    store->setValue(kHeightKey, m_height->value());
    store->setValue(kWidthKey, m_width->value());
    store->setValue(kPpiKey, ppi);
    done(Ok);
}

// The picture the typed values give, before they are checked.
void TdlgFormat::showPixelSize() {
    bool ok = true;
    auto typed = [&ok](const TDataEdit* field) {
        try {
            return TEvaluator(field->locale()).evaluate(field->text());
        } catch (const ETableError&) {
            ok = false;
            return 0.0;
        }
    };
    const double ppi = typed(m_ppi);
    const QSize size = PixelSize(typed(m_width), typed(m_height), ppi);
    m_pixels->setText(ok && !size.isEmpty()
                          ? QString("Picture: %1 x %2 pixels").arg(size.width()).arg(size.height())
                          : QString("Picture: -"));
}
