#include "app/QtArguments.h"

#include <functional>

namespace quibbler {

namespace {

// What one of Qt's readers does with the argument at i: keeps it (false), or
// takes it and perhaps what follows, leaving i on the last argument taken.
using Reader = std::function<bool(const QStringList& arguments, qsizetype& i, QStringView name)>;

// Qt's readers run one after another, each over what the one before left;
// they read "--x" as "-x".
QStringList readWith(const QStringList& arguments, const Reader& takes)
{
    QStringList left = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QStringView name
            = argument.startsWith(u"--") ? QStringView(argument).sliced(1) : QStringView(argument);
        if (!argument.startsWith(u'-') || !takes(arguments, i, name))
            left.append(argument);
    }
    return left;
}

// Takes an option and the value after it, when there is one.
bool takeValue(qsizetype& i)
{
    ++i;
    return true;
}

// Takes an option only when a value follows it, and the value with it.
bool takeWithValue(const QStringList& arguments, qsizetype& i)
{
    return i < arguments.size() - 1 && takeValue(i);
}

} // namespace

QString platformFromEnvironment(const QProcessEnvironment& environment)
{
    const QString chosen = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (!chosen.isEmpty())
        return chosen;
    QString platform = QStringLiteral("xcb");
    if (environment.value(QStringLiteral("XDG_SESSION_TYPE")) == u"wayland") {
        const QString desktops = environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")) + u' '
            + environment.value(QStringLiteral("XDG_SESSION_DESKTOP"));
        // Qt stays on X under GNOME unless told otherwise.
        if (!desktops.contains(u"gnome", Qt::CaseInsensitive))
            platform = QStringLiteral("wayland;xcb");
    }
    return platform;
}

QStringList argumentsLeftByQt(const QStringList& arguments, QString platform)
{
    // The platform's own options, and three of X's under their old names.
    QStringList left
        = readWith(arguments, [&](const QStringList& all, qsizetype& i, QStringView name) {
              const bool onX = platform.startsWith(u"xcb");
              if (name == u"-platform") {
                  if (++i < all.size())
                      platform = all.at(i);
                  return true;
              }
              for (const char16_t* option :
                   {u"-platformpluginpath", u"-platformtheme", u"-qwindowgeometry",
                    u"-qwindowtitle", u"-qwindowicon"}) {
                  if (name == option)
                      return takeValue(i);
              }
              if (onX && (name == u"-geometry" || name == u"-title" || name == u"-icon"))
                  return takeValue(i);
              return false;
          });
    // The X plugin, when it is the one loaded.
    if (platform.section(u';', 0, 0).section(u':', 0, 0).compare(u"xcb", Qt::CaseInsensitive)
        == 0) {
        left = readWith(left, [](const QStringList& all, qsizetype& i, QStringView name) {
            if (name == u"-display" || name == u"-name" || name == u"-visual")
                return takeWithValue(all, i);
            return name == u"-nograb" || name == u"-dograb";
        });
    }
    // The core's, the GUI's and the widgets' options.
    left = readWith(left, [](const QStringList& all, qsizetype& i, QStringView name) {
        if (name.startsWith(u"-qmljsdebugger="))
            return true;
        return name == u"-qmljsdebugger" && takeWithValue(all, i);
    });
    left = readWith(left, [](const QStringList& all, qsizetype& i, QStringView name) {
        if (name == u"-plugin")
            return takeValue(i);
        if (name == u"-session" || name == u"-style")
            return takeWithValue(all, i);
        return name == u"-reverse" || name == u"-testability" || name.startsWith(u"-style=");
    });
    return readWith(left, [](const QStringList& all, qsizetype& i, QStringView name) {
        if (name == u"-stylesheet")
            return takeWithValue(all, i);
        return name == u"-qdevel" || name == u"-qdebug" || name == u"-widgetcount"
            || name.startsWith(u"-stylesheet=");
    });
}

} // namespace quibbler
