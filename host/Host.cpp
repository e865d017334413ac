#include "host/Host.h"

namespace quibbler {

const QString& Host::applicationTitle()
{
    static const QString title = QStringLiteral("Quibbler");
    return title;
}

} // namespace quibbler
