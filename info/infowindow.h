// SPDX-License-Identifier: MIT

#pragma once

#include <QMainWindow>
#include <QPixmap>

#include <array>

class CaptionLabel;
class QLabel;
class QPushButton;
class QTimer;

// The About and Help windows: a fixed text beside a small flaw-detector screen
// that loops through seven pictures. One object per kind lives for the whole
// run; closing only hides it, so its place in the loop carries over to the
// next opening.
class InfoWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Kind { About, Help };

    explicit InfoWindow(Kind kind);
    ~InfoWindow() override;

    // Shows the window as its design has it (centred, picture area empty,
    // animation restarted); a window that is already open stays as it is.
    void open();
    // One step of the animation: shows the next picture of the loop.
    void showNextFrame();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void centreOnScreen();

    int frameIndex_ = 0;
    QTimer *animation_;
    QLabel *picture_;
    QPushButton *okButton_;
    CaptionLabel *text_;
    QSize pictureAreaSize_;
    // The pictures in the order they play.
    std::array<QPixmap, 7> frames_;
};
