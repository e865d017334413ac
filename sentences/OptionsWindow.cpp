#include "sentences/OptionsWindow.h"

#include "text/Characters.h"
#include "host/Placement.h"
#include "controls/UiFont.h"
#include "vocabulary/Cutting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quibbler {

OptionsWindow::OptionsWindow()
{
    setObjectName(QStringLiteral("frmoptions"));
    setWindowTitle(QStringLiteral("Options"));
    setFont(uiFont(12));
    setFixedSize(337, 514);

    optnorm = place(new QRadioButton(QStringLiteral("Normal"), this), "optnorm", 32, 24, 289, 33);
    optlcase = place(new QRadioButton(QStringLiteral("Make all letters lower-case"), this),
                     "optlcase", 32, 72, 289, 33);
    optucase = place(new QRadioButton(QStringLiteral("Make all letters Uppercase"), this),
                     "optucase", 32, 120, 289, 33);
    chkc = place(new QCheckBox(QStringLiteral("Capitalize common proper nouns"), this), "chkc", 32,
                 168, 289, 25);
    Check1 = place(new QCheckBox(QStringLiteral("Delete current list when you load"), this),
                   "Check1", 32, 208, 289, 25);
    Check1->setChecked(true);

    Label1 = captionLabel(this, "Label1", QStringLiteral("Pick words starting with:"), 32, 248);
    txtword = place(new QLineEdit(this), "txtword", 232, 248, 57, 28);
    txtword->setValidator(new OneCharacter(txtword));

    Label2 = captionLabel(this, "Label2", QStringLiteral("Personality:"), 32, 288);
    cbopersonal = place(new QComboBox(this), "cbopersonal", 152, 288, 137, 28);
    cbopersonal->addItems({QStringLiteral("Regular"), QStringLiteral("Mean"),
                           QStringLiteral("Inquisitive"), QStringLiteral("Custom (below)")});
    // Nothing is selected until start-up selects the first personality.
    cbopersonal->setCurrentIndex(-1);

    Label3 = captionLabel(this, "Label3", QStringLiteral("Pattern:"), 32, 328);
    txtpattern = place(new QLineEdit(this), "txtpattern", 152, 328, 137, 28);
    txtpattern->setEnabled(false);

    Label4 = captionLabel(this, "Label4", QStringLiteral("Numer of letters in word:"), 32, 368);
    txtwl = place(new QLineEdit(this), "txtwl", 240, 368, 49, 28);
    txtwl->setMaxLength(2);

    Label5 = wrappedLabel(this, "Label5", QStringLiteral("Edit delimiters (just type them in)"), 32,
                          408, 145, 41);
    txtdelim = place(new QLineEdit(this), "txtdelim", 192, 408, 97, 28);

    cmdok = place(new QPushButton(QStringLiteral("OK"), this), "cmdok", 120, 464, 105, 33);

    // Screen readers name each box after the caption beside it.
    Label1->setBuddy(txtword);
    Label2->setBuddy(cbopersonal);
    Label3->setBuddy(txtpattern);
    Label4->setBuddy(txtwl);
    Label5->setBuddy(txtdelim);

    const QList<QWidget*> tabOrder{optucase,    optnorm, optlcase,   cmdok, chkc,    txtword,
                                   cbopersonal, Check1,  txtpattern, txtwl, txtdelim};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    connect(cbopersonal, &QComboBox::currentIndexChanged, this, &OptionsWindow::cbopersonal_Click);
    connect(cmdok, &QPushButton::clicked, this, &OptionsWindow::cmdok_Click);
}

void OptionsWindow::Form_Load()
{
    txtdelim->setText(kDefaultDelimiters);
}

void OptionsWindow::cbopersonal_Click()
{
    txtpattern->setEnabled(cbopersonal->currentIndex() == 3);
}

void OptionsWindow::cmdok_Click()
{
    hide();
}

} // namespace quibbler
