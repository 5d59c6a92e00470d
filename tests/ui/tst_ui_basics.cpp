#include "BrandAssets.h"
#include "HostingWindowController.h"
#include "SingleInstance.h"
#include "UnixSignalWatcher.h"
#include "preferences/RowScrollArea.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <QTest>
#include <QVBoxLayout>
#include <csignal>
#include <optional>

using namespace Qt::StringLiterals;

class TestUiBasics : public QObject {
    Q_OBJECT

private slots:
    void brandMarksLoadAndTint()
    {
        const auto open = BrandAssets::image(BrandAssets::openEyeName());
        QVERIFY(open);
        QCOMPARE(open->size(), QSize(24, 24));
        QVERIFY(BrandAssets::sleepingEye(Qt::black));
        QCOMPARE(BrandAssets::aboutLogo()->size(), QSize(72, 72));

        // A template takes exactly the colour it is given, wherever the mark is drawn.
        const auto icon = BrandAssets::openEye(QColor(255, 128, 0));
        QVERIFY(icon);
        const QImage drawn = icon->pixmap(QSize(24, 24)).toImage();
        const QColor centre = drawn.pixelColor(12, 12); // the pupil
        QCOMPARE(centre.red(), 255);
        QCOMPARE(centre.green(), 128);
        QCOMPARE(centre.blue(), 0);
        QCOMPARE(drawn.pixelColor(0, 0).alpha(), 0); // the corner stays transparent
    }

