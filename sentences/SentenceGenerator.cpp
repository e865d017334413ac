#include "sentences/SentenceGenerator.h"

#include "app/Forms.h"
#include "controls/BoxTextWriter.h"
#include "controls/ListBox.h"
#include "controls/LongText.h"
#include "host/Host.h"
#include "host/RandomSource.h"
#include "sentences/Capitalization.h"
#include "sentences/Draws.h"
#include "sentences/OptionsWindow.h"
#include "sentences/Personalities.h"
#include "sentences/TextLimits.h"
#include "sentences/WordSource.h"
#include "text/Characters.h"
#include "text/TextNumbers.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScope.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <optional>

namespace quibbler {

namespace {

const QString kImpossible = QStringLiteral("I'm sorry, that's impossible");
// A regular answer reaches the box in pieces of about this many characters.
constexpr qsizetype kAnswerPieceChars = 64 * 1024;

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

    const int personality = m_options.cbopersonal->currentIndex();
    if (personality == 0) {
        regular(count); // shown as it is made
    } else {
        QString answer;
        switch (personality) {
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
    }

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

void SentenceGenerator::regular(double count)
{
    if (!(count > 0))
        return;
    WordSource source(*m_main.lstw, *m_main.lstsw, *m_main.lstproper);
    const bool fromCache = source.useFilters(m_options.txtword->text(), m_options.txtwl->text());
    if (source.count(fromCache) == 0)
        return;

    const bool capitals = m_options.chkc->isChecked();
    const CaseRule rule = caseRuleOf(m_options);
    RandomSource& random = m_host.random();

    // The answer goes to the box a piece at a time as it is made: a long one
    // never exists whole beside the box's copy. The case rule is applied per
    // piece; Normal touches only the first character of the first.
    std::optional<BoxTextWriter> box;
    QString piece(kAnswerPieceChars, Qt::Uninitialized);
    qsizetype used = 0;
    const auto handOn = [&] {
        const QStringView made(piece.constData(), used);
        const bool first = !box;
        if (first)
            box.emplace(*m_main.txts, [this] { m_main.forms().keepWorking(); });
        if (rule == CaseRule::None || (rule == CaseRule::Normal && !first))
            box->append(made);
        else
            box->append(applyCaseRule(made.toString(), rule));
        used = 0;
    };

    // How far: the words made, of those the answer can have.
    const auto words = qint64(std::min(count, m_main.forms().wordLimit));
    QString word; // the last one placed
    bool placed = false;
    for (double i = 1; i <= count; ++i) {
        if (i > m_main.forms().wordLimit) {
            m_reachedLimit = true;
            break;
        }
        m_main.forms().workProgress(qint64(i) - 1, words);
        if (!m_main.forms().keepWorking())
            break; // what was made so far is the answer
        word = source.draw(fromCache, random, capitals);
        const qsizetype size = word.size() + (placed ? 1 : 0);
        if (used + size > piece.size() && used > 0)
            handOn();
        if (used + size > piece.size())
            piece.resize(used + size);
        QChar* out = piece.data() + used;
        if (placed)
            *out++ = u' ';
        std::copy_n(word.constData(), word.size(), out);
        used += size;
        placed = true;
    }
    if (!placed)
        return;
    handOn();
    static const char16_t* const marks[] = {u".", u"!", u"?"};
    box->append(marks[drawRange(random, 3) - 1]);
    m_main.curword = word;
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
    // Each pattern character is the first letter in turn; the first-letter box
    // keeps what the user set. The cache is brought up to date (pick) only when
    // a character differs, with case, from the one before it, the first from
    // the user's letter: a pattern that starts with that letter takes its first
    // word from the cache as the last answer left it.
    QString letter = m_options.txtword->text();
    WordSource source(*m_main.lstw, *m_main.lstsw, *m_main.lstproper);
    QString answer;
    double words = 0;
    for (const QStringView character : characters(pattern)) {
        if (words >= m_main.forms().wordLimit) {
            m_reachedLimit = true;
            break;
        }
        m_main.forms().workProgress(words, pattern.size());
        if (!m_main.forms().keepWorking())
            break;
        const QString previous = letter;
        letter = character.toString();
        if (letter != previous)
            source.pick(letter, length);
        if (source.count(true) == 0)
            continue; // no learned word fits this position
        m_main.curword = source.draw(true, m_host.random(), capitals);
        answer += m_main.curword;
        answer += QLatin1Char(' ');
        ++words;
    }
    return answer;
}

} // namespace quibbler
