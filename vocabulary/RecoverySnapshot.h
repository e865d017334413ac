#pragma once

#include "vocabulary/RecoveryFile.h"

#include <QObject>
#include <QTimer>

#include <thread>

namespace quibbler {

class Host;
class ListBox;

// Keeps the recovery file up to date while words or names are unsaved, so
// that a crash, a kill or a power cut loses at most the last moment's words.
// A change is written within about a second; the writing itself runs on a
// thread of its own, one write at a time, while the program goes on.
class RecoverySnapshot : public QObject {
    Q_OBJECT
public:
    static const QString kFileName;

    // The lists as they are now count as saved: they came from the start-up files.
    RecoverySnapshot(Host& host, ListBox& words, ListBox& names, QString folder,
                     QObject* parent = nullptr);
    ~RecoverySnapshot() override;

    QString path() const { return m_path; }

    // At start-up: a recovery file left by a run that did not end normally is
    // offered back, and the lists are taken from it when the user wants them.
    void offerBack();

    // The words (or names) as they are now are on disk.
    void wordsSaved();
    void namesSaved();
    bool wordsUnsaved() const;
    bool namesUnsaved() const;

    // The program ends normally: the file goes, and nothing more is written.
    void discard();

    // While off, changes are not written (for comparing what it costs).
    void setActive(bool active) { m_active = active; }

    // Started by the first change after a write; a write begins when it fires.
    QTimer* timer() { return &m_timer; }

signals:
    // A write or a removal of the file has ended.
    void written();

private:
    void listChanged();
    void startWrite();
    // Takes the outcome of the write that has ended, and starts the next.
    void finishWrite();
    // Waits for the write in progress, if any, and takes what it left on
    // disk; its error, if it failed.
    QString collectWriter();
    void setAside();
    recovery::StoreLists current() const;

    Host& m_host;
    ListBox& m_words;
    ListBox& m_names;
    QString m_path;
    recovery::StoreLists m_saved;
    recovery::FileState m_file;
    std::thread m_writer;
    recovery::Update m_outcome; // the writer's, until it is joined
    QTimer m_timer;
    bool m_pending = false;
    bool m_active = true;
    bool m_told = false;
};

} // namespace quibbler
