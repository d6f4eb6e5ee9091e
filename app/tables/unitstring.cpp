#include "app/tables/unitstring.h"

#include <array>
#include <cmath>
#include <span>

namespace {

struct UnitToken {
    const char16_t* name;
    const char16_t* english;
    const char16_t* si;
    const char16_t* generic;
    double englishPerSI;  // conversion factor, English units per SI unit
    double engineFactor;  // English display unit -> engine unit (in, lbs)
};

// In the order in which the tokens are replaced in titles: longer names
// before the bare letter they begin with.
constexpr std::array kPlainTokens{
    UnitToken{u"F2", u"tons", u"kN", u"F", 0.1124044745, 2000.0},
    UnitToken{u"F1", u"kips", u"kN", u"F", 0.2248089237, 1000.0},
    UnitToken{u"F4", u"lb-sec2/in", u"Mg", u"M", 5.7101483, 1.0},
    UnitToken{u"F5", u"sec", u"sec", u"T", 1.0, 1.0},
    UnitToken{u"F6", u"slug", u"Mg", u"F", 68.364249, 1.0},
    UnitToken{u"F", u"lbs", u"kN", u"F", 224.8089237, 1.0},
    UnitToken{u"L3", u"rad", u"rad", u"L", 1.0, 1.0},
    UnitToken{u"L2", u"ft", u"m", u"L", 3.280839895, 12.0},
    UnitToken{u"L1", u"in", u"mm", u"L", 0.03937007874, 1.0},
    UnitToken{u"L", u"in", u"m", u"L", 39.37007874, 1.0},
};
constexpr std::array kChartTokens{kPlainTokens[0], kPlainTokens[1], kPlainTokens[5],
                                  kPlainTokens[7], kPlainTokens[8], kPlainTokens[9]};

std::span<const UnitToken> tokensOf(TUnitDialect dialect) {
    if (dialect == TUnitDialect::Chart) return kChartTokens;
    return kPlainTokens;
}

const char16_t* labelIn(const UnitToken& token, int unitSystem) {
    switch (unitSystem) {
        case kEnglishUnits:
            return token.english;
        case kSIUnits:
            return token.si;
        default:
            return token.generic;
    }
}

// Reads the token starting with `letter` at `pos`: the longest known name.
const UnitToken* readToken(QStringView text, qsizetype& pos, char16_t letter,
                           TUnitDialect dialect) {
    if (pos >= text.size() || text[pos] != letter) return nullptr;
    const UnitToken* bare = nullptr;
    for (const UnitToken& token : tokensOf(dialect)) {
        const QStringView name(token.name);
        if (name.size() == 2 && text.mid(pos).startsWith(name)) {
            pos += 2;
            return &token;
        }
        if (name.size() == 1 && name[0] == letter) bare = &token;
    }
    ++pos;
    return bare;
}

// "^n" after a token; 1 when absent.
int readExponent(QStringView text, qsizetype& pos) {
    if (pos >= text.size() || text[pos] != u'^') return 1;
    qsizetype end = pos + 1;
    while (end < text.size() && text[end].isDigit()) ++end;
    const int exponent = end > pos + 1 ? text.mid(pos + 1, end - pos - 1).toInt() : 1;
    pos = end;
    return exponent;
}

// One side of the "/": an optional force token with an optional exponent and
// one separator character, then an optional length token with its exponent.
double partFactor(QStringView part, TUnitDialect dialect, double UnitToken::*factor) {
    double result = 1.0;
    qsizetype pos = 0;
    if (const UnitToken* force = readToken(part, pos, u'F', dialect)) {
        result *= std::pow(force->*factor, readExponent(part, pos));
        ++pos;  // the separator
    }
    if (const UnitToken* length = readToken(part, pos, u'L', dialect))
        result *= std::pow(length->*factor, readExponent(part, pos));
    return result;
}

double unitFactor(const QString& unitString, TUnitDialect dialect, double UnitToken::*factor) {
    const qsizetype slash = unitString.indexOf(u'/');
    const QStringView text(unitString);
    if (slash < 0) return partFactor(text, dialect, factor);
    return partFactor(text.left(slash), dialect, factor) /
           partFactor(text.mid(slash + 1), dialect, factor);
}

}  // namespace

QString TUnitString::label(const QString& unitString, int unitSystem, TUnitDialect dialect) {
    QString text = unitString;
    for (const UnitToken& token : tokensOf(dialect))
        text.replace(QString::fromUtf16(token.name),
                     QString::fromUtf16(labelIn(token, unitSystem)));
    return text;
}

double TUnitString::conversionFactor(const QString& unitString, int from, int to,
                                     TUnitDialect dialect) {
    int exponent = 0;
    if (from == kEnglishUnits && to == kSIUnits) exponent = -1;
    if (from == kSIUnits && to == kEnglishUnits) exponent = 1;
    if (exponent == 0) return 1.0;
    return std::pow(unitFactor(unitString, dialect, &UnitToken::englishPerSI), exponent);
}

double TUnitString::englishToEngineFactor(const QString& unitString, TUnitDialect dialect) {
    return unitFactor(unitString, dialect, &UnitToken::engineFactor);
}
