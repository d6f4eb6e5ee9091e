#include "app/views/soillabel.h"

#include <QLocale>
#include <QStringList>

#include "app/tables/gridtable.h"

namespace SoilLabel {
namespace {

enum TSoilType : int { SoftClay = 1, StiffClayFreeWater, StiffClay, Sand, Silt, Rock, WeakRock };

QString general(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

}  // namespace

QString name(int soilType) {
    static const QStringList kNames{QStringLiteral("Soft clay"),
                                    QStringLiteral("Stiff clay w/free water"),
                                    QStringLiteral("Stiff clay w/o free water"),
                                    QStringLiteral("Sand"),
                                    QStringLiteral("Silt"),
                                    QStringLiteral("Rock"),
                                    QStringLiteral("Weak Rock")};
    return soilType >= 1 && soilType <= kNames.size() ? kNames[soilType - 1] : QString();
}

QString parameters(int soilType, const TGridTable* table) {
    constexpr int kBottomRow = 1;
    if (!table || table->rowCount() <= kBottomRow || table->columnCount() < 2) return {};
    const auto value = [&](int column) {
        return column < table->columnCount() ? general(table->real(column, kBottomRow)) : QString();
    };
    const QString gamma = QStringLiteral("; gamma= ") + value(0);
    switch (soilType) {
        case SoftClay:
        case StiffClayFreeWater:
        case StiffClay:
            return QStringLiteral("c= ") + value(1) + gamma;
        case Sand:
            return QStringLiteral("ø= ") + value(1) + gamma;
        case Silt:
            return QStringLiteral("ø= ") + value(1) + QStringLiteral("; c= ") + value(2) + gamma;
        case Rock:
        case WeakRock:
            return QStringLiteral("compressive strength= ") + value(1) + gamma;
        default:
            return {};
    }
}

}  // namespace SoilLabel
