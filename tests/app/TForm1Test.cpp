#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>
#include <filesystem>

#include "ErrorDisplay.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TempFolder.h"

using namespace brelvo;
using test::ReadBytes;
using test::WriteBytes;

namespace {

const std::string kBlock = "m\n}\n";
const QString kConversionError = QStringLiteral("バリアントの型変換が正しくありません.");

class FakeOpenDialog : public OpenDialog {
public:
    std::optional<std::vector<std::string>> chosen;
    int openings = 0;
    bool progressShownWhileOpen = false;
    QWidget* progressWindow = nullptr;
    std::optional<std::vector<std::string>> Choose(QWidget*) override {
        ++openings;
        progressShownWhileOpen = progressWindow != nullptr && progressWindow->isVisible();
        return chosen;
    }
};

bool Converted(const std::string& path) {
    return ReadBytes(path).find("celllookedge") != std::string::npos;
}

}  // namespace

class TForm1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    FakeOpenDialog* dialog = nullptr;
    QStringList errors;

    QLineEdit* edit() const { return form1->findChild<QLineEdit*>("Edit1"); }
    QSlider* trackBar() const { return form1->findChild<QSlider*>("TrackBar1"); }
    QPushButton* button() const { return form1->findChild<QPushButton*>("Button1"); }
    QRadioButton* radio(int item) const {
        return form1->findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item%1").arg(item));
    }

    void clearEdit() {
        edit()->setFocus();
        QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_Backspace);
    }
    void drop(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls << (path.startsWith("http") ? QUrl(path) : QUrl::fromLocalFile(path));
        }
        QMimeData data;
        data.setUrls(urls);
        QWidget* target = edit();  // over a control: the main window still takes the drop
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QVERIFY(dropped.isAccepted());
    }

