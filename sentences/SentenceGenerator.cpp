#include "sentences/SentenceGenerator.h"

#include "app/Forms.h"
#include "host/Characters.h"
#include "host/Host.h"
#include "host/ListBox.h"
#include "host/LongText.h"
#include "host/RandomSource.h"
#include "host/TextNumbers.h"
#include "sentences/Capitalization.h"
#include "sentences/Draws.h"
#include "sentences/OptionsWindow.h"
#include "sentences/Personalities.h"
#include "sentences/TextLimits.h"
#include "sentences/WordSource.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScope.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quibbler {

namespace {

const QString kImpossible = QStringLiteral("I'm sorry, that's impossible");

} // namespace

SentenceGenerator::SentenceGenerator(MainWindow& main, OptionsWindow& options, Host& host)
    : m_main(main), m_options(options), m_host(host)
{ }

void SentenceGenerator::respond()
{
    if (m_main.forms().refuseWhileWorking())
        return;
    {
        WorkingScope working(m_main.forms(), {&m_main});
        build();
    }
    if (m_reachedLimit)
        m_host.msgBox(kMaxWordsMessage);
}

void SentenceGenerator::build()
{
    setBoxText(*m_main.txts, {});
    const double count = wordCount();

    QString answer;
    switch (m_options.cbopersonal->currentIndex()) {
    case 0:
        answer = regular(count);
        break;
    case 1:
        answer = mean();
        break;
    case 2:
        answer = inquisitive();
        break;
    case 3:
        if (!m_options.txtpattern->text().isEmpty())
            answer = custom();
        break;
    default:
        break;
    }
    setBoxText(*m_main.txts, answer, [this] { m_main.forms().keepWorking(); });

    reseedAfterAnswer(m_host.random(), m_host.timeOfDay());
}

double SentenceGenerator::wordCount()
{
    static const struct {
        const char* typed;
        int range;
    } randomCounts[] = {{"R", 1000}, {"RS", 10}, {"RL", 9999}, {"RM", 400}};

    const QString typed = m_main.txtw->text().toUpper();
    for (const auto& randomCount : randomCounts) {
        if (typed == QLatin1String(randomCount.typed)) {
            m_main.txtw->setText(QString::number(drawRange(m_host.random(), randomCount.range)));
            return leadingNumber(m_main.txtw->text());
        }
    }
    const double count = leadingNumber(m_main.txtw->text());
    if (count == 0) {
        // The other personalities do not need a count, so the answer goes on.
        m_host.msgBox(kImpossible);
        m_main.txtw->clear();
    }
    return count;
}

QString SentenceGenerator::regular(double count)
{
    if (!(count > 0))
        return {};
    const QString letter = m_options.txtword->text();
    const QString length = m_options.txtwl->text();
    WordSource source(*m_main.lstw, *m_main.lstsw, *m_main.lstproper);
    if (!letter.isEmpty() || leadingNumber(length) > 0)
        source.pick(letter, length);
    // Any filter text, even a length that is no number, draws from the cache.
    const bool fromCache = !letter.isEmpty() || !length.isEmpty();
    if (source.count(fromCache) == 0)
        return {};

    const bool capitals = m_options.chkc->isChecked();
    QString answer;
    for (double i = 1; i <= count; ++i) {
        if (i > m_main.forms().wordLimit) {
            m_reachedLimit = true;
            break;
        }
        if (!m_main.forms().keepWorking())
            break; // what was built so far is the answer
        const QString word = source.draw(fromCache, m_host.random());
        m_main.curword = capitals ? source.capitalize(word) : word;
        answer += m_main.curword;
        answer += QLatin1Char(' ');
    }
    if (answer.isEmpty())
        return {};
    answer.chop(1);
    answer = applyCaseRule(std::move(answer), caseRuleOf(m_options));
    static const char* const marks[] = {".", "!", "?"};
    answer += QLatin1String(marks[drawRange(m_host.random(), 3) - 1]);
    return answer;
}

QString SentenceGenerator::mean()
{
    RandomSource& random = m_host.random();
    const int k = drawIndex(random, m_main.lstw->count());
    const QString letter = m_options.txtword->text();
    WordSource source(*m_main.lstw, *m_main.lstsw, *m_main.lstproper);
    QString word;
    if (letter.isEmpty()) {
        word = source.at(false, k);
    } else {
        source.pick(letter, m_options.txtwl->text());
        if (source.count(true) == 0)
            return {};
        word = source.draw(true, random);
    }
    m_main.curword.clear();
    return meanAnswer(word);
}

QString SentenceGenerator::inquisitive()
{
    const QString letter = m_options.txtword->text();
    const bool fromCache = !letter.isEmpty();
    WordSource source(*m_main.lstw, *m_main.lstsw, *m_main.lstproper);
    if (fromCache)
        source.pick(letter, m_options.txtwl->text());
    RandomSource& random = m_host.random();
    const int k = drawIndex(random, source.count(fromCache));
    const int q = drawRange(random, 4);
    if (source.count(fromCache) == 0)
        return {};
    m_main.curword = source.at(fromCache, k);
    return question(q, m_main.curword);
}

QString SentenceGenerator::custom()
{
    const QString pattern = m_options.txtpattern->text();
    const QString length = m_options.txtwl->text();
    const bool capitals = m_options.chkc->isChecked();
    // Each pattern character stands in the first-letter box in turn, so the
    // user's own letter is what the first character is compared with, and the
    // box shows the user's letter again afterwards.
    QString letter = m_options.txtword->text();
    WordSource source(*m_main.lstw, *m_main.lstsw, *m_main.lstproper);
    QString answer;
    double words = 0;
    for (const QStringView character : characters(pattern)) {
        if (words >= m_main.forms().wordLimit) {
            m_reachedLimit = true;
            break;
        }
        if (!m_main.forms().keepWorking())
            break;
        const QString previous = letter;
        letter = character.toString();
        if (letter != previous)
            source.pick(letter, length);
        if (source.count(true) == 0)
            continue; // no learned word fits this position
        const QString word = source.draw(true, m_host.random());
        m_main.curword = capitals ? source.capitalize(word) : word;
        answer += m_main.curword;
        answer += QLatin1Char(' ');
        ++words;
    }
    return answer;
}

} // namespace quibbler
