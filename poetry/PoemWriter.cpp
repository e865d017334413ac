#include "poetry/PoemWriter.h"

#include "app/Forms.h"
#include "controls/BoxTextWriter.h"
#include "controls/LongText.h"
#include "host/Host.h"
#include "host/RandomSource.h"
#include "poetry/PoetryWindow.h"
#include "sentences/Capitalization.h"
#include "sentences/Draws.h"
#include "sentences/OptionsWindow.h"
#include "sentences/TextLimits.h"
#include "sentences/WordSource.h"
#include "text/TextNumbers.h"
#include "vocabulary/MainWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace quibbler {

bool isNumberText(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    return number.match(text).hasMatch();
}

PoemWriter::PoemWriter(Forms& forms, PoetryWindow& window, Host& host)
    : m_forms(forms), m_window(&window), m_host(host)
{ }

bool PoemWriter::turn()
{
    return m_forms.keepWorking() && m_window;
}

void PoemWriter::askWordsPerLine()
{
    QString& numwords = m_forms.numwords;
    do {
        numwords
            = m_host.inputBox(QStringLiteral("How many words?"), QStringLiteral("Words"), numwords);
    } while (leadingNumber(numwords) == 0);
}

bool PoemWriter::write(PoemKind kind)
{
    if (kind == PoemKind::Repetitions)
        askWordsPerLine();
    if (!m_window)
        return false;

    const OptionsWindow& options = m_forms.frmoptions();
    MainWindow& main = m_forms.frmcbox();
    RandomSource& random = m_host.random();
    WordSource source(*main.lstw, *main.lstsw, *main.lstproper);

    // Whatever way the poem ends, what was written so far is shown.
    QString title;
    QString poem;
    const auto show = qScopeGuard([&] {
        if (m_window) {
            m_window->showTitle(title);
            setBoxText(*m_window->txtp, poem, [this] { m_forms.keepWorking(); });
        }
    });

    // The title comes from all the learned words, whatever the filters.
    const int titleWords = drawRange(random, 5);
    for (int i = 0; i < titleWords; ++i) {
        if (source.count(false) == 0)
            return false;
        title += source.draw(false, random).toUpper();
        title += QLatin1Char(' ');
    }

    const QString letter = options.txtword->text();
    // The Letter Incrementor steps its own copy: the options keep the user's length.
    QString length = options.txtwl->text();
    bool fromCache = source.useFilters(letter, length);
    const bool capitals = options.chkc->isChecked();
    const bool incrementor = m_window->chkli->isChecked();
    const CaseRule rule = caseRuleOf(options);

    double written = 0;
    const double stanzas = leadingNumber(m_window->txtlines->text());
    // How far: the stanzas begun, of those asked for (a count past any that
    // could be written is kept within a 64-bit number).
    const auto stanzasAsked = qint64(std::clamp(stanzas, 0.0, 1e15));
    qint64 stanzasBegun = 0;
    // Ends a line: true when the poem goes on with the next one.
    const auto endLine = [&](QString line, bool goOn) {
        if (line.isEmpty())
            return false;
        line.chop(1);
        poem += applyCaseRule(line, rule);
        poem += QLatin1Char('\n');
        return goOn;
    };
    // One stanza of the given number of words; false when the poem stops here.
    // A line cut short by the user or by the size limit is kept; one that cannot
    // be finished for want of words is dropped.
    const auto writeLine = [&](double words) {
        QString line;
        m_forms.workProgress(stanzasBegun++, stanzasAsked);
        if (!turn())
            return false;
        for (double k = 1; k <= words; ++k) {
            if (written >= m_forms.wordLimit) {
                m_reachedLimit = true;
                return endLine(line, false);
            }
            if (k > 1 && static_cast<qint64>(k) % 4096 == 0 && !turn())
                return endLine(line, false);
            if (source.count(fromCache) == 0)
                return false;
            m_window->curword = source.draw(fromCache, random, capitals);
            line += m_window->curword;
            line += QLatin1Char(' ');
            ++written;
            if (incrementor) {
                if (!isNumberText(length))
                    return false;
                length = QString::number(leadingNumber(length) + 1);
                source.pick(letter, length);
                fromCache = true; // a length is set now
            }
        }
        return endLine(line, true);
    };

    switch (kind) {
    case PoemKind::Rising:
        for (double j = 1; j <= stanzas && writeLine(j); ++j) { }
        break;
    case PoemKind::Decreasing:
        for (double j = stanzas; j >= 1 && writeLine(j); --j) { }
        break;
    case PoemKind::Repetitions:
        for (double j = 1; j <= stanzas && writeLine(leadingNumber(m_forms.numwords)); ++j) { }
        break;
    case PoemKind::Random:
        for (double j = 1; j <= stanzas && writeLine(std::floor(random.next() * stanzas + 1));
             ++j) { }
        break;
    }
    return m_reachedLimit;
}

} // namespace quibbler
