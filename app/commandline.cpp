#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <optional>

#include "translation.h"

namespace {

constexpr int kMistake = 2;

// Options of Qt's that QApplication reads itself, accepted here so as not to be mistakes.
const char* const kQtOptionsWithValue[] = {"platform", "platformtheme", "platformpluginpath",
                                           "display",  "geometry",      "qwindowgeometry",
                                           "title",    "qwindowtitle",  "name",
                                           "style",    "stylesheet",    "session",
                                           "plugin"};
const char* const kQtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

QString tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption clef{"clef",
                            tr("Shows the key signatures in the clef given: treble, "
                               "bass, alto or tenor."),
                            tr("clef")};
    QCommandLineOption minor{"minor", tr("Asks the minor keys of the signatures.")};
    QCommandLineOption help{{"h", "help"}, tr("Shows this help.")};
    QCommandLineOption version{{"v", "version"}, tr("Shows the version.")};

    Parser() {
        parser.setApplicationDescription(tr("A drill for naming key signatures."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QCommandLineOption& option : {clef, minor, help, version}) {
            parser.addOption(option);
        }
        for (const char* name : kQtOptionsWithValue) {
            parser.addOption(hidden({name, "value"}));
        }
        for (const char* name : kQtFlags) {
            parser.addOption(hidden(QCommandLineOption(name)));
        }
    }

    static QCommandLineOption hidden(QCommandLineOption option) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        return option;
    }
};

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

std::optional<Clef> clefOfWord(const QString& word) {
    for (Clef clef : allClefs) {
        if (word == QLatin1String(clefWord(clef).data(), qsizetype(clefWord(clef).size()))) {
            return clef;
        }
    }
    return std::nullopt;
}

// Help, the version or a mistake, in the user's language: only now is an application made, so
// that a drill started with good options loads nothing twice.
int tell(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("duridaz");
    QCoreApplication::setApplicationVersion(DURIDAZ_VERSION);
    const Translation translation(QLocale::system().uiLanguages());
    Parser again;
    const bool parsed = again.parser.parse(QCoreApplication::arguments());
    QTextStream out(stdout);
    QTextStream errors(stderr);
    if (parsed && again.parser.isSet(again.help)) {
        out << again.parser.helpText();
        return 0;
    }
    if (parsed && again.parser.isSet(again.version)) {
        out << "duridaz " << DURIDAZ_VERSION << '\n';
        return 0;
    }
    const QStringList strays = again.parser.positionalArguments();
    const QString mistake = !parsed ? again.parser.errorText()
                            : strays.isEmpty()
                                ? tr("\"%1\" is no clef: choose treble, bass, alto or tenor.")
                                      .arg(again.parser.value(again.clef))
                                : tr("\"%1\" is not an option.").arg(strays.first());
    errors << "duridaz: " << mistake << ' ' << tr("See duridaz --help.") << '\n';
    return kMistake;
}

}  // namespace

std::variant<Options, int> readCommandLine(int argc, char** argv) {
    Parser first;
    if (!first.parser.parse(argumentsOf(argc, argv)) || first.parser.isSet(first.help) ||
        first.parser.isSet(first.version) || !first.parser.positionalArguments().isEmpty()) {
        return tell(argc, argv);
    }
    Options options;
    if (first.parser.isSet(first.clef)) {
        const std::optional<Clef> clef = clefOfWord(first.parser.value(first.clef));
        if (!clef) {
            return tell(argc, argv);
        }
        options.clef = *clef;
    }
    options.mode = first.parser.isSet(first.minor) ? KeyMode::Minor : KeyMode::Major;
    return options;
}
