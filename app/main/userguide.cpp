#include "app/main/userguide.h"

#include <QUrl>

// The guide lives in this static library's resources, which the linker keeps only when asked.
static void registerHelp() { Q_INIT_RESOURCE(help); }

TUserGuide::TUserGuide(QWidget* parent) : QTextBrowser(parent) {
    static const bool registered = (registerHelp(), true);
    (void)registered;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("KELDRA User Guide"));
    setOpenExternalLinks(true);
    setSource(QUrl(QString::fromLatin1(kSource)));
}
