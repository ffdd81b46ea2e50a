// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box behind the seam: title, button, icon and line breaks.

#include "form/helptext.h"
#include "support/suites.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void showsModalBox_data();
    void showsModalBox();
};

void TestMessageBox::showsModalBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("help") << QString::fromStdString(helpText()) << 15;
    QTest::newRow("negative percentage") << "Es wurden weniger als 0 Punkte erreicht!" << 1;
    QTest::newRow("inconsistent table") << "Fehler! Starten Sie das Programm neu!" << 1;
    QTest::newRow("looks like markup") << "<b>5</b> & <i>6</i>" << 1;
}

void TestMessageBox::showsModalBox()
{
    QFETCH(QString, text);
    QFETCH(int, lines);

    QString shownText;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    qsizetype buttons = -1;
    bool plainButton = false;
    bool modal = false;
    int attempts = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (++attempts > 100)
                qFatal("no message box opened");
            return;
        }
        shownText = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->buttons().size();
        plainButton = box->button(QMessageBox::Ok)->icon().isNull();
        modal = box->isModal();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    poll.start(20);

    messagebox::show(nullptr, text); // returns once the box is answered

    QCOMPARE(title, QStringLiteral("Skalix"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY2(plainButton, "the OK button shows a picture");
    QVERIFY(modal);
    QVERIFY(!shownText.contains(u'\r'));
    QCOMPARE(shownText.split(u'\n').size(), lines);
    QCOMPARE(QString(shownText).replace(u'\n', u'\r'), text);
}

SKALIX_TEST_SUITE(TestMessageBox)
#include "tst_messagebox.moc"
