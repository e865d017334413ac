#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quibbler {

// The platform plugin QApplication picks from the environment alone, before
// a -platform option: the first of a ';' list is tried first.
QString platformFromEnvironment(const QProcessEnvironment& environment);

// The arguments QApplication leaves to the program (the program's name
// first), once it has taken its own on the given platform, so that the
// program's options can be answered, and anything else refused, before a
// display is reached. A form Qt does not take, such as -platform=offscreen,
// is left as it is.
QStringList argumentsLeftByQt(const QStringList& arguments, QString platform);

} // namespace quibbler
