#pragma once

#include "form/FormView.h"
#include "form/frmKymora.h"
#include "qt/WindowPacer.h"
#include "qt/WindowZoom.h"

#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

class PictureNotice;
class PictureSurface;
class DesktopContrast;
class QScrollArea;
class QScrollBar;

// The program's one window in Qt: the persistent picture, with the window's 28 controls built
// from the design on it, each control named by its design name. It hands the controls' events
// to the form and shows what the form does.
class FormWindow : public QWidget, private FormView {
    Q_OBJECT

public:
    explicit FormWindow(QWidget *parent = nullptr);
    ~FormWindow() override;

    // The client area: the persistent picture, with the controls on it.
    PictureSurface *clientArea() const { return surface_; }

    frmKymora &form() { return *form_; }

    // Opens, or shows, the window at a zoom: of its own size, maximised, or full screen.
    void setZoom(const Zoom &zoom) { zoom_->set(zoom); }
    const Zoom &zoom() const { return zoom_->zoom(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the form asks of the window.
    std::string text(SettingField field) const override;
    void setText(SettingField field, std::string_view text) override;
    void check(Option option) override;
    int scrollBarValue() const override;
    void setScrollBarValue(int value) override;
    void announce(std::string_view description) override;
    void showNotice(std::string_view text) override;
    void hideNotice() override;
    void showColours(const ShownColours &colours) override;
    void reportError(const RuntimeError &error) override;
    void unload(int exitCode) override;

    void setUpWindow();
    void createControls();
    void applyTabOrder();
    void connectEvents();
    void connectSpeedBar(QScrollBar *bar);
    void followSystemColours();
    // The window's control of that design name.
    template <typename Control> Control *control(std::string_view name) const;

    QScrollArea *scrollArea_ = nullptr;
    PictureSurface *surface_ = nullptr;
    PictureNotice *notice_ = nullptr;
    DesktopContrast *desktopContrast_ = nullptr;
    WindowPacer pacer_;
    std::unique_ptr<frmKymora> form_;
    std::vector<std::pair<int, QWidget *>> tabStops_;
    bool unloading_ = false;
    std::unique_ptr<WindowZoom> zoom_;
};
