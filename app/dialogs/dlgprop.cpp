#include "app/dialogs/dlgprop.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "app/dialogs/displayunits.h"
#include "app/forms/tablewindows.h"
#include "app/project/programdata.h"
#include "app/tables/evaluator.h"
#include "app/tables/numberformat.h"
#include "app/tables/projecttables.h"
#include "app/tables/tableerror.h"
#include "app/widgets/dataedit.h"

namespace {

constexpr int kShownDigits = 5;

// The value a field's text stands for now, while the user types; empty when it does not
// evaluate yet.
std::optional<double> typedValue(const TDataEdit& field) {
    try {
        return TEvaluator(field.locale()).evaluate(field.text());
    } catch (const ETableError&) {
        return std::nullopt;
    }
}

}  // namespace

TDlgProp::TDlgProp(const TDataContext& context, QWidget* parent) : TDataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Wall Properties"));
    const auto w = [this]() -> TWallProperties& { return project().wall; };
    m_increments = addField(
        QStringLiteral("&Increments (nodes)"), {}, [w] { return double(w().increments); },
        [w](double v) { w().increments = static_cast<qint32>(v); });
    m_increments->setIntegerOnly(true);
    m_increments->setLimits(1, kMaxIncrements);
    m_incrementLength = addField(
        QStringLiteral("Increment Length"), QStringLiteral("L"),
        [w] { return w().incrementLength; }, [w](double v) { w().incrementLength = v; });
    m_freeHeight = addField(
        QStringLiteral("Free Height of Wall"), QStringLiteral("L2"),
        [this, w] { return shownDepth(project(), w().freeHeight); },
        [this, w](double v) { w().freeHeight = storedDepth(project(), v); });
    m_maxDeflection = addField(
        QStringLiteral("Maximum Allowable Deflection for computation iteration"),
        QStringLiteral("L"), [w] { return w().maxDeflection; },
        [w](double v) { w().maxDeflection = v; });
    m_tolerance = addField(
        QStringLiteral("Deflection Closure Tolerance"), QStringLiteral("L"),
        [w] { return w().closureTolerance; }, [w](double v) { w().closureTolerance = v; });

    m_section = new QPushButton(QStringLiteral("Enter Section Data"), this);
    connect(m_section, &QPushButton::clicked, this, [this] {
        if (storeValues()) tables().show(project().tables().table(u"PileSect"));
    });

    auto* grid = new QGridLayout(this);
    grid->setSpacing(margin());
    addFieldRow(*grid, *m_increments, 0);
    grid->addWidget(new QLabel(QStringLiteral("Wall Stiffness (EI)"), this), 1, 0);
    grid->addWidget(m_section, 1, 1);
    addFieldRow(*grid, *m_incrementLength, 2);
    addFieldRow(*grid, *m_freeHeight, 3);
    addFieldRow(*grid, *m_maxDeflection, 4);
    grid->addWidget(new QLabel(QStringLiteral("(Approx.10% of the wall height)  "), this), 5, 0);
    addFieldRow(*grid, *m_tolerance, 6);
    m_geometry = new QLabel(this);
    m_geometry->setObjectName(QStringLiteral("WallGeometry"));
    grid->addWidget(m_geometry, 7, 0, 1, 2);
    grid->setRowStretch(8, 1);
    for (TDataEdit* field : {m_increments, m_incrementLength, m_freeHeight})
        connect(field, &QLineEdit::textChanged, this, &TDlgProp::showWallGeometry);
    load();
    showWallGeometry();
}

// The wall length (increments x increment length) and the embedment below the excavation, in
// the unit of the free height, from what the fields hold as the user types.
void TDlgProp::showWallGeometry() {
    const std::optional<double> n = typedValue(*m_increments);
    const std::optional<double> h = typedValue(*m_incrementLength);
    const std::optional<double> free = typedValue(*m_freeHeight);
    if (!n || !h || !free) {
        m_geometry->setText(QStringLiteral("Wall length: -    Embedment below excavation: -"));
        return;
    }
    const double wallLength = shownDepth(project(), *n * *h);
    const QString unit = QLatin1Char(' ') + m_freeHeight->unitLabel();
    auto shown = [this](double value) {
        return TNumberFormat::general(value, kShownDigits, locale().decimalPoint());
    };
    m_geometry->setText(QStringLiteral("Wall length: %1%2    Embedment below excavation: %3%2")
                            .arg(shown(wallLength), unit, shown(wallLength - *free)));
}
