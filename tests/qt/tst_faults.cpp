#include "FormControls.h"
#include "ForwardingCanvas.h"
#include "demo/RuntimeError.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Counts what a run draws, on its way to the window's surface.
class OperationCounter : public ForwardingCanvas {
public:
    using ForwardingCanvas::ForwardingCanvas;
    int drawings = 0;
    int strips = 0; // rays to the mirror
    QLineF resultant;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override {
        ++drawings;
        if (colour == colour::green)
            resultant = QLineF(x1, y1, x2, y2);
        if (x1 == 50 && y1 == 150)
            ++strips;
        ForwardingCanvas::line(x1, y1, x2, y2, colour);
    }
    void circle(float x, float y, float radius, Colour outline) override {
        ++drawings;
        ForwardingCanvas::circle(x, y, radius, outline);
    }
};

constexpr int noErrorExitCode = 99;

QLineEdit *field(FormWindow &window, const QString &name) {
    return window.findChild<QLineEdit *>(name);
}

} // namespace

// Settings that the handlers never write, put into the hidden fields of the real window.
class tst_Faults : public QObject {
    Q_OBJECT

private slots:
    void badTextIsReportedAndEndsTheProgram_data();
    void badTextIsReportedAndEndsTheProgram();
    void settingsThatWouldHangDoNot_data();
    void settingsThatWouldHangDoNot();
};

void tst_Faults::badTextIsReportedAndEndsTheProgram_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString typeMismatch = QStringLiteral("Run-time error '13':\n\nType mismatch");
    QTest::newRow("nKmitocet design text") << "nKmitocet"
                                           << "nKmitocet" << typeMismatch;
    QTest::newRow("nPoloha empty") << "nPoloha"
                                   << "" << typeMismatch;
    QTest::newRow("nDifrakce letters") << "nDifrakce"
                                       << "two" << typeMismatch;
    QTest::newRow("nSpomaleni design text") << "nSpomaleni"
                                            << "Spomaleni" << typeMismatch;
    QTest::newRow("nSpomaleni too large")
        << "nSpomaleni"
        << "1e304" << QStringLiteral("Run-time error '6':\n\nOverflow");
}

void tst_Faults::badTextIsReportedAndEndsTheProgram() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    OperationCounter counter(*window.clientArea());
    window.form().drawOn(counter);
    ::field(window, field)->setText(text);

    // The window's own error box, with a note of how far the run had drawn when it showed.
    int drawnAtError = -1;
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            drawnAtError = counter.drawings;
            box->accept();
        }
    });
    closer.start(10);
    QTimer::singleShot(0, ui.cmdStart, [&] { QTest::mouseClick(ui.cmdStart, Qt::LeftButton); });
    // The program's own event loop, which the error ends. Should no error box come, the loop
    // ends all the same, with a code of its own, and the test fails.
    QTimer::singleShot(20000, qApp, [] { QApplication::exit(noErrorExitCode); });
    const int exitCode = QApplication::exec();

    QCOMPARE(shown, message);
    QCOMPARE(exitCode, runErrorExitCode);
    QVERIFY(drawnAtError >= 0);
    QCOMPARE(counter.drawings, drawnAtError); // nothing drawn after the error
}

void tst_Faults::settingsThatWouldHangDoNot_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("strips");
    QTest::newRow("strip step 0") << "nDifrakce"
                                  << "0" << 0;
    QTest::newRow("negative strip step") << "nDifrakce"
                                         << "-2" << 0;
    QTest::newRow("negative speed") << "nSpomaleni"
                                    << "-1" << 10;
    QTest::newRow("fractional speed") << "nSpomaleni"
                                      << "0.000015" << 10;
}

void tst_Faults::settingsThatWouldHangDoNot() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, strips);
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    OperationCounter counter(*window.clientArea());
    window.form().drawOn(counter);
    QTimer closer; // an error box, should one come, is closed: the test then fails below
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    closer.start(10);
    ::field(window, field)->setText(text);

    QTest::mouseClick(ui.cmdStart, Qt::LeftButton); // returns: the run is over
    QVERIFY(!window.form().hasEnded());
    QCOMPARE(counter.strips, strips);
    QCOMPARE(counter.resultant.p1(), QPointF(450, 200));
    if (strips == 0)
        QCOMPARE(counter.resultant.p2(), QPointF(450, 200));
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
