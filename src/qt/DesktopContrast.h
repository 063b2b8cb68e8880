#pragma once

#include "form/ColourChoice.h"

#include <QObject>

#include <functional>

class QDBusMessage;

// What the desktop says of contrast, as its settings portal tells it: a higher contrast
// (org.freedesktop.appearance's contrast), or GNOME's high contrast. Asked at the start and
// followed as it changes; a session without a bus, or without a portal, says nothing.
class DesktopContrast : public QObject {
    Q_OBJECT

public:
    explicit DesktopContrast(std::function<void(SystemContrast)> changed,
                             QObject *parent = nullptr);

    SystemContrast contrast() const { return {highContrast_ || gnomeHighContrast_, false}; }

private slots:
    void settingChanged(const QDBusMessage &message);

private:
    void ask(const QString &nameSpace, const QString &key);
    void take(const QString &nameSpace, const QString &key, const QVariant &value);

    std::function<void(SystemContrast)> changed_;
    bool highContrast_ = false;
    bool gnomeHighContrast_ = false;
};
