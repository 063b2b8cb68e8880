#include "qt/SurfaceAccessibility.h"

#include "qt/PictureSurface.h"
#include "qt/Text.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>

namespace {

// What the accessible tree knows a caption by.
class CaptionObject : public QObject {
    Q_OBJECT

public:
    CaptionObject(PictureSurface *surface, Caption id)
        : QObject(surface), surface_(surface), id_(id) {
        setObjectName(toQString(captionName(id)));
    }

    PictureSurface *surface() const { return surface_; }
    const CaptionState &state() const { return surface_->captions()[id_]; }
    QRect area() const {
        const PixelRect area = surface_->captions().area(id_);
        return surface_->zoomed(QRect(area.left, area.top, area.width, area.height));
    }

private:
    PictureSurface *surface_;
    Caption id_;
};

class CaptionAccessible : public QAccessibleObject {
public:
    explicit CaptionAccessible(CaptionObject *caption) : QAccessibleObject(caption) {}

    QAccessible::Role role() const override { return QAccessible::StaticText; }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !caption()->state().visible;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? toQString(caption()->state().text) : QString();
    }

    QRect rect() const override {
        const QRect area = caption()->area();
        return QRect(caption()->surface()->mapToGlobal(area.topLeft()), area.size());
    }

    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(caption()->surface());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

private:
    CaptionObject *caption() const { return static_cast<CaptionObject *>(object()); }
};

// The surface: its child widgets (the controls), then its captions.
class SurfaceAccessible : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(PictureSurface *surface)
        : QAccessibleWidget(surface, QAccessible::Graphic) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + int(captions().size());
    }

    QAccessibleInterface *child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const QList<CaptionObject *> all = captions();
        const int captionIndex = index - widgets;
        if (captionIndex >= all.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(all[captionIndex]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override {
        if (auto *caption = qobject_cast<CaptionObject *>(child->object())) {
            const qsizetype index = captions().indexOf(caption);
            return index < 0 ? -1 : QAccessibleWidget::childCount() + int(index);
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QList<CaptionObject *> captions() const {
        return widget()->findChildren<CaptionObject *>(Qt::FindDirectChildrenOnly);
    }
};

QAccessibleInterface *surfaceAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("PictureSurface"))
        return new SurfaceAccessible(static_cast<PictureSurface *>(object));
    if (className == QLatin1String("CaptionObject"))
        return new CaptionAccessible(static_cast<CaptionObject *>(object));
    return nullptr;
}

} // namespace

void makeCaptionsAccessible(PictureSurface *surface) {
    static const bool installed = [] {
        QAccessible::installFactory(surfaceAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    for (int id = 0; id < captionCount; ++id)
        new CaptionObject(surface, Caption(id));
}

#include "SurfaceAccessibility.moc"
