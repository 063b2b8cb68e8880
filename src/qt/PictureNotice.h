#pragma once

#include <QLabel>

#include <string_view>

class PictureSurface;

// A notice over the picture and no part of it (the picture's pixels under it stay as they are):
// a held run's, in words the back row can read, bold at twice the controls' size, white on
// near-black, at the top of the drawing area and at the form's zoom. A click goes through it
// to the picture. Assistive technology reads it by its name, its text.
class PictureNotice : public QLabel {
public:
    explicit PictureNotice(PictureSurface &surface);

    void showText(std::string_view text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeAtZoom();

    PictureSurface &surface_;
};
