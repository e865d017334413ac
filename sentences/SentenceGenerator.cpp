#include "sentences/SentenceGenerator.h"

#include "app/Forms.h"
#include "host/Host.h"
#include "host/ListBox.h"
#include "host/RandomSource.h"
#include "host/TextNumbers.h"
#include "sentences/Capitalization.h"
#include "sentences/Draws.h"
#include "sentences/OptionsWindow.h"
#include "sentences/Personalities.h"
#include "sentences/WordPick.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScope.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quibbler {

namespace {

// Draws from one list of the store. The list cannot change while an answer is
// built, so its entries are read once; the selection a draw makes is shown
// once, at the end, where the last draw left it.
class ListDraw {
public:
    explicit ListDraw(ListBox& list) : m_list(list), m_entries(list.entries()) { }
    ~ListDraw()
    {
        if (m_last >= 0)
            m_list.setSelectedPos(m_last);
    }
    ListDraw(const ListDraw&) = delete;
    ListDraw& operator=(const ListDraw&) = delete;

    bool isEmpty() const { return m_entries.isEmpty(); }
    int size() const { return static_cast<int>(m_entries.size()); }
    QString draw(RandomSource& random) { return at(drawIndex(random, m_entries.size())); }
    QString at(int position)
    {
        m_last = position;
        return m_entries.at(position);
    }

private:
    ListBox& m_list;
    QStringList m_entries;
    int m_last = -1;
};

// Capitalises words that are known proper nouns, leaving the proper-noun list
// selected where the last look-up stopped.
class ProperNounCapitals {
public:
    ProperNounCapitals(ListBox& properNouns, bool enabled)
        : m_properNouns(properNouns), m_enabled(enabled)
    { }
    ~ProperNounCapitals()
    {
        if (m_used)
            m_properNouns.setSelectedPos(m_stop);
    }
    ProperNounCapitals(const ProperNounCapitals&) = delete;
    ProperNounCapitals& operator=(const ProperNounCapitals&) = delete;

    QString apply(const QString& word)
    {
        if (!m_enabled)
            return word;
        m_used = true;
        m_stop = properNounStop(m_properNouns, word);
        return capitalized(m_properNouns, word);
    }

private:
    ListBox& m_properNouns;
    bool m_enabled;
    bool m_used = false;
    int m_stop = -1;
};

const QString kImpossible = QStringLiteral("I'm sorry, that's impossible");

} // namespace

SentenceGenerator::SentenceGenerator(MainWindow& main, OptionsWindow& options, Host& host)
    : m_main(main), m_options(options), m_host(host)
{ }

void SentenceGenerator::respond()
{
    WorkingScope working(m_main.forms(), {&m_main});
    m_main.txts->clear();
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
    m_main.txts->setPlainText(answer);

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
    if (!letter.isEmpty() || leadingNumber(length) > 0)
        m_main.WordPick();
    // Any filter text, even a length that is no number, draws from the cache.
    ListDraw list(letter.isEmpty() && length.isEmpty() ? *m_main.lstw : *m_main.lstsw);
    if (list.isEmpty())
        return {};

    ProperNounCapitals capitals(*m_main.lstproper, m_options.chkc->isChecked());
    QString answer;
    for (double i = 1; i <= count; ++i) {
        m_host.yield();
        m_main.curword = capitals.apply(list.draw(m_host.random()));
        answer += m_main.curword;
        answer += QLatin1Char(' ');
    }
    if (answer.isEmpty())
        return {};
    answer.chop(1);
    answer = applyCaseRule(answer, caseRuleOf(m_options));
    static const char* const marks[] = {".", "!", "?"};
    return answer + QLatin1String(marks[drawRange(m_host.random(), 3) - 1]);
}

QString SentenceGenerator::mean()
{
    RandomSource& random = m_host.random();
    const int k = drawIndex(random, m_main.lstw->count());
    QString word;
    if (m_options.txtword->text().isEmpty()) {
        word = ListDraw(*m_main.lstw).at(k);
    } else {
        m_main.WordPick();
        ListDraw cache(*m_main.lstsw);
        if (cache.isEmpty())
            return {};
        word = cache.draw(random);
    }
    m_main.curword.clear();
    return meanAnswer(word);
}

QString SentenceGenerator::inquisitive()
{
    const bool filtered = !m_options.txtword->text().isEmpty();
    if (filtered)
        m_main.WordPick();
    ListDraw list(filtered ? *m_main.lstsw : *m_main.lstw);
    RandomSource& random = m_host.random();
    const int k = drawIndex(random, list.size());
    const int q = drawRange(random, 4);
    if (list.isEmpty())
        return {};
    m_main.curword = list.at(k);
    return question(q, m_main.curword);
}

QString SentenceGenerator::custom()
{
    const QString pattern = m_options.txtpattern->text();
    const QString length = m_options.txtwl->text();
    // The first letter box stands for each pattern character in turn; the
    // user's own letter is what the first character is compared with.
    QString letter = m_options.txtword->text();
    ProperNounCapitals capitals(*m_main.lstproper, m_options.chkc->isChecked());
    int lastDrawn = -1;
    QString answer;
    for (const QChar character : pattern) {
        m_host.yield();
        const QString previous = letter;
        letter = character;
        if (letter != previous) {
            if (lastDrawn >= 0)
                m_main.lstsw->setSelectedPos(lastDrawn);
            wordPick(*m_main.lstw, *m_main.lstsw, letter, length);
            lastDrawn = -1;
        }
        if (m_main.lstsw->count() == 0)
            continue; // no learned word fits this position
        lastDrawn = drawIndex(m_host.random(), m_main.lstsw->count());
        m_main.curword = capitals.apply(m_main.lstsw->entryAt(lastDrawn));
        answer += m_main.curword;
        answer += QLatin1Char(' ');
    }
    if (lastDrawn >= 0)
        m_main.lstsw->setSelectedPos(lastDrawn);
    return answer;
}

} // namespace quibbler
