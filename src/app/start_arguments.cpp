#include "app/start_arguments.hpp"

#include <cstdio>
#include <cstdlib>

#include <QCommandLineParser>
#include <QFileInfo>

namespace vezu {

bool asksOnlyForHelpOrVersion(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) {
            return false;
        }
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help") ||
            argument == QLatin1String("--help-all") || argument == QLatin1String("-v") ||
            argument == QLatin1String("--version")) {
            return true;
        }
    }
    return false;
}

QString listingFromCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Recebe, mostra e exporta as pesagens dos indicadores KR-10 e KR-20."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("arquivo"),
                                 QStringLiteral("Listagem do indicador a abrir ao iniciar."),
                                 QStringLiteral("[arquivo]"));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "korbane-vezu: %s\n", qPrintable(parser.errorText()));
        std::exit(2);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "korbane-vezu: abra uma listagem de cada vez.\n");
        std::exit(2);
    }
    return files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absoluteFilePath();
}

} // namespace vezu
