#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

namespace quibbler {

// The small "Working" window that stands in for the windows of a long
// operation; its label cycles "WORKING...", "WORKING.", "WORKING..".
class WorkingScreen : public QWidget {
    Q_OBJECT
public:
    WorkingScreen();

    void Form_Load();
    void Timer1_Timer();

    // Escape on the screen, or closing it, asks the running operation to stop
    // at its next turn; it then ends as it would have, keeping what it made.
    bool stopRequested() const { return m_stopRequested; }
    void requestStop() { m_stopRequested = true; }
    void clearStopRequest() { m_stopRequested = false; }

    // How far the operation is, under the label: hidden until it is told.
    void showProgress(qint64 done, qint64 total);
    void hideProgress();

    QLabel* lblwork = nullptr;
    QTimer* Timer1 = nullptr;
    QProgressBar* prgwork = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_dots = 3;
    bool m_stopRequested = false;
};

} // namespace quibbler
