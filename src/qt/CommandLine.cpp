#include "qt/CommandLine.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

constexpr int badCommandLineExitCode = 2;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

CommandLine refused(const QString &why) {
    print(stderr, QStringLiteral("kymora: %1\n").arg(why));
    return {OutsideSetup(), badCommandLineExitCode};
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(KYMORA_DESCRIPTION));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    for (const OutsideSetting &setting : outsideSettings())
        parser.addOption(QCommandLineOption(toQString(setting.name),
                                            QString::fromStdString(helpOf(setting)),
                                            QStringLiteral("value")));

    CommandLine commandLine;
    if (!parser.parse(arguments)) {
        // An option the program does not know is named with the ones it knows.
        if (!parser.unknownOptionNames().isEmpty())
            return refused(QString::fromStdString(
                commandLine.setup.choose(parser.unknownOptionNames().first().toStdString(), "")));
        return refused(parser.errorText());
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("kymora")));
        commandLine.exitCode = 0;
        return commandLine;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Kymora " KYMORA_VERSION_TEXT "\n"));
        commandLine.exitCode = 0;
        return commandLine;
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("unexpected argument \"%1\": the settings are given as "
                                      "--name=value (see --help)")
                           .arg(parser.positionalArguments().first()));
    for (const OutsideSetting &setting : outsideSettings())
        for (const QString &value : parser.values(toQString(setting.name))) {
            const std::string wrong = commandLine.setup.choose(setting.name, value.toStdString());
            if (!wrong.empty())
                return refused(QString::fromStdString(wrong));
        }
    return commandLine;
}