    // The time left drawn into the eye: in the mark's own colour, below it, at every size.
    void badgeIsDrawnBelowTheMark()
    {
        const QColor orange(255, 128, 0);
        const auto inked = [&](const QImage &image, const QRect &area) { // edges blend into the halo
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.alpha() > 128 && qAbs(c.red() - 255) < 48 && qAbs(c.green() - 128) < 48 &&
                             c.blue() < 48;
                }
            }
            return count;
        };
        for (const int pixels : {16, 22, 24, 32, 48}) {
            const QSize size(pixels, pixels);
            const QRect below(0, pixels * 6 / 10, pixels, pixels - pixels * 6 / 10);
            const QImage fifteen = BrandAssets::openEye(orange, u"15"_s)->pixmap(size).toImage();
            QVERIFY2(inked(fifteen, below) > pixels / 2, qPrintable(QString::number(pixels)));
            QVERIFY(inked(fifteen, below) >
                    inked(BrandAssets::openEye(orange, u"5"_s)->pixmap(size).toImage(), below));
            QVERIFY(inked(fifteen, QRect(0, 0, pixels, pixels / 2)) > pixels / 4); // the eye, above
        }
    }

    // A row wider than the list, as a long translation makes one, widens the window around it
    // instead of running under its right edge; also when the row arrives after the window is shown.
    void rowListWidensForItsWidestRow()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto *list = new RowScrollArea;
        auto *rows = new QWidget;
        auto *rowsLayout = new QVBoxLayout(rows);
        list->setWidget(rows);
        list->setWidgetResizable(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        layout->addWidget(list);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto *wide = new QLabel(QString(200, u'x'));
        rowsLayout->addWidget(wide);
        QTRY_VERIFY(wide->width() >= wide->sizeHint().width());
        QVERIFY(list->viewport()->width() >= wide->sizeHint().width());
    }

    void missingMarksAreAbsentNotErrors()
    {
        QCOMPARE(BrandAssets::image(u"no-such-mark"_s), std::nullopt);
        QCOMPARE(BrandAssets::menuBarTemplate(u"no-such-mark"_s, Qt::black).has_value(), false);
    }

    void windowIsCreatedOnceAndKept()
    {
        int made = 0;
        HostingWindowController controller(u"Vigila Preferences"_s, [&] {
            ++made;
            auto *view = new QLabel(u"view"_s);
            view->setMinimumSize(300, 200);
            return view;
        });
        QCOMPARE(controller.window(), nullptr); // nothing until first use
        controller.show();
        QWidget *first = controller.window();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowTitle(), u"Vigila Preferences"_s);
        first->move(first->pos() + QPoint(37, 21));
        const QPoint moved = first->pos();
        first->close();
        QVERIFY(!first->isVisible());
        controller.show();
        QCOMPARE(controller.window(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->pos(), moved); // not centred again
        QCOMPARE(made, 1);
    }

    void signalsArriveOnTheEventLoop()
    {
        UnixSignalWatcher watcher({SIGTERM, SIGHUP});
        QVERIFY(watcher.isValid());
        QSignalSpy spy(&watcher, &UnixSignalWatcher::signalReceived);
        ::raise(SIGTERM); // would end the process without the watcher
        ::raise(SIGHUP);
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), SIGTERM);
        QCOMPARE(spy.at(1).at(0).toInt(), SIGHUP);
    }

    void secondInstanceIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"vigila.lock"_s);
        SingleInstance first({path});
        QCOMPARE(first.acquire(), SingleInstance::Outcome::Primary);
        SingleInstance second({path});
        QCOMPARE(second.acquire(), SingleInstance::Outcome::AnotherInstance);
        QCOMPARE(second.ownerPid(), QCoreApplication::applicationPid());
    }

    // One Vigila per user, not per session: a second session of the same user (another display,
    // another login) finds the first one's lock in the shared runtime folder.
    void secondSessionOfTheSameUserFindsTheFirst()
    {
        QTemporaryDir runtime;
        QVERIFY(
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const auto session = [&](const QByteArray &id, const QByteArray &display) {
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
            qputenv("XDG_SESSION_ID", id);
            qputenv("DISPLAY", display);
            return SingleInstance::defaultLockPaths();
        };
        const QList<QByteArray> names{"XDG_RUNTIME_DIR", "XDG_SESSION_ID", "DISPLAY"};
        QList<std::optional<QByteArray>> before;
        for (const QByteArray &name : names)
            before << (qEnvironmentVariableIsSet(name.constData()) ? std::optional(qgetenv(name.constData()))
                                                                   : std::nullopt);

        SingleInstance first(session("1", ":1"));
        const SingleInstance::Outcome firstOutcome = first.acquire();
        SingleInstance second(session("2", ":2"));
        const SingleInstance::Outcome secondOutcome = second.acquire();

        for (qsizetype i = 0; i < names.size(); ++i) {
            if (before[i])
                qputenv(names[i].constData(), *before[i]);
            else
                qunsetenv(names[i].constData());
        }
        QCOMPARE(firstOutcome, SingleInstance::Outcome::Primary);
        QVERIFY2(first.lockPath().startsWith(runtime.path()), qPrintable(first.lockPath()));
        QCOMPARE(secondOutcome, SingleInstance::Outcome::AnotherInstance);
        QCOMPARE(second.ownerPid(), QCoreApplication::applicationPid());
    }

    // A lock file that cannot be made is not another instance: the next place is tried, and with
    // none left the caller is told so.
    void lockThatCannotBeMadeIsNoOtherInstance_data()
    {
        QTest::addColumn<QString>("folder");   // made a file, so nothing can be created in it
        QTest::addColumn<QString>("occupied"); // made a folder where the lock file belongs
        QTest::newRow("folder unusable") << u"run"_s << QString();
        QTest::newRow("lock file's place taken") << QString() << u"run/vigila.lock"_s;
    }

    void lockThatCannotBeMadeIsNoOtherInstance()
    {
        QFETCH(QString, folder);
        QFETCH(QString, occupied);
        QTemporaryDir dir;
        QFile file(dir.filePath(folder));
        QVERIFY(folder.isEmpty() || file.open(QIODevice::WriteOnly));
        QVERIFY(occupied.isEmpty() || QDir().mkpath(dir.filePath(occupied)));
        const QString blocked = dir.filePath(u"run/vigila.lock"_s);
        const QString fallback = dir.filePath(u"cache/vigila.lock"_s);

        SingleInstance first({blocked, fallback});
        QCOMPARE(first.acquire(), SingleInstance::Outcome::Primary);
        QCOMPARE(first.lockPath(), fallback);
        SingleInstance second({blocked, fallback});
        QCOMPARE(second.acquire(), SingleInstance::Outcome::AnotherInstance);
        QCOMPARE(second.ownerPid(), QCoreApplication::applicationPid());

        SingleInstance nowhere({blocked});
        QCOMPARE(nowhere.acquire(), SingleInstance::Outcome::NoLock);
        QVERIFY2(nowhere.failure().startsWith(blocked), qPrintable(nowhere.failure()));
        QCOMPARE(nowhere.ownerPid(), 0);
    }
};

QTEST_MAIN(TestUiBasics)
#include "tst_ui_basics.moc"
