#include "app/graphs/unitstrings.h"

namespace {

struct TPlaceholder {
    const char* token;
    const char* english;
    const char* si;
};

// The most specific token present wins; the others of its kind are not looked at.
constexpr TPlaceholder kForce[] = {{"F2", "tons", "kN"}, {"F1", "kips", "kN"}, {"F", "lbs", "kN"}};
constexpr TPlaceholder kLength[] = {{"L2", "ft", "m"}, {"L1", "in", "mm"}, {"L", "in", "m"}};

template <std::size_t N>
void replaceFirstPresent(QString& text, const TPlaceholder (&tokens)[N], bool english) {
    for (const TPlaceholder& p : tokens) {
        if (text.contains(QLatin1String(p.token))) {
            text.replace(QLatin1String(p.token), QLatin1String(english ? p.english : p.si));
            return;
        }
    }
}

}  // namespace

QString ExpandUnits(const QString& units, int unitSystem) {
    if (unitSystem != 1 && unitSystem != 2) return units;
    QString text = units;
    const bool english = unitSystem == 1;
    // The force names contain no length token ("lbs", "kips", "tons", "kN"), so replacing the
    // force first cannot create a spurious length placeholder.
    replaceFirstPresent(text, kForce, english);
    replaceFirstPresent(text, kLength, english);
    return text;
}

QString AxisCaption(const QString& caption, const QString& units, int unitSystem) {
    if (units.isEmpty()) return caption;
    return caption + " (" + ExpandUnits(units, unitSystem) + ")";
}
