#include "qt/ApplicationInfo.h"

#include "ProgramInfo.h"

#include <QGuiApplication>

void describeApplication() {
    // The name is the window's class on X, which the desktop entry names as its StartupWMClass;
    // the desktop entry's id is the window's app id on Wayland.
    QCoreApplication::setApplicationName(QStringLiteral(KYMORA_WINDOW_CLASS));
    QCoreApplication::setApplicationVersion(QStringLiteral(KYMORA_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(KYMORA_APP_ID));
}
