#include "app/CommandLine.h"

#include "core/ProgramInfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

constexpr int kUsageErrorCode = 2;

// The parser's usage line ("Usage: NAME [options] [file]") names the program
// as it was started, or before an application object exists not at all; it
// should give the program's name.
QString HelpText(const QCommandLineParser& parser, const QString& program) {
    QString text = parser.helpText();
    const qsizetype nameStart = text.indexOf(' ') + 1;
    const qsizetype nameEnd = text.indexOf(QStringLiteral(" [options]"), nameStart);
    return nameEnd < nameStart ? text : text.replace(nameStart, nameEnd - nameStart, program);
}

CCommandLine UsageError(const QString& problem, const QCommandLineParser& parser, const QString& program) {
    return {CCommandLine::Action::UsageError,
            {},
            program + QStringLiteral(": ") + problem + '\n' + HelpText(parser, program)};
}

}  // namespace

int CCommandLine::ExitCode() const {
    return action == Action::UsageError ? kUsageErrorCode : 0;
}

CCommandLine ParseCommandLine(const QStringList& arguments) {
    const QString program =
        arguments.isEmpty() ? QStringLiteral("tavrin") : QFileInfo(arguments.constFirst()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits holiday definition files (*.hol) and previews the holidays of a year."));
    // Not addHelpOption: its --help-all would offer Qt's own options, which
    // are not read here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The holiday file to open."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText(), parser, program);
    }
    if (parser.isSet(help)) {
        return {CCommandLine::Action::PrintHelp, {}, HelpText(parser, program)};
    }
    if (parser.isSet(version)) {
        return {CCommandLine::Action::PrintVersion, {}, program + ' ' + QString::fromLatin1(kProgramVersion) + '\n'};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return UsageError(QStringLiteral("Unexpected argument '%1': the editor opens one file.").arg(files[1]), parser,
                          program);
    }
    return {CCommandLine::Action::RunEditor, files.value(0), {}};
}
