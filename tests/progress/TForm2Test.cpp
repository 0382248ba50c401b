#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include "TForm2.h"

using brelvo::Progress;
using brelvo::TForm2;

class TForm2Test : public QObject {
    Q_OBJECT

private slots:
    void startsHiddenWithItsDesign() {
        Progress progress;
        QWidget main;
        TForm2 form2(progress, &main);
        QVERIFY(!form2.isVisible());
        QCOMPARE(form2.windowTitle(), QStringLiteral("atrファイル変換中！"));
        QVERIFY(form2.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(form2.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form2.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form2.label()->text(), QStringLiteral("Labl1"));
        QCOMPARE(form2.label()->objectName(), QStringLiteral("Label1"));
        QCOMPARE(form2.progressBar()->objectName(), QStringLiteral("ProgressBar1"));
        QCOMPARE(form2.progressBar()->minimum(), 0);
        QCOMPARE(form2.progressBar()->maximum(), 100);
        QVERIFY(form2.progressBar()->isHidden());
        QCOMPARE(form2.minimumSize(), form2.maximumSize());
        // The design's 392 x 83 at 13 px text, scaled by the font's real height.
        const double scale = form2.width() / 392.0;
        QVERIFY(qAbs(form2.height() - 83 * scale) <= 1.0);
    }

    void centresOverTheMainWindowWithTruncatedHalves_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("own");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("even") << QRect(100, 100, 300, 200) << QSize(100, 50) << QPoint(200, 175);
        QTest::newRow("odd halves") << QRect(410, 279, 204, 211) << QSize(398, 108) << QPoint(313, 330);
        QTest::newRow("negative truncates toward zero, then 0")
            << QRect(0, 0, 204, 211) << QSize(398, 108) << QPoint(0, 51);
        QTest::newRow("off the left edge") << QRect(-50, 10, 100, 100) << QSize(60, 20) << QPoint(0, 50);
    }
    void centresOverTheMainWindowWithTruncatedHalves() {
        QFETCH(QRect, main);
        QFETCH(QSize, own);
        QFETCH(QPoint, expected);
        QCOMPARE(TForm2::CentredOver(main, own), expected);
    }

    void firstShowingCentresLaterShowingsKeepThePlace() {
        Progress progress;
        QWidget main;
        main.setGeometry(300, 200, 200, 180);
        main.show();
        TForm2 form2(progress, &main);
        progress.SetListener(&form2);
        form2.ShowAndPaint();
        QVERIFY(form2.isVisible());
        const QPoint first = form2.pos();
        QCOMPARE(first, TForm2::CentredOver(main.frameGeometry(), form2.frameGeometry().size()));
        form2.hide();
        main.move(10, 10);
        form2.ShowAndPaint();
        QCOMPARE(form2.pos(), first);
        form2.move(5, 6);
        form2.hide();
        form2.ShowAndPaint();
        QCOMPARE(form2.pos(), QPoint(5, 6));
    }

    void drawsTheModelWhenItSettles() {
        Progress progress;
        QWidget main;
        TForm2 form2(progress, &main);
        progress.SetListener(&form2);
        form2.ShowAndPaint();
        progress.SetStatusText("dir/a&b.atr : 12\r\n");
        progress.SetStep(10);
        progress.SetPosition(0);
        progress.SetBarVisible(true);
        progress.StepIt();
        progress.StepIt();
        progress.Settle();
        // One line, the "&" shown as it is.
        QCOMPARE(form2.label()->text(), QStringLiteral("dir/a&b.atr : 12"));
        QCOMPARE(form2.label()->textFormat(), Qt::PlainText);
        QVERIFY(form2.progressBar()->isVisible());
        QCOMPARE(form2.progressBar()->value(), 20);
        const int narrow = form2.label()->width();
        progress.SetStatusText(std::string(300, 'x') + " : 1\r\n");
        progress.Settle();
        QVERIFY(form2.label()->width() > narrow);
        QCOMPARE(form2.width(), form2.minimumWidth());  // the window does not grow
    }

    void closingOnlyHidesIt() {
        Progress progress;
        QWidget main;
        main.show();
        TForm2 form2(progress, &main);
        form2.ShowAndPaint();
        QVERIFY(form2.close());
        QVERIFY(!form2.isVisible());
        QVERIFY(!form2.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!form2.testAttribute(Qt::WA_QuitOnClose));
        form2.ShowAndPaint();
        QVERIFY(form2.isVisible());
    }

    void labelKeepsItsPlace() {
        Progress progress;
        TForm2 form2(progress, nullptr);
        const QPoint place = form2.label()->pos();
        progress.SetListener(&form2);
        progress.SetStatusText("a : 1\r\n");
        progress.Settle();
        QCOMPARE(form2.label()->pos(), place);
        QCOMPARE(form2.progressBar()->pos().x(), place.x());
    }
};

QTEST_MAIN(TForm2Test)
#include "TForm2Test.moc"
