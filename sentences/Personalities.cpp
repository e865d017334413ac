#include "sentences/Personalities.h"

namespace quibbler {

QString pastTense(const QString& word)
{
    if (word.size() < 2 || word.endsWith(QLatin1String("ed")))
        return word;
    if (word.endsWith(QLatin1Char('y')))
        return word.chopped(1) + QLatin1String("ied");
    if (word.endsWith(QLatin1Char('e')))
        return word + QLatin1Char('d');
    return word + QLatin1String("ed");
}

QString meanAnswer(const QString& word)
{
    return QLatin1String("I ") + pastTense(word) + QLatin1String(" your mom last night.");
}

QString question(int q, const QString& word)
{
    switch (q) {
    case 1:
        return QLatin1String("What's a ") + word + QLatin1Char('?');
    case 2:
        return QLatin1String("Can you teach Quibbler how to ") + word + QLatin1Char('?');
    case 3:
        return QLatin1String("How do you ") + word + QLatin1Char('?');
    default:
        return QLatin1String("Did you ever ") + word + QLatin1Char('?');
    }
}

} // namespace quibbler
