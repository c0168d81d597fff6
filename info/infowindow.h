// SPDX-License-Identifier: MIT

#pragma once

#include <QMainWindow>
#include <QPixmap>

#include <array>

class CaptionLabel;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// The About and Help windows: a fixed text beside a small flaw-detector screen
// that loops through seven pictures. One object per kind lives for the whole
// run; closing only hides it, so its frame counter carries over to the next
// opening.
class InfoWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Kind { About, Help };

    explicit InfoWindow(Kind kind);
    ~InfoWindow() override;

    // Shows the window as its design has it (centred, picture area empty,
    // animation restarted); a window that is already open stays as it is.
    void open();

    qint16 frameIndex() const { return FrameIndex; }

    // The caption string of the window's text label.
    static QString captionText(Kind kind);
    // The size of the area below the menu bar.
    static QSize clientSize(Kind kind);

public slots:
    void Timer1_Timer();   // one animation step
    void Command1_Click(); // OK
    void Exit_Click();     // the Exit command on the menu bar

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void centreOnScreen();

    qint16 FrameIndex = 0;
    QTimer *Timer1;
    QLabel *Image3;
    QGroupBox *Frame1;
    QPushButton *Command1;
    CaptionLabel *Label1;
    QSize pictureAreaDesign;
    // The hidden picture holders, in the order they play: Image8, Image7,
    // Image6, Image2, Image4, Image5, Image1.
    std::array<QPixmap, 7> frames;
};
