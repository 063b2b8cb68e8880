#include "qt/SurfaceAccessibility.h"

#include "qt/PictureSurface.h"
#include "qt/SurfaceCaption.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>

namespace {

// A caption, which has no widget of its own.
class CaptionAccessible : public QAccessibleObject {
public:
    explicit CaptionAccessible(SurfaceCaption *caption) : QAccessibleObject(caption) {}

    QAccessible::Role role() const override { return QAccessible::StaticText; }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !caption()->isVisible();
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? caption()->text() : QString();
    }

    QRect rect() const override {
        const PictureSurface *surface = caption()->surface();
        const QRect area = surface->captionArea(*caption());
        return QRect(surface->mapToGlobal(area.topLeft()), area.size());
    }

    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(caption()->surface());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

private:
    SurfaceCaption *caption() const { return static_cast<SurfaceCaption *>(object()); }
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
        const QList<SurfaceCaption *> all = captions();
        const int captionIndex = index - widgets;
        if (captionIndex >= all.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(all[captionIndex]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override {
        if (auto *caption = qobject_cast<SurfaceCaption *>(child->object())) {
            const qsizetype index = captions().indexOf(caption);
            return index < 0 ? -1 : QAccessibleWidget::childCount() + int(index);
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QList<SurfaceCaption *> captions() const {
        return widget()->findChildren<SurfaceCaption *>(Qt::FindDirectChildrenOnly);
    }
};

QAccessibleInterface *surfaceAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("PictureSurface"))
        return new SurfaceAccessible(static_cast<PictureSurface *>(object));
    if (className == QLatin1String("SurfaceCaption"))
        return new CaptionAccessible(static_cast<SurfaceCaption *>(object));
    return nullptr;
}

} // namespace

void installSurfaceAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(surfaceAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
