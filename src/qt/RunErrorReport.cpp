#include "qt/RunErrorReport.h"

#include "demo/RuntimeError.h"

#include <QApplication>
#include <QMessageBox>

void reportErrorAndQuit(QWidget *window, const RuntimeError &error) {
    const QString message = QStringLiteral("Run-time error '%1':\n\n%2")
                                .arg(error.number())
                                .arg(QString::fromStdString(error.what()));
    QMessageBox::critical(window, QApplication::applicationName(), message);
    QApplication::exit(runErrorExitCode);
}