private slots:
    void init() {
        errors.clear();
        ErrorDisplay::SetPresenterForTests([this](const QString& text) { errors << text; });
        form1 = std::make_unique<TForm1>();
        form2 = std::make_unique<TForm2>(form1->progress(), form1.get());
        form1->SetProgressWindow(form2.get());
        auto fake = std::make_unique<FakeOpenDialog>();
        dialog = fake.get();
        dialog->progressWindow = form2.get();
        form1->SetOpenDialog(std::move(fake));
        form1->show();
        form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form1.get()));
    }
    void cleanup() {
        form2.reset();
        form1.reset();
    }

    void startsFromTheDesign() {
        QCOMPARE(form1->windowTitle(), QStringLiteral("Brelvo"));
        QCOMPARE(QApplication::focusWidget(), button());
        QVERIFY(button()->isDefault());
        QVERIFY(radio(4)->isChecked());
        QCOMPARE(trackBar()->value(), 3);
        QCOMPARE(trackBar()->minimum(), 0);
        QCOMPARE(trackBar()->maximum(), 10);
        QCOMPARE(trackBar()->pageStep(), 2);
        QCOMPARE(edit()->text(), QStringLiteral("3"));
        QCOMPARE(edit()->maxLength(), 3);
        QCOMPARE(form1->findChild<QCheckBox*>("CheckBox1")->text(), QStringLiteral("BAKUP作成"));
        QCOMPARE(form1->findChild<QCheckBox*>("CheckBox2")->text(), QStringLiteral("ファイルを指定"));
        QCOMPARE(form1->findChild<QGroupBox*>("RadioGroup1")->title(), QStringLiteral("セルアニメ調"));
        QCOMPARE(form1->findChild<QGroupBox*>("GroupBox1")->title(), QStringLiteral("輪郭線の太さ"));
        QVERIFY(!(form1->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form1->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(form1->minimumSize(), form1->maximumSize());
        QCOMPARE(form1->settings().OutlineRate, 0.003);
        QVERIFY(form1->settings().EdgeOptions.empty());
        QVERIFY(!form2->isVisible());
    }

    void tabGoesThroughTheControlsInOrder() {
        const QStringList expected = {"CheckBox1", "CheckBox2", "RadioGroup1Item4",
                                      "TrackBar1", "Edit1",     "Button1"};
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void windowOffTheScreenComesBackAtItsFirstShowing() {
        TForm1 other;
        other.move(-40, -30);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QCOMPARE(other.pos(), QPoint(0, 0));
    }

    void centringArithmetic() {
        QCOMPARE(TForm1::CenteredOnScreen(QSize(1024, 768), QSize(204, 211)), QPoint(410, 279));
        QCOMPARE(TForm1::CenteredOnScreen(QSize(1023, 767), QSize(203, 211)), QPoint(410, 278));
        QCOMPARE(TForm1::CenteredOnScreen(QSize(100, 100), QSize(301, 120)), QPoint(-100, -10));
    }

    void rateControlsFollowTheirRules() {
        // Typing 1 then 5 into an empty box with the track bar at 3.
        clearEdit();
        QCOMPARE(trackBar()->value(), 3);
        QTest::keyClicks(edit(), "1");
        QCOMPARE(trackBar()->value(), 1);
        QCOMPARE(form1->settings().OutlineRate, 0.001);
        QTest::keyClicks(edit(), "5");
        QCOMPARE(edit()->text(), QStringLiteral("10"));
        QCOMPARE(trackBar()->value(), 10);
        QCOMPARE(form1->settings().OutlineRate, 0.01);

        // 10 becomes 100 with the bar at 10: the typed rate survives.
        QTest::keyClick(edit(), Qt::Key_End);
        QTest::keyClicks(edit(), "0");
        QCOMPARE(edit()->text(), QStringLiteral("100"));
        QCOMPARE(trackBar()->value(), 10);
        QCOMPARE(form1->settings().OutlineRate, 0.1);
        radio(1)->setFocus();
        QTest::keyClick(radio(1), Qt::Key_Space);
        QVERIFY(form1->settings().EdgeOptions.find(" rate 0.1 shader 3 ( 0.000 0.500") != std::string::npos);

        // A scroll notification that does not move the bar still resets rate and box.
        QTest::keyClick(trackBar(), Qt::Key_Right);
        QCOMPARE(trackBar()->value(), 10);
        QCOMPARE(edit()->text(), QStringLiteral("10"));
        QCOMPARE(form1->settings().OutlineRate, 0.01);

        // -5 with the bar at 0: the lone "-" is no number yet and says so.
        QTest::keyClick(trackBar(), Qt::Key_Home);
        QCOMPARE(edit()->text(), QStringLiteral("0"));
        clearEdit();
        QTest::keyClicks(edit(), "-");
        QCOMPARE(errors, QStringList{kConversionError});
        QTest::keyClicks(edit(), "5");
        QCOMPARE(trackBar()->value(), 0);
        QCOMPARE(form1->settings().OutlineRate, -0.005);

        // 2.4 with the bar at 2.
        trackBar()->setFocus();
        QTest::keyClick(trackBar(), Qt::Key_PageUp);
        QCOMPARE(trackBar()->value(), 2);
        QCOMPARE(edit()->text(), QStringLiteral("2"));
        QTest::keyClick(edit(), Qt::Key_End);
        edit()->setFocus();
        QTest::keyClicks(edit(), ".4");
        QCOMPARE(trackBar()->value(), 2);
        QCOMPARE(form1->settings().OutlineRate, 0.0024);

        // A letter: the error box, nothing changed.
        errors.clear();
        clearEdit();
        QTest::keyClicks(edit(), "a");
        QCOMPARE(errors, QStringList{kConversionError});
        QCOMPARE(trackBar()->value(), 2);
        QCOMPARE(form1->settings().OutlineRate, 0.0024);
        QCOMPARE(edit()->text(), QStringLiteral("a"));
    }

    void trackBarMovesByOneAndTwo() {
        trackBar()->setFocus();
        QTest::keyClick(trackBar(), Qt::Key_Right);
        QCOMPARE(trackBar()->value(), 4);
        QCOMPARE(edit()->text(), QStringLiteral("4"));
        QTest::keyClick(trackBar(), Qt::Key_PageUp);
        QCOMPARE(trackBar()->value(), 6);
        QCOMPARE(form1->settings().OutlineRate, 0.006);
    }

    void trackBarMouseScrollsNotifyToo() {
        // A click beside the thumb pages the bar; its release ends the scroll. Both set rate and box.
        QSlider* bar = trackBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, bar->height() / 2));
        QVERIFY(bar->value() > 3);
        QCOMPARE(edit()->text(), QString::number(bar->value()));
        QCOMPARE(form1->settings().OutlineRate, bar->value() / 1000.0);
        // Pressing and releasing on the thumb moves nothing, yet the end of the scroll resets
        // a typed rate to the position.
        clearEdit();
        QTest::keyClicks(edit(), QString::number(bar->value()) + ".4");
        QVERIFY(form1->settings().OutlineRate != bar->value() / 1000.0);
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->value();
        option.sliderValue = bar->value();
        const QRect thumb =
            bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
        const int before = bar->value();
        QTest::mouseClick(bar, Qt::LeftButton, {}, thumb.center());
        QCOMPARE(bar->value(), before);
        QCOMPARE(edit()->text(), QString::number(before));
        QCOMPARE(form1->settings().OutlineRate, before / 1000.0);
    }

    void presetClickRebuildsOnlyOnChange() {
        radio(4)->setFocus();
        QTest::keyClick(radio(4), Qt::Key_Space);
        QVERIFY(form1->settings().EdgeOptions.empty());
        QTest::keyClick(radio(4), Qt::Key_Left);
        QVERIFY(radio(3)->isChecked());
        QVERIFY(form1->settings().EdgeOptions.find("( 0.000 0.544 0.500 )") != std::string::npos);
    }

    void checkBoxesSetTheFlags() {
        auto* backup = form1->findChild<QCheckBox*>("CheckBox1");
        auto* select = form1->findChild<QCheckBox*>("CheckBox2");
        QTest::mouseClick(backup, Qt::LeftButton, {}, QPoint(6, backup->height() / 2));
        QVERIFY(form1->settings().MakeBackup);
        QTest::mouseClick(backup, Qt::LeftButton, {}, QPoint(6, backup->height() / 2));
        QVERIFY(!form1->settings().MakeBackup);
        select->setFocus();
        QTest::keyClick(select, Qt::Key_Space);
        QVERIFY(form1->settings().SelectFiles);
    }

    void enterRightAfterStartRunsTheWorkingFile() {
        test::TempFolder folder;
        std::filesystem::create_directory(folder / "temp");
        WriteBytes(folder / "temp/_temp.atr", kBlock);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.path()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QDir::setCurrent(previous);
        QVERIFY(errors.isEmpty());
        QVERIFY(ReadBytes(folder / "temp/_temp.atr").find("rate 0.003 shader") != std::string::npos);
        QVERIFY(!form2->isVisible());
    }

    void enterAfterTypingRunsWithThatValue() {
        test::TempFolder folder;
        std::filesystem::create_directory(folder / "temp");
        WriteBytes(folder / "temp/_temp.atr", kBlock);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.path()));
        clearEdit();
        QTest::keyClicks(edit(), "7");
        QTest::keyClick(edit(), Qt::Key_Enter, Qt::KeypadModifier);
        QDir::setCurrent(previous);
        QVERIFY(ReadBytes(folder / "temp/_temp.atr").find("rate 0.007 shader") != std::string::npos);
    }

    void runWithoutTheWorkingFileShowsTheError() {
        test::TempFolder folder;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.path()));
        button()->click();
        QDir::setCurrent(previous);
        QCOMPARE(errors, QStringList{QStringLiteral("不正なファイル名です.")});
        QVERIFY(!form2->isVisible());
        QVERIFY(form1->isVisible());
    }

    void runWithChosenFiles() {
        test::TempFolder folder;
        form1->settings().SelectFiles = true;
        for (const char* name : {"a.atr", "b.atr", "c.atr"}) {
            WriteBytes(folder / name, "");
        }
        dialog->chosen = std::vector<std::string>{folder / "a.atr", folder / "b.atr", folder / "c.atr"};
        button()->click();
        QVERIFY(dialog->progressShownWhileOpen);
        QCOMPARE(form1->progress().Bar().Step(), 33);
        QCOMPARE(form1->progress().Bar().Position(), 99);
        QVERIFY(!form2->isVisible());
        QVERIFY(errors.isEmpty());
    }

    void cancelTouchesNothing() {
        test::TempFolder folder;
        form1->settings().SelectFiles = true;
        WriteBytes(folder / "a.atr", kBlock);
        dialog->chosen.reset();
        button()->click();
        QCOMPARE(dialog->openings, 1);
        QVERIFY(dialog->progressShownWhileOpen);
        QVERIFY(!form2->isVisible());
        QCOMPARE(ReadBytes(folder / "a.atr"), kBlock);
        QVERIFY(errors.isEmpty());
    }

    // The second file was chosen in the dialog and is gone when the run reaches it.
    void failureInTheSecondOfThreeFiles() {
        test::TempFolder folder;
        form1->settings().SelectFiles = true;
        WriteBytes(folder / "a.atr", kBlock);
        WriteBytes(folder / "c.atr", kBlock);
        dialog->chosen = std::vector<std::string>{folder / "a.atr", folder / "b.atr", folder / "c.atr"};
        bool progressShownDuringError = false;
        ErrorDisplay::SetPresenterForTests([&](const QString& text) {
            errors << text;
            progressShownDuringError = form2->isVisible();
        });
        button()->click();
        QVERIFY(Converted(folder / "a.atr"));
        QCOMPARE(ReadBytes(folder / "c.atr"), kBlock);
        QCOMPARE(errors, QStringList{QStringLiteral("ファイルが見つかりません.")});
        QVERIFY(progressShownDuringError);
        QVERIFY(!form2->isVisible());
    }

    void dropConvertsAtrNamesOnly() {
        test::TempFolder folder;
        // Names longer than any fixed buffer are taken whole.
        const std::string deep =
            std::string(120, 'd') + "/" + std::string(120, 'e') + "/" + std::string(120, 'f');
        std::filesystem::create_directories(folder / deep);
        WriteBytes(folder / "a.ATR", kBlock);
        WriteBytes(folder / "b.txt", kBlock);
        WriteBytes(folder / (deep + "/c.atr"), kBlock);
        form1->progress().SetPosition(0);
        drop({QString::fromStdString(folder / "a.ATR"), QString::fromStdString(folder / "b.txt"),
              "https://example.org/remote.atr", QString::fromStdString(folder / (deep + "/c.atr"))});
        QTRY_VERIFY(Converted(folder / (deep + "/c.atr")));
        QVERIFY(Converted(folder / "a.ATR"));
        QCOMPARE(ReadBytes(folder / "b.txt"), kBlock);
        QTRY_VERIFY(form1->isVisible());
        QVERIFY(!form2->isVisible());
        QVERIFY(!form1->progress().Bar().Visible());
        QVERIFY(errors.isEmpty());
    }

    void dropOfOtherNamesOnlyRestoresTheWindows() {
        test::TempFolder folder;
        WriteBytes(folder / "b.txt", kBlock);
        form1->progress().SetPosition(10);
        drop({QString::fromStdString(folder / "b.txt"), QString::fromStdString(folder / "d.doc")});
        QTRY_COMPARE(form1->progress().Bar().Position(), 0);  // two steps of 50 from 10 start over
        QTRY_VERIFY(form1->isVisible());
        QVERIFY(!form2->isVisible());
        QCOMPARE(ReadBytes(folder / "b.txt"), kBlock);
    }

    void failedDropShowsTheErrorAndRestoresTheMainWindow() {
        test::TempFolder folder;
        const std::string longName = std::string(200, 'n') + "/" + std::string(200, 'm') + ".atr";
        drop({QString::fromStdString(folder / longName)});
        QTRY_COMPARE(errors, QStringList{QStringLiteral("不正なファイル名です.")});
        QTRY_VERIFY(form1->isVisible());
        QVERIFY(!form2->isVisible());
    }

    void sameFileDroppedTwiceIsConvertedOnce() {
        test::TempFolder folder;
        WriteBytes(folder / "a.atr", kBlock);
        const QString path = QString::fromStdString(folder / "a.atr");
        drop({path});
        QTRY_VERIFY(Converted(folder / "a.atr"));
        const std::string once = ReadBytes(folder / "a.atr");
        WriteBytes(folder / "a.atr", kBlock);
        drop({path, path});
        QTRY_VERIFY(form1->isVisible());
        QTRY_COMPARE(ReadBytes(folder / "a.atr"), once);
        QVERIFY(errors.isEmpty());
    }

    void closeDuringARunWaitsForIt() {
        test::TempFolder folder;
        form1->settings().SelectFiles = true;
        WriteBytes(folder / "a.atr", kBlock);
        bool closedDuringRun = true;
        auto* fake = dialog;
        fake->chosen = std::vector<std::string>{folder / "a.atr"};
        ErrorDisplay::SetPresenterForTests([&](const QString&) {});
        // The dialog is the one moment of a run where the window system is heard: ask to close then.
        struct ClosingDialog : FakeOpenDialog {
            TForm1* form = nullptr;
            bool* stillShown = nullptr;
            std::optional<std::vector<std::string>> Choose(QWidget* parent) override {
                form->close();
                *stillShown = form->isVisible();
                return FakeOpenDialog::Choose(parent);
            }
        };
        auto closing = std::make_unique<ClosingDialog>();
        closing->form = form1.get();
        closing->stillShown = &closedDuringRun;
        closing->chosen = fake->chosen;
        form1->SetOpenDialog(std::move(closing));
        button()->click();
        QVERIFY(closedDuringRun);              // still shown while the run lasted
        QVERIFY(Converted(folder / "a.atr"));  // the run went on
        QVERIFY(!form1->isVisible());          // and the window closed after it
    }

    void spaceOnTheFocusedRunButtonRuns() {
        test::TempFolder folder;
        form1->settings().SelectFiles = true;
        dialog->chosen.reset();
        button()->setFocus();
        QTest::keyClick(button(), Qt::Key_Space);
        QCOMPARE(dialog->openings, 1);
    }

    void openDialogShowsItsTitleFilterAndSuffix() {
        OpenDialog openDialog;
        QFileDialog fileDialog;
        openDialog.Configure(fileDialog);
        QCOMPARE(fileDialog.windowTitle(), QStringLiteral("ATRファイルを開く"));
        QCOMPARE(fileDialog.defaultSuffix(), QStringLiteral("suf"));
        QCOMPARE(fileDialog.fileMode(), QFileDialog::ExistingFiles);
        auto* types = fileDialog.findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types != nullptr);
        QCOMPARE(types->count(), 1);
        QCOMPARE(types->itemText(0), QStringLiteral("atr files(*.atr),"));
    }

    void openDialogChoosesFilesAndStartsNextTimeFromTheFirst() {
        test::TempFolder folder;
        WriteBytes(folder / "x.atr", kBlock);
        WriteBytes(folder / "y.atr", kBlock);
        WriteBytes(folder / "z.txt", kBlock);
        OpenDialog openDialog;
        openDialog.FileName = QString::fromStdString(folder / "x.atr");
        QTimer::singleShot(0, [&] {
            auto* open = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(open != nullptr);
            open->selectFile(QStringLiteral("\"y.atr\" \"x.atr\""));
            static_cast<QDialog*>(open)->accept();
        });
        const auto chosen = openDialog.Choose(nullptr);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->size(), 2u);
        QCOMPARE(openDialog.FileName, QString::fromStdString(chosen->front()));
        QVERIFY(QFileInfo(openDialog.FileName).isAbsolute());
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QVERIFY(!openDialog.Choose(nullptr).has_value());
    }

    void outOfMemoryIsShownInTheUsersWords() {
        ErrorDisplay::Guard([] { throw std::bad_alloc(); });
        QCOMPARE(errors, QStringList{QStringLiteral("メモリが不足しています.")});
    }

    void errorTextGetsAFullStopAfterHighCharacters() {
        QCOMPARE(ErrorDisplay::Text("ファイルが見つかりません"), QStringLiteral("ファイルが見つかりません."));
        QCOMPARE(ErrorDisplay::Text("I/O エラー (112)"), QStringLiteral("I/O エラー (112)"));
        QCOMPARE(ErrorDisplay::Text("done."), QStringLiteral("done."));
        QCOMPARE(ErrorDisplay::Text("stop!"), QStringLiteral("stop!"));
        QCOMPARE(ErrorDisplay::Text("trailing "), QStringLiteral("trailing "));
        QCOMPARE(ErrorDisplay::Text("a/b"), QStringLiteral("a/b."));
        QCOMPARE(ErrorDisplay::Text("Z"), QStringLiteral("Z."));
    }
};

QTEST_MAIN(TForm1Test)
#include "TForm1Test.moc"
