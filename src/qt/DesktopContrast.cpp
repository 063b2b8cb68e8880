#include "qt/DesktopContrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString contrastKey = QStringLiteral("contrast"); // 1: higher contrast
const QString gnomeInterface = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString gnomeHighContrastKey = QStringLiteral("high-contrast");

// The portal's answers: its Read wraps the value in a second variant.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

// The session's bus only where the session has one: asking for it otherwise would launch one.
bool sessionHasABus() {
    return qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace

DesktopContrast::DesktopContrast(std::function<void(SystemContrast)> changed, QObject *parent)
    : QObject(parent), changed_(std::move(changed)) {
    if (!sessionHasABus())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"),
                this, SLOT(settingChanged(QDBusMessage)));
    ask(appearance, contrastKey);
    ask(gnomeInterface, gnomeHighContrastKey);
}

void DesktopContrast::ask(const QString &nameSpace, const QString &key) {
    constexpr int patientMilliseconds = 2000;
    QDBusMessage read = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface,
                                                       QStringLiteral("Read"));
    read << nameSpace << key;
    auto *answer = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(read, patientMilliseconds), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, nameSpace, key](QDBusPendingCallWatcher *call) {
                const QDBusPendingReply<QDBusVariant> reply = *call;
                if (!reply.isError())
                    take(nameSpace, key, reply.value().variant());
                call->deleteLater();
            });
}

// The signal's namespace, key and value.
void DesktopContrast::settingChanged(const QDBusMessage &message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() == 3)
        take(arguments[0].toString(), arguments[1].toString(), arguments[2]);
}

void DesktopContrast::take(const QString &nameSpace, const QString &key, const QVariant &value) {
    const SystemContrast before = contrast();
    if (nameSpace == appearance && key == contrastKey)
        highContrast_ = unwrapped(value).toUInt() == 1;
    else if (nameSpace == gnomeInterface && key == gnomeHighContrastKey)
        gnomeHighContrast_ = unwrapped(value).toBool();
    if (contrast() != before)
        changed_(contrast());
}
