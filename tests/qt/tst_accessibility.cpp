#include "FormControls.h"
#include "design/WindowDesign.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

struct Announced {
    QString name;
    bool invisible;
};

// Every interface below root, by the object name of its object.
void collect(QAccessibleInterface *root, QHash<QString, Announced> &found) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        QVERIFY(child);
        QCOMPARE(root->indexOfChild(child), i);
        QCOMPARE(child->parent()->object(), root->object());
        const QString objectName = child->object()->objectName();
        if (!objectName.isEmpty())
            found.insert(objectName,
                         {child->text(QAccessible::Name), bool(child->state().invisible)});
        collect(child, found);
    }
}

// The descriptions screen readers were told of, as accessibility updates of the picture.
QStringList toldDescriptions;
const QObject *picture = nullptr;

void noteDescriptionChange(QAccessibleEvent *event) {
    if (event->type() == QAccessible::DescriptionChanged && event->object() == picture)
        toldDescriptions << event->accessibleInterface()->text(QAccessible::Description);
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamedOrHidden_data();
    void everyControlIsNamedOrHidden();
    void captionsAreAnnouncedOnceShown();
    void whatARunShowedIsTold_data();
    void whatARunShowedIsTold();
};

void tst_Accessibility::everyControlIsNamedOrHidden_data() {
    QTest::addColumn<QString>("name"); // empty: hidden, not announced
    for (const ControlDesign &design : windowControls()) {
        // A control is announced by its caption while it is shown; the speed bar has none.
        const bool announced =
            isShownAtStart(design) && (design.kind != ControlKind::caption || design.visible);
        const QString caption =
            design.kind == ControlKind::scrollBar
                ? QStringLiteral("Animation speed")
                : QString::fromUtf8(design.caption.data(), qsizetype(design.caption.size()));
        QTest::newRow(design.name.data()) << (announced ? caption : QString());
    }
}

void tst_Accessibility::everyControlIsNamedOrHidden() {
    QFETCH(QString, name);
    FormWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QHash<QString, Announced> found;
    collect(QAccessible::queryAccessibleInterface(&window), found);
    const QString control = QString::fromUtf8(QTest::currentDataTag());
    QVERIFY2(found.contains(control), qPrintable(control));
    const Announced announced = found.value(control);
    QCOMPARE(announced.invisible, name.isEmpty());
    if (!name.isEmpty())
        QCOMPARE(announced.name, name);
}

void tst_Accessibility::captionsAreAnnouncedOnceShown() {
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ui.nSpomaleni->setText(QStringLiteral("0"));
    window.form().cmdStart_Click();
    QHash<QString, Announced> found;
    collect(QAccessible::queryAccessibleInterface(&window), found);
    QCOMPARE(found.value(QStringLiteral("labSoucet")).name, QStringLiteral("Sum of vectors"));
    QVERIFY(!found.value(QStringLiteral("labSoucet")).invisible);
    QVERIFY(!found.value(QStringLiteral("labDetektor")).invisible);
    QAccessibleInterface *caption =
        QAccessible::queryAccessibleInterface(window.findChild<QObject *>("labZdroj"));
    QCOMPARE(caption->role(), QAccessible::StaticText);
    QCOMPARE(caption->rect().topLeft(), window.clientArea()->mapToGlobal(QPoint(60, 130)));
}

void tst_Accessibility::whatARunShowedIsTold_data() {
    QTest::addColumn<QString>("option"); // clicked before Start
    QTest::addColumn<QString>("words");
    QTest::newRow("lit") << "opDaleko"
                         << "Detector position: Far. The detector is lit. The resultant is "
                            "165.1 long.";
    QTest::newRow("dark") << "op1"
                          << "Detector position: Far. The detector is dark. The resultant is "
                             "10.9 long.";
}

void tst_Accessibility::whatARunShowedIsTold() {
    QFETCH(QString, option);
    QFETCH(QString, words);
    FormWindow window;
    const Controls ui(window);
    ui.nSpomaleni->setText(QStringLiteral("0"));
    window.findChild<QAbstractButton *>(option)->click();
    picture = window.clientArea();
    toldDescriptions.clear();
    // As a screen reader does: the platform's accessibility is switched on.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(noteDescriptionChange);
    // Twice: the same words are told again, for they are cleared when a run starts.
    window.form().cmdStart_Click();
    window.form().cmdStart_Click();
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(toldDescriptions.size(), 4);
    QCOMPARE(toldDescriptions[2], QString());
    QVERIFY2(toldDescriptions[3].endsWith(words), qPrintable(toldDescriptions[3]));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
