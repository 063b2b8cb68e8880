#pragma once

#include "qt/FormSettings.h"
#include "qt/RunErrorReport.h"
#include "qt/WindowPacer.h"

#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

class Canvas;
class PictureSurface;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class SurfaceCaption;

// The program's one window: the drawing surface, the 28 controls on it, the four hidden
// settings fields and the handlers of the controls. Every control is reached by its name.
class frmKymora : public QWidget {
    Q_OBJECT

public:
    explicit frmKymora(QWidget *parent = nullptr);
    ~frmKymora() override;

    // The client area: the persistent picture, with the controls on it.
    PictureSurface *clientArea() const { return surface_; }

    // Replaces what happens when a run meets an error (by default: a message box, then the
    // program ends with a non-zero exit code).
    void setErrorReporter(RunErrorReporter reporter) { reportError_ = std::move(reporter); }

    // Where a run draws: the window's surface, or a canvas that hands everything on to it and
    // looks at the run on the way (tests do). Null restores the surface.
    void setRunCanvas(Canvas *canvas);

    // How a run waits at its pauses: the window's own pacer, or another (tests give the run a
    // clock of their own). Null restores the window's pacer.
    void setRunPacer(RunPacer *pacer);

    // True while a run is going on, inside cmdStart_Click.
    bool isRunning() const { return running_; }

    // Handlers, named after their control and event.
    void Form_Load();
    void cmdStart_Click();
    void cndKonec_Click();
    void HScroll1_Change();
    void op1_Click();
    void op2_Click();
    void opAno_Click();
    void opNe_Click();
    void opBlízko_Click();
    void opDaleko_Click();
    void opPomala_Click();
    void opPomalej_Click();
    void opRychlá_Click();

    // The controls, in creation order.
    QScrollBar *HScroll1 = nullptr;
    QLineEdit *nPoloha = nullptr;
    QGroupBox *frmPoloha = nullptr;
    QRadioButton *opBlízko = nullptr;
    QRadioButton *opDaleko = nullptr;
    QGroupBox *frmAnimace = nullptr;
    QRadioButton *opPomala = nullptr;
    QRadioButton *opPomalej = nullptr;
    QRadioButton *opRychlá = nullptr;
    QLineEdit *nSpomaleni = nullptr;
    QPushButton *cndKonec = nullptr;
    QGroupBox *frmDifrakčníZrcadlo = nullptr;
    QRadioButton *opNe = nullptr;
    QRadioButton *opAno = nullptr;
    QGroupBox *frnKmitoce = nullptr;
    QRadioButton *op2 = nullptr;
    QRadioButton *op1 = nullptr;
    QLineEdit *nDifrakce = nullptr;
    QLineEdit *nKmitocet = nullptr;
    QPushButton *cmdStart = nullptr;
    SurfaceCaption *labDifrakce = nullptr;
    SurfaceCaption *labSoucet = nullptr;
    SurfaceCaption *labDobaLetu = nullptr;
    SurfaceCaption *labCas = nullptr;
    SurfaceCaption *labRadiusvektory = nullptr;
    SurfaceCaption *labDetektor = nullptr;
    SurfaceCaption *labZdroj = nullptr;
    SurfaceCaption *labKliknete = nullptr;

private:
    void setUpWindow();
    void createControls();
    void applyTabOrder();
    void connectHandlers();
    void connectOption(QRadioButton *option, void (frmKymora::*handler)());
    // The window's control of that name and class.
    template <typename Control> Control *control(const char *name) const;
    void openAtDrawingAreaSize();

    QScrollArea *scrollArea_ = nullptr;
    PictureSurface *surface_ = nullptr;
    Canvas *runCanvas_ = nullptr;
    WindowPacer windowPacer_;
    RunPacer *runPacer_ = &windowPacer_;
    bool running_ = false;
    std::unique_ptr<FormSettings> settings_;
    RunErrorReporter reportError_;
    std::vector<std::pair<int, QWidget *>> tabStops_;
};
