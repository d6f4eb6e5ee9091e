#include "app/main/caption.h"

#include <keldra/version.h>

#include <QFileInfo>

QString displayName(const QString& fileName) {
    QString name = QFileInfo(fileName).fileName();
    if (name.endsWith(QLatin1String(".kdd"), Qt::CaseInsensitive)) name.chop(4);
    if (name.size() > 1) name[0] = name[0].toUpper();
    return name;
}

QString mainCaption(const QString& fileName) {
    return QStringLiteral("KELDRA %1 - ").arg(QString::fromLatin1(keldra::kVersion)) +
           displayName(fileName);
}
