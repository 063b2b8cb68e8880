#include "qt/RunErrorReport.h"

#include "demo/RuntimeError.h"

#include <QApplication>
#include <QMessageBox>

void reportErrorAndQuit(QWidget *window, const RuntimeError &error) {
    QMessageBox::critical(window, QApplication::applicationName(),
                          QString::fromStdString(error.message()));
    QApplication::exit(runErrorExitCode);
}
