#include "app/project/filelayout.h"

#include <QFileInfo>

#include "app/project/programdata.h"

TLayoutFeatures TLayoutFeatures::of(TFileLayout layout) {
    switch (layout) {
        case TFileLayout::Current:
            return {true, true, true, true, true, true, true};
        case TFileLayout::Release2013:
            return {true, true, false, true, true, true, true};
        case TFileLayout::Release30:
            return {true, false, false, false, true, false, true};
        case TFileLayout::Oldest:
            break;
    }
    return {};
}

TFileLayout layoutOfFileKind(int kind) {
    switch (kind) {
        case 1:
            return TFileLayout::Current;
        case 2:
            return TFileLayout::Release2013;
        case 3:
            return TFileLayout::Release30;
        default:
            return TFileLayout::Oldest;
    }
}

TFileLayout layoutOfFileName(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == QLatin1String("kd4d")) return TFileLayout::Release2013;
    if (extension == QLatin1String("kdd")) return TFileLayout::Release30;
    return TFileLayout::Current;
}

TFileLayout layoutOfVersionFlags(const TVersionFlags& flags) {
    if (flags.tiebackCount) return TFileLayout::Current;
    return flags.momentEIAndSurcharge ? TFileLayout::Release2013 : TFileLayout::Release30;
}

TVersionFlags versionFlagsOf(TFileLayout layout) {
    const TLayoutFeatures features = TLayoutFeatures::of(layout);
    return {features.momentEI, features.tieback};
}
