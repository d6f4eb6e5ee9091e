#include "app/main/caption.h"

#include <QFileInfo>

QString displayName(const QString& fileName) {
    QString name = QFileInfo(fileName).fileName();
    if (name.endsWith(QLatin1String(".kdd"), Qt::CaseInsensitive)) name.chop(4);
    if (name.size() > 1) name[0] = name[0].toUpper();
    return name;
}

QString mainCaption(const QString& fileName) {
    return QStringLiteral("KELDRA 2015.5.6 - ") + displayName(fileName);
}
