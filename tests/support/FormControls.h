#pragma once

#include "canvas/DrawingArea.h"
#include "form/CaptionBoard.h"
#include "qt/PictureSurface.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QScrollBar>
#include <QStringList>

// The window's controls, each found by its design name as a user's test would find it.
struct Controls {
    explicit Controls(const QWidget &window) : window_(window) {}

    template <typename Control> Control *find(const char *name) const {
        return window_.findChild<Control *>(QString::fromUtf8(name));
    }

    PictureSurface *surface() const { return find<PictureSurface>("clientArea"); }
    const CaptionState *caption(Caption id) const { return &surface()->captions()[id]; }

    // The four settings fields' texts: nPoloha, nSpomaleni, nDifrakce, nKmitocet.
    QStringList fieldTexts() const {
        return {nPoloha->text(), nSpomaleni->text(), nDifrakce->text(), nKmitocet->text()};
    }

private:
    const QWidget &window_;

public:
    QScrollBar *const HScroll1 = find<QScrollBar>("HScroll1");
    QLineEdit *const nPoloha = find<QLineEdit>("nPoloha");
    QGroupBox *const frmPoloha = find<QGroupBox>("frmPoloha");
    QRadioButton *const opBlízko = find<QRadioButton>("opBlízko");
    QRadioButton *const opDaleko = find<QRadioButton>("opDaleko");
    QGroupBox *const frmAnimace = find<QGroupBox>("frmAnimace");
    QRadioButton *const opPomala = find<QRadioButton>("opPomala");
    QRadioButton *const opPomalej = find<QRadioButton>("opPomalej");
    QRadioButton *const opRychlá = find<QRadioButton>("opRychlá");
    QLineEdit *const nSpomaleni = find<QLineEdit>("nSpomaleni");
    QPushButton *const cndKonec = find<QPushButton>("cndKonec");
    QGroupBox *const frmDifrakčníZrcadlo = find<QGroupBox>("frmDifrakčníZrcadlo");
    QRadioButton *const opNe = find<QRadioButton>("opNe");
    QRadioButton *const opAno = find<QRadioButton>("opAno");
    QGroupBox *const frnKmitoce = find<QGroupBox>("frnKmitoce");
    QRadioButton *const op2 = find<QRadioButton>("op2");
    QRadioButton *const op1 = find<QRadioButton>("op1");
    QLineEdit *const nDifrakce = find<QLineEdit>("nDifrakce");
    QLineEdit *const nKmitocet = find<QLineEdit>("nKmitocet");
    QPushButton *const cmdStart = find<QPushButton>("cmdStart");
    const CaptionState *const labDifrakce = caption(Caption::labDifrakce);
    const CaptionState *const labSoucet = caption(Caption::labSoucet);
    const CaptionState *const labDobaLetu = caption(Caption::labDobaLetu);
    const CaptionState *const labCas = caption(Caption::labCas);
    const CaptionState *const labRadiusvektory = caption(Caption::labRadiusvektory);
    const CaptionState *const labDetektor = caption(Caption::labDetektor);
    const CaptionState *const labZdroj = caption(Caption::labZdroj);
    const CaptionState *const labKliknete = caption(Caption::labKliknete);
};

inline QRect toQRect(const PixelRect &area) {
    return QRect(area.left, area.top, area.width, area.height);
}

// The drawing area, where a run paints its band.
inline const QRect drawingArea(DrawingArea::left, DrawingArea::top, DrawingArea::width,
                               DrawingArea::height);
