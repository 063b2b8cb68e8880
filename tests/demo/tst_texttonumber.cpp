#include "demo/RuntimeError.h"
#include "demo/TextToNumber.h"

#include <QTest>

class tst_TextToNumber : public QObject {
    Q_OBJECT

private slots:
    void convertsNumbers_data();
    void convertsNumbers();
    void rejectsTextThatIsNotANumber_data();
    void rejectsTextThatIsNotANumber();
    void reportsOverflow_data();
    void reportsOverflow();
};

void tst_TextToNumber::convertsNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("near offset") << "170" << 170.0;
    QTest::newRow("slowest") << "20" << 20.0;
    QTest::newRow("blanks around") << "  170\t" << 170.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus sign") << "+2" << 2.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("no integer part") << ".25" << 0.25;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("subnormal") << "4e-320" << 4e-320;
    QTest::newRow("largest") << "1.7976931348623157e308" << 1.7976931348623157e308;
}

void tst_TextToNumber::convertsNumbers() {
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(textToNumber(text.toStdString()), number);
}

void tst_TextToNumber::rejectsTextThatIsNotANumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("design-time text of nPoloha") << "Poloha";
    QTest::newRow("design-time text of nDifrakce") << "nDifrakce";
    QTest::newRow("trailing letters") << "12abc";
    QTest::newRow("decimal comma") << "1,5";
    QTest::newRow("two numbers") << "1 2";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("point alone") << ".";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
}

void tst_TextToNumber::rejectsTextThatIsNotANumber() {
    QFETCH(QString, text);
    try {
        textToNumber(text.toStdString());
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 13);
        QCOMPARE(QString::fromStdString(error.what()), QStringLiteral("Type mismatch"));
        QCOMPARE(QString::fromStdString(error.message()),
                 QStringLiteral("Run-time error '13':\n\nType mismatch"));
    }
}

void tst_TextToNumber::reportsOverflow_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("too large") << "1e400";
    QTest::newRow("too large, negative") << "-1e400";
    QTest::newRow("too small to be told from 0") << "1e-400";
}

void tst_TextToNumber::reportsOverflow() {
    QFETCH(QString, text);
    try {
        textToNumber(text.toStdString());
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
        QCOMPARE(QString::fromStdString(error.what()), QStringLiteral("Overflow"));
        QCOMPARE(QString::fromStdString(error.message()),
                 QStringLiteral("Run-time error '6':\n\nOverflow"));
    }
}

QTEST_APPLESS_MAIN(tst_TextToNumber)
#include "tst_texttonumber.moc"
