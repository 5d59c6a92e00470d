#include "AlertDialog.h"
#include "QtMenuDialogs.h"

#include "safety/SafetyCopy.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

class TestMenuDialogs : public QObject {
    Q_OBJECT

    // Runs act on the alert as soon as it is open (the dialogs block until answered). An alert
    // that never opens, or a check that fails inside act, fails the test instead of hanging it.
    bool m_acted = false;
    void whenOpen(std::function<void(AlertDialog &)> act)
    {
        m_acted = false;
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, act, poll, attempts = 0]() mutable {
            auto *alert = qobject_cast<AlertDialog *>(QApplication::activeModalWidget());
            const bool open = alert && alert->isVisible();
            if (open || ++attempts >= 500) {
                poll->stop();
                poll->deleteLater();
            }
            if (!open)
                return;
            m_acted = true;
            act(*alert);
            if (alert->isVisible()) // a failed check left it open
                alert->reject();
        });
        poll->start(10);
    }

    static QStringList buttonTexts(const AlertDialog &alert)
    {
        QStringList texts;
        for (const QPushButton *button : alert.buttons())
            texts << button->text();
        return texts;
    }

private slots:
    void confirmation_data()
    {
        QTest::addColumn<int>("choice"); // -1: Escape
        QTest::addColumn<bool>("result");
        QTest::newRow("Start") << 0 << true;
        QTest::newRow("Cancel") << 1 << false;
        QTest::newRow("Escape") << -1 << false;
    }

    void confirmation()
    {
        QFETCH(int, choice);
        QFETCH(bool, result);
        QString message, informative;
        QStringList buttons;
        bool startIsDefault = false;
        whenOpen([&](AlertDialog &alert) {
            message = alert.message();
            informative = alert.informativeText();
            buttons = buttonTexts(alert);
            startIsDefault = alert.buttons().first()->isDefault();
            if (choice < 0)
                QTest::keyClick(&alert, Qt::Key_Escape);
            else
                alert.buttons().at(choice)->click();
        });
        QCOMPARE(QtMenuDialogs().confirmIndefiniteSession(), result);
        QVERIFY(m_acted);
        QCOMPARE(message, u"Start an indefinite keep-awake session?"_s);
        QCOMPARE(
            informative,
            u"This keeps your computer awake until you stop it. Vigila prevents idle sleep. Your computer "
            u"may still sleep because of lid close, low battery, explicit Sleep, or administrator "
            u"policies."_s);
        QCOMPARE(buttons, (QStringList{u"Start"_s, u"Cancel"_s}));
        QVERIFY(startIsDefault);
    }

    void customDuration()
    {
        QString initial;
        QSize size;
        bool focused = false;
        whenOpen([&](AlertDialog &alert) {
            auto *field = qobject_cast<QLineEdit *>(alert.accessory());
            initial = field->text();
            size = field->size();
            focused = alert.focusWidget() == field;
            QCOMPARE(alert.message(), u"Keep Awake For\u2026"_s);
            QCOMPARE(alert.informativeText(), u"Enter a duration in minutes."_s);
            QTest::keyClicks(field, u" 1.5 "_s);    // replaces the selected suggestion
            QTest::keyClick(field, Qt::Key_Return); // the default button
        });
        QCOMPARE(QtMenuDialogs().askCustomDuration(),
                 std::optional<QString>(u" 1.5 "_s)); // raw: trimmed later
        QVERIFY(m_acted);
        QCOMPARE(initial, u"90"_s);
        QCOMPARE(size, QSize(200, 24));
        QVERIFY(focused);

        whenOpen([](AlertDialog &alert) { alert.buttons().at(1)->click(); });
        QCOMPARE(QtMenuDialogs().askCustomDuration(), std::nullopt);
    }

    void customTime()
    {
        QTime initial;
        whenOpen([&](AlertDialog &alert) {
            auto *field = qobject_cast<QTimeEdit *>(alert.accessory());
            initial = field->time();
            QCOMPARE(alert.message(), u"Keep Awake Until\u2026"_s);
            QCOMPARE(alert.informativeText(), u"Choose the time to stop keeping your computer awake."_s);
            QCOMPARE(field->size(), QSize(200, 28));
            QVERIFY(!field->displayFormat().contains(u's')); // hour and minute only
            field->setTime(QTime(7, 45));
            alert.buttons().first()->click();
        });
        QCOMPARE(QtMenuDialogs().askCustomTime(QTime(21, 30)), std::optional<QTime>(QTime(7, 45)));
        QVERIFY(m_acted);
        QCOMPARE(initial, QTime(21, 30));

        whenOpen([](AlertDialog &alert) { QTest::keyClick(&alert, Qt::Key_Escape); });
        QCOMPARE(QtMenuDialogs().askCustomTime(QTime(9, 0)), std::nullopt);
    }

    void processName()
    {
        QString placeholder;
        QStringList buttons;
        whenOpen([&](AlertDialog &alert) {
            auto *field = qobject_cast<QLineEdit *>(alert.accessory());
            placeholder = field->placeholderText();
            buttons = buttonTexts(alert);
            QCOMPARE(alert.message(), u"Add Process Watch"_s);
            QCOMPARE(alert.informativeText(),
                     u"Keep the computer awake while a process with this name is running."_s);
            QCOMPARE(field->text(), QString());
            QCOMPARE(field->size(), QSize(220, 24));
            QCOMPARE(alert.focusWidget(), field);
            QTest::keyClicks(field, u"claude"_s);
            alert.buttons().first()->click();
        });
        QCOMPARE(QtMenuDialogs().askProcessName(), std::optional<QString>(u"claude"_s));
        QVERIFY(m_acted);
        QCOMPARE(placeholder, u"e.g. claude"_s);
        // Shown as "Add & Enable": a single "&" would have made "E" a shortcut and hidden the ampersand.
        QCOMPARE(buttons, (QStringList{u"Add && Enable"_s, u"Cancel"_s}));
    }

    void broadNameWarning()
    {
        QStringList buttons;
        whenOpen([&](AlertDialog &alert) {
            QCOMPARE(alert.message(), u"Broad process name"_s);
            QCOMPARE(alert.informativeText(), SafetyCopy::broadProcessWarning());
            QCOMPARE(alert.accessory(), nullptr);
            buttons = buttonTexts(alert);
            alert.buttons().first()->click();
        });
        QtMenuDialogs().showBroadProcessWarning();
        QVERIFY(m_acted);
        QCOMPARE(buttons, QStringList{u"OK"_s});
    }
};

QTEST_MAIN(TestMenuDialogs)
#include "tst_menu_dialogs.moc"
