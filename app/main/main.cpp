// KeldraApp: the desktop program for flexible retaining walls.
#include <keldra/version.h>

#include <QApplication>
#include <QIcon>
#include <QStringList>

#include "app/main/mainform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tarvos");
    QApplication::setApplicationName("KELDRA");
    QApplication::setApplicationVersion(QString::fromLatin1(keldra::kVersion));
    QApplication::setApplicationDisplayName("KELDRA 2015");
    // Desktops match the window to the installed desktop entry by this name.
    QApplication::setDesktopFileName("com.tarvos.keldra");

    TMainForm mainForm;
    // The form has loaded the icon resources.
    QApplication::setWindowIcon(QIcon(":/icons/wallconfiguration.svg"));
    mainForm.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) mainForm.openFromCommandLine(arguments.at(1));
    return QApplication::exec();
}
