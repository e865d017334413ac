// app/: the program's start, its command line, one per data folder, the windows.
#pragma once

#include <QPointer>
#include <QString>

#include <memory>

namespace quibbler {

class AboutWindow;
class Host;
class MainWindow;
class OptionsWindow;
class PoetryWindow;
class WordCountWindow;
class WorkingScreen;

// Owns every window of the program and creates each on first use, running its
// load handler, the way a window comes into being when it is first shown or one
// of its controls is first touched.
class Forms {
public:
    explicit Forms(Host& host);
    ~Forms();

    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Creates the main window, runs its start-up and shows it with the focus
    // in the "Number of Words" box.
    void start();

    MainWindow& frmcbox();
    WorkingScreen& frmwork();
    OptionsWindow& frmoptions();
    // Destroyed when the user closes it; the next use creates it afresh.
    PoetryWindow& frmcbp();
    bool frmcbpLoaded() const { return !m_poetry.isNull(); }
    // Created computing its lists and shown; destroyed by its "Close".
    WordCountWindow& frmfw();
    bool frmfwLoaded() const { return !m_wordCount.isNull(); }
    // Created hidden; destroyed by its "GO BACK".
    AboutWindow& frmabout();
    bool frmaboutLoaded() const { return !m_about.isNull(); }

    // The last words-per-line answer of the Repetitions poem; it outlives the
    // poetry window.
    QString numwords;

    // The most words an answer or a poem gets.
    double wordLimit;

    // True once the working screen has been shown.
    bool frmworkLoaded() const { return m_work != nullptr; }

    Host& host() { return m_host; }

    // Brings the program to the front: the main window, or the working screen
    // while a long operation runs, and any question standing over them.
    void comeForward();

    // Lets the user in between the items of a long operation; false when the
    // user asked on the working screen to stop.
    bool keepWorking();

    // How far the running operation is, in any unit (bytes, characters, words,
    // stanzas): done of total. The working screen shows it once the operation
    // has run half a second, whenever the event loop turns.
    void workProgress(qint64 done, qint64 total)
    {
        m_workDone = done;
        m_workTotal = total;
    }

    // True while a long operation runs.
    bool working() const { return m_workDepth > 0; }
    // One long operation runs at a time: while one runs, a command that would
    // start another brings the working screen to the front instead, where
    // Escape stops the running one. True when the command is to do nothing.
    bool refuseWhileWorking();

private:
    friend class WorkingScope;

    // An operation begins: no progress known yet.
    void beginWork();
    void showWorkProgress();

    Host& m_host;
    // Working scopes open: the working screen shows until the last one ends.
    int m_workDepth = 0;
    qint64 m_workStarted = 0; // steadyMs() when the outermost operation began
    qint64 m_workDone = 0;
    qint64 m_workTotal = 0;
    std::unique_ptr<OptionsWindow> m_options;
    std::unique_ptr<WorkingScreen> m_work;
    std::unique_ptr<MainWindow> m_main;
    QPointer<PoetryWindow> m_poetry;
    QPointer<WordCountWindow> m_wordCount;
    QPointer<AboutWindow> m_about;
};

} // namespace quibbler
