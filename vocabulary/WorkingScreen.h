#pragma once

#include <QWidget>

class QLabel;
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

    QLabel* lblwork = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int m_dots = 3;
};

} // namespace quibbler
