// orlenda_themetool: packs, lists and unpacks theme files and exports the built-in styles.
#include "tools/themetool/ThemeFolder.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

int usage(QTextStream& err)
{
    err << "usage: orlenda_themetool pack <folder> <file.sui>\n"
           "       orlenda_themetool list <file.sui>\n"
           "       orlenda_themetool unpack <file.sui> <folder>\n"
           "       orlenda_themetool export-builtin <MacOS|WinXP|DeepBlue|Protein|BlueGlass> "
           "<folder>\n"
           "A folder holds <Key>.bmp for each image item and theme.txt with Key = value lines.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures are decoded and encoded through Qt's image handlers; no window is opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    try {
        QStringList warnings;
        if (command == QLatin1String("pack") && args.size() == 3) {
            warnings = ThemeFolder::pack(args[1], args[2]);
        } else if (command == QLatin1String("list") && args.size() == 2) {
            for (const QString& line : ThemeFolder::list(args[1]))
                out << line << "\n";
        } else if (command == QLatin1String("unpack") && args.size() == 3) {
            warnings = ThemeFolder::unpack(args[1], args[2]);
        } else if (command == QLatin1String("export-builtin") && args.size() == 3) {
            const auto style = ThemeFolder::styleFromName(args[1]);
            if (!style) {
                err << "unknown style \"" << args[1] << "\"\n";
                return usage(err);
            }
            ThemeFolder::exportBuiltin(*style, args[2]);
        } else {
            return usage(err);
        }
        for (const QString& warning : warnings)
            err << "warning: " << warning << "\n";
    } catch (const OrlendaException& error) {
        err << "error: " << error.message() << "\n";
        return 1;
    }
    return 0;
}
