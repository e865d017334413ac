#include "host/Keys.h"

#include <QLineEdit>
#include <QTest>

using namespace quibbler;

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void keyCodes_data();
    void keyCodes();
    void shiftStates_data();
    void shiftStates();
    void handlerSeesEveryKeyAndMayUseItUp();
};

void TestKeys::keyCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code");
    QTest::newRow("Return") << int(Qt::Key_Return) << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 13;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 46;
    QTest::newRow("C") << int(Qt::Key_C) << 67;
    QTest::newRow("F5") << int(Qt::Key_F5) << 116;
    QTest::newRow("unknown") << int(Qt::Key_Launch0) << 0;
}

void TestKeys::keyCodes()
{
    QFETCH(int, qtKey);
    QFETCH(int, code);
    QCOMPARE(keyCodeOf(qtKey), code);
}

void TestKeys::shiftStates_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("state");
    QTest::newRow("none") << Qt::KeyboardModifiers() << 0;
    QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl alone") << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
    QTest::newRow("Ctrl+Shift") << (Qt::ControlModifier | Qt::ShiftModifier) << 3;
    QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier) << 4;
    QTest::newRow("keypad is no shift") << Qt::KeyboardModifiers(Qt::KeypadModifier) << 0;
}

void TestKeys::shiftStates()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, state);
    QCOMPARE(shiftStateOf(modifiers), state);
}

void TestKeys::handlerSeesEveryKeyAndMayUseItUp()
{
    QLineEdit box;
    QList<QPair<int, int>> seen;
    onKeyDown(&box, [&](int code, int shift) {
        seen.append({code, shift});
        return code == key::Enter || code == 'X';
    });
    QTest::keyClick(&box, Qt::Key_A);
    QTest::keyClick(&box, Qt::Key_X, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Return);
    // The modifier keys themselves reach the handler too, as they are pressed.
    QCOMPARE(seen, (QList<QPair<int, int>>{{65, 0}, {16, 1}, {88, 1}, {17, 2}, {67, 2}, {13, 0}}));
    QCOMPARE(box.text(), QString("a"));
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
