// KRN: composes, prices, keeps and prints tiercé, quarté and quinté bets.

#include "app/lignedecommande.h"
#include "bureau/icone.h"
#include "commun/demarrage.h"
#include "commun/fenetre.h"
#include "jeux/form1.h"
#include "krn/version.h"
#include "ticket/imprimanteqt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    if (const int code = lignedecommande(argc, argv); code >= 0)
        return code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KRN"));
    QApplication::setApplicationVersion(QStringLiteral(KRN_VERSION));
    QApplication::setWindowIcon(bureau::icone());
    QGuiApplication::setDesktopFileName(QStringLiteral(KRN_IDENTIFIANT));
    QApplication::setQuitOnLastWindowClosed(false);

    // The program speaks French, so do the standard buttons of its message boxes.
    QTranslator qt;
    if (qt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);

    // One program per work directory.
    const auto dossier = demarrage::prendredossier();
    if (!dossier)
        return 1;

    // Tickets and listings go to the system's default printer.
    ticket::ImprimanteQt imprimante;
    ticket::installer(&imprimante);

    fenetres::installerfin([] { QCoreApplication::quit(); });
    form1().ouvrir();
    const int code = QApplication::exec();
    fenetres::detruiretout();
    ticket::installer(nullptr);
    return code;
}
