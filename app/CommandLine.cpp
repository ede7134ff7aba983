// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "core/ProgramInfo.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

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

// The arguments the parser takes as positional, as they were given: those
// after "--", and those that do not start with '-' (a lone "-" is one). Their
// decoded texts lose bytes that are no character of the file-name encoding.
std::vector<std::string> PositionalArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            positional.push_back(argument);
        }
    }
    return positional;
}

}  // namespace

int CCommandLine::ExitCode() const {
    return action == Action::UsageError ? kUsageErrorCode : 0;
}

CCommandLine ParseCommandLine(const std::vector<std::string>& argumentBytes) {
    QStringList arguments;
    for (const std::string& argument : argumentBytes) {
        arguments.append(QFile::decodeName(QByteArray::fromStdString(argument)));
    }
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
    const QCommandLineOption exportCalendar(
        QStringLiteral("export-year-calendar"),
        QStringLiteral("Writes the year calendar of FILE for YEAR to OUT.pdf (A4 landscape), without a window: "
                       "tavrin --export-year-calendar FILE YEAR OUT.pdf"));
    parser.addOption(exportCalendar);
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
    const std::vector<std::string> positional = PositionalArguments(argumentBytes);
    if (parser.isSet(exportCalendar)) {
        bool isYear = false;
        const int year = files.size() == 3 ? files[1].toInt(&isYear) : 0;
        if (files.size() != 3 || positional.size() != 3 || !isYear || year < 1 || year > 9999) {
            return UsageError(QStringLiteral("--export-year-calendar takes FILE YEAR OUT.pdf (a year from 1 to 9999)"),
                              parser, program);
        }
        CCommandLine exporting{CCommandLine::Action::ExportYearCalendar, positional[0], {}};
        exporting.year = year;
        exporting.output = positional[2];
        return exporting;
    }
    if (files.size() > 1) {
        return UsageError(QStringLiteral("Unexpected argument '%1': the editor opens one file.").arg(files[1]), parser,
                          program);
    }
    return {CCommandLine::Action::RunEditor,
            positional.empty() ? std::filesystem::path() : std::filesystem::path(positional.front()),
            {}};
}
