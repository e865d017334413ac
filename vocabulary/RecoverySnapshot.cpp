#include "vocabulary/RecoverySnapshot.h"

#include "host/Host.h"
#include "controls/ListBox.h"
#include "vocabulary/WordFileFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace quibbler {

namespace {

// Soon enough that a change is on disk within two seconds, late enough that
// a burst of typing is one write.
constexpr int kDelayMs = 1000;

QString counted(qsizetype count, const QString& one, const QString& many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

} // namespace

const QString RecoverySnapshot::kFileName = QStringLiteral("qblrecovery.tmp");

RecoverySnapshot::RecoverySnapshot(Host& host, ListBox& words, ListBox& names, QString folder,
                                   QObject* parent)
    : QObject(parent),
      m_host(host),
      m_words(words),
      m_names(names),
      m_path(QDir(folder).filePath(kFileName)),
      m_saved(current())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoverySnapshot::startWrite);
    connect(&m_words, &ListBox::entriesChanged, this, &RecoverySnapshot::listChanged);
    connect(&m_names, &ListBox::entriesChanged, this, &RecoverySnapshot::listChanged);
}

RecoverySnapshot::~RecoverySnapshot()
{
    collectWriter();
}

recovery::StoreLists RecoverySnapshot::current() const
{
    return {m_words.entries(), m_names.entries()};
}

void RecoverySnapshot::offerBack()
{
    if (!QFileInfo::exists(m_path))
        return;
    // Read as any words file is: a path that is not a regular file is refused.
    QStringList fields;
    const std::optional<recovery::StoreLists> found
        = wordfile::loadFields(m_path, fields).ok ? recovery::read(fields) : std::nullopt;
    if (!found) {
        setAside();
        return;
    }
    if (recovery::sameLists(*found, current())) {
        QFile::remove(m_path); // nothing in it that the start-up files lack
        return;
    }
    const QString question
        = QStringLiteral("Quibbler did not end normally last time. A copy of its unsaved lists was "
                         "kept: %1 and %2.\n\nDo you want them back?")
              .arg(counted(found->words.size(), QStringLiteral("word"), QStringLiteral("words")),
                   counted(found->names.size(), QStringLiteral("proper noun"),
                           QStringLiteral("proper nouns")));
    if (m_host.msgBox(question, Buttons::YesNo) != Answer::Yes) {
        QFile::remove(m_path);
        return;
    }
    m_words.clearAll();
    m_words.appendAll(found->words);
    m_names.clearAll();
    m_names.appendAll(found->names);
    // The file stays until it is written anew: it holds these very lists.
}

void RecoverySnapshot::setAside()
{
    QString aside = m_path + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".unreadable-%1").arg(n);
    const QString where = QDir::toNativeSeparators(m_path);
    if (QFile::rename(m_path, aside)) {
        m_host.msgBox(
            QStringLiteral("The recovery copy %1 could not be read. It was set aside as %2.")
                .arg(where, QDir::toNativeSeparators(aside)));
    } else {
        m_host.msgBox(
            QStringLiteral("The recovery copy %1 could not be read, nor set aside.").arg(where));
    }
}

void RecoverySnapshot::wordsSaved()
{
    m_saved.words = m_words.entries();
    listChanged();
}

void RecoverySnapshot::namesSaved()
{
    m_saved.names = m_names.entries();
    listChanged();
}

bool RecoverySnapshot::wordsUnsaved() const
{
    return !recovery::sameEntries(m_words.entries(), m_saved.words);
}

bool RecoverySnapshot::namesUnsaved() const
{
    return !recovery::sameEntries(m_names.entries(), m_saved.names);
}

void RecoverySnapshot::listChanged()
{
    if (!m_active)
        return;
    m_pending = true;
    // Not restarted by later changes: a long job that changes the lists all
    // the time is written every second or so, not only at its end.
    if (!m_writer.joinable() && !m_timer.isActive())
        m_timer.start();
}

void RecoverySnapshot::startWrite()
{
    if (!m_active || m_writer.joinable())
        return;
    m_pending = false;
    // The lists are handed over as copies that share their entries: taking
    // them costs nothing, and the store changes on while they are written.
    // Its end is told through the event loop, which drops the news if this
    // object is gone by then (it waits for the thread before it goes).
    m_writer = std::thread([this, before = m_file, saved = m_saved, now = current()] {
        m_outcome = recovery::update(m_path, before, saved, now);
        QMetaObject::invokeMethod(this, &RecoverySnapshot::finishWrite, Qt::QueuedConnection);
    });
}

QString RecoverySnapshot::collectWriter()
{
    if (!m_writer.joinable())
        return {};
    m_writer.join();
    m_file = m_outcome.state;
    return std::exchange(m_outcome.error, {});
}

void RecoverySnapshot::finishWrite()
{
    if (!m_writer.joinable())
        return;
    const QString error = collectWriter();
    if (m_pending && m_active)
        m_timer.start();
    emit written();
    // Said once: the program goes on, the words stay in memory.
    if (!error.isEmpty() && !std::exchange(m_told, true))
        m_host.msgBox(error + QStringLiteral("\n\nSave your words to keep them."));
}

void RecoverySnapshot::discard()
{
    m_active = false;
    m_timer.stop();
    collectWriter();
    QFile::remove(m_path);
}

} // namespace quibbler
