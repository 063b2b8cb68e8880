#include "qt/ApplicationInfo.h"

#include <QCoreApplication>

void describeApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Kymora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KYMORA_VERSION_TEXT));
}
