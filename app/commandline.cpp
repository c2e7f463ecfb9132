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

QCommandLineOption hidden(QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// The program's options, described in the language installed when it is made.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    CommandLine() {
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

    // Nothing to tell: the command line is good and asks for the drill.
    bool good(const QStringList& arguments) {
        return parser.parse(arguments) && !parser.isSet(help) && !parser.isSet(version) &&
               parser.positionalArguments().isEmpty() &&
               (!parser.isSet(clef) || clefOfWord(parser.value(clef).toStdString()));
    }

    Options options() const {
        Options options;
        if (parser.isSet(clef)) {
            options.clef = clefOfWord(parser.value(clef).toStdString());
        }
        if (parser.isSet(minor)) {
            options.mode = KeyMode::Minor;
        }
        return options;
    }

    // Help, the version or the mistake; the exit status.
    int tell() const {
        QTextStream out(stdout);
        if (parser.isSet(help)) {
            out << parser.helpText();
            return 0;
        }
        if (parser.isSet(version)) {
            out << "duridaz " << DURIDAZ_VERSION << '\n';
            return 0;
        }
        QTextStream(stderr) << "duridaz: " << mistake() << ' ' << tr("See duridaz --help.") << '\n';
        return kMistake;
    }

private:
    QString mistake() const {
        if (!parser.errorText().isEmpty()) {
            return parser.errorText();
        }
        const QStringList strays = parser.positionalArguments();
        return strays.isEmpty() ? tr("\"%1\" is no clef: choose treble, bass, alto or tenor.")
                                      .arg(parser.value(clef))
                                : tr("\"%1\" is not an option.").arg(strays.first());
    }

    QCommandLineParser parser;
    QCommandLineOption clef{
        "clef", tr("Shows the key signatures in the clef given: treble, bass, alto or tenor."),
        tr("clef")};
    QCommandLineOption minor{"minor", tr("Asks the minor keys of the signatures.")};
    QCommandLineOption help{{"h", "help"}, tr("Shows this help.")};
    QCommandLineOption version{{"v", "version"}, tr("Shows the version.")};
};

// Told in the user's language: only now is an application made, so that a drill started with
// good options loads nothing twice.
int tell(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const Translation translation(QLocale::system().uiLanguages());
    CommandLine again;
    again.good(QCoreApplication::arguments());
    return again.tell();
}

}  // namespace

std::variant<Options, int> readCommandLine(int argc, char** argv) {
    CommandLine first;
    if (!first.good(argumentsOf(argc, argv))) {
        return tell(argc, argv);
    }
    return first.options();
}
