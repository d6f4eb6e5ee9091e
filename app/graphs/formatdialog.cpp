#include "app/graphs/formatdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "app/tables/evaluator.h"
#include "app/tables/tableerror.h"

namespace {

constexpr double kMinimumInches = 2;
constexpr double kMinimumPpi = 10;
constexpr double kMaximumPpi = std::numeric_limits<qint32>::max();

QString limitText(double limit) { return QLocale().toString(limit, 'g', 15); }

}  // namespace

TdlgFormat::TdlgFormat(QImage& bitmap, QWidget* parent)
    : QDialog(parent), m_bitmap(bitmap), m_message(InformationBox(this)) {
    setWindowTitle("Save Attributes");
    m_height = {nullptr, kMinimumInches, std::numeric_limits<double>::max(), false, 4};
    m_width = {nullptr, kMinimumInches, std::numeric_limits<double>::max(), false, 6};
    m_ppi = {nullptr, kMinimumPpi, kMaximumPpi, true, 72};

    auto* fields = new QFormLayout;
    auto addRow = [&](TField& field, const char* name, const QString& label) {
        field.edit = new QLineEdit(QLocale().toString(field.value, 'g', 15), this);
        field.edit->setObjectName(name);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(field.edit);
        fields->addRow(caption, field.edit);
        connect(field.edit, &QLineEdit::editingFinished, this, [this, &field] { validate(field); });
    };
    addRow(m_height, "deHeight", "&Height (in)");
    addRow(m_width, "deWidth", "&Width (in)");
    addRow(m_ppi, "dePPI", "&Pixels Per Inch");

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

void TdlgFormat::validate(TField& field) {
    double value = 0;
    try {
        value = TEvaluator().evaluate(field.edit->text());
    } catch (const ETableError& e) {
        field.edit->setText(QLocale().toString(field.value, 'g', 15));
        m_message(field.integerOnly ? QStringLiteral("Entry must be a valid integer.")
                                    : e.message());
        return;
    }
    if (field.integerOnly && value != std::round(value)) {
        field.edit->setText(QLocale().toString(field.value, 'g', 15));
        m_message("Entry must be an integer.");
        return;
    }
    QString message;
    if (value < field.minimum) {
        value = field.minimum;
        message = "Entry must be greater than or equal to " + limitText(field.minimum);
    } else if (value > field.maximum) {
        value = field.maximum;
        message = "Entry must be less than or equal to " + limitText(field.maximum);
    }
    field.value = value;
    field.edit->setText(QLocale().toString(value, 'g', 15));
    if (!message.isEmpty()) m_message(message);
}

QSize TdlgFormat::PixelSize(double widthInches, double heightInches, double ppi) {
    const double w = std::round(ppi * widthInches);
    const double h = std::round(ppi * heightInches);
    const double limit = std::numeric_limits<int>::max();
    if (w > limit || h > limit) return {};
    return {static_cast<int>(w), static_cast<int>(h)};
}

void TdlgFormat::confirm() {
    for (TField* field : {&m_height, &m_width, &m_ppi}) validate(*field);
    const QSize size = PixelSize(m_width.value, m_height.value, m_ppi.value);
    QImage sized = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
    if (sized.isNull()) {
        done(OutOfMemory);
        return;
    }
    sized.setDotsPerMeterX(static_cast<int>(std::lround(m_ppi.value / 0.0254)));
    sized.setDotsPerMeterY(static_cast<int>(std::lround(m_ppi.value / 0.0254)));
    m_bitmap = std::move(sized);
    done(Ok);
}
