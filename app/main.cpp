#include "frmsms.h"
#include "settingsstore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KORVANE"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION_STRING));

    SettingsStore store;
    frmSMS window(store);
    window.show();
    return app.exec();
}
