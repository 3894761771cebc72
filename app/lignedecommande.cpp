#include "app/lignedecommande.h"

#include "krn/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <vector>

namespace {

void ecrire(std::FILE *sortie, const QString &texte)
{
    std::fputs(texte.toLocal8Bit().constData(), sortie);
    std::fflush(sortie);
}

// The options every Qt program takes (-platform, -style, …): the parser knows them so as
// not to refuse them, and leaves them to the application, which reads them when it starts.
void optionsdeqt(QCommandLineParser &parser)
{
    const char *avecvaleur[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                                "qwindowgeometry", "geometry", "qwindowtitle", "title", "qwindowicon", "icon",
                                "session", "style", "stylesheet", "display", "name"};
    const char *sansvaleur[] = {"reverse", "widgetcount", "nograb", "dograb", "testability"};
    for (const char *nom : avecvaleur) {
        QCommandLineOption o(QLatin1String(nom), QString(), QStringLiteral("valeur"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char *nom : sansvaleur) {
        QCommandLineOption o{QString(QLatin1String(nom))};
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
}

} // namespace

int lignedecommande(int argc, char *argv[])
{
    if (argc <= 1)
        return -1;

    QCoreApplication::setApplicationName(QStringLiteral("KRN"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KRN_VERSION));

    // A core application, without windows, gone before the real one is made; it gets a
    // copy of the arguments, so that the application still finds every one of them.
    int n = argc;
    std::vector<char *> copie(argv, argv + argc + 1);
    QCoreApplication sansfenetre(n, copie.data());
    QTranslator qt;
    if (qt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Compose, chiffre, garde et imprime les tiercés, quartés et quintés.\n"
                       "Les fichiers de travail sont dans le répertoire KRN_RACINE, sinon dans ~/.local/share/krn."));
    // "-style" is one option, not the letters s, t, y, l, e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide et quitte."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version et quitte."));
    parser.addOption(aide);
    parser.addOption(version);
    optionsdeqt(parser);

    const QString programme = QStringLiteral("krn");
    if (!parser.parse(QCoreApplication::arguments())) {
        ecrire(stderr, programme + QStringLiteral(" : ") + parser.errorText() + QStringLiteral("\nEssayez « krn --help ».\n"));
        return 2;
    }
    if (parser.isSet(aide)) {
        ecrire(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        ecrire(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                           QLatin1Char('\n'));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        ecrire(stderr, programme + QStringLiteral(" : argument inattendu « ") + parser.positionalArguments().constFirst() +
                           QStringLiteral(" »\nEssayez « krn --help ».\n"));
        return 2;
    }
    return -1;
}
