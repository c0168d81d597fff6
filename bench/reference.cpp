// SPDX-License-Identifier: MIT

// The yardstick for start-up figures: the plainest Qt Widgets window with the
// same kinds and numbers of controls as Angulon's main window (menu bar with a
// File menu and two commands, a three-tab bar, three group boxes of which one
// is shown, and in them 9 line edits, 2 editable combo boxes, 6 push buttons,
// 6 radio buttons, 26 text labels and 3 picture labels), at the same size.
// Default fonts, palette and painting, no resources: nothing else.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace {

// Controls per group box; the totals match Angulon's three panels.
struct PanelCounts {
    int edits, combos, buttons, radios, labels;
};
constexpr PanelCounts panelCounts[3] = {{3, 1, 2, 2, 9}, {2, 1, 2, 2, 8}, {4, 0, 2, 2, 9}};

QGroupBox *makePanel(const PanelCounts &counts, int number, QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("Panel %1").arg(number), parent);
    box->setGeometry(35, 60, 556, 141);
    int x = 10;
    int y = 20;
    auto place = [&](QWidget *w, int width) {
        if (x + width > 546) {
            x = 10;
            y += 28;
        }
        w->setGeometry(x, y, width, 24);
        x += width + 6;
    };
    for (int i = 0; i < counts.edits; ++i)
        place(new QLineEdit(box), 70);
    for (int i = 0; i < counts.combos; ++i) {
        auto *combo = new QComboBox(box);
        combo->setEditable(true);
        combo->addItems({QStringLiteral("70"), QStringLiteral("60"), QStringLiteral("45")});
        place(combo, 50);
    }
    for (int i = 0; i < counts.buttons; ++i)
        place(new QPushButton(QStringLiteral("Button %1").arg(i + 1), box), 90);
    for (int i = 0; i < counts.radios; ++i)
        place(new QRadioButton(QStringLiteral("Option %1").arg(i + 1), box), 80);
    for (int i = 0; i < counts.labels; ++i)
        place(new QLabel(QStringLiteral("Label %1").arg(i + 1), box), 50);
    QPixmap picture(32, 32);
    picture.fill(Qt::darkCyan);
    auto *pictureLabel = new QLabel(box);
    pictureLabel->setPixmap(picture);
    place(pictureLabel, 32);
    return box;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Reference"));

    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.menuBar()->addAction(QStringLiteral("&Help"));
    window.menuBar()->addAction(QStringLiteral("&About"));

    auto *client = new QWidget(&window);
    window.setCentralWidget(client);
    auto *tabs = new QTabBar(client);
    tabs->addTab(QStringLiteral("First"));
    tabs->addTab(QStringLiteral("Second"));
    tabs->addTab(QStringLiteral("Third"));
    tabs->move(20, 20);
    QGroupBox *panels[3];
    for (int i = 0; i < 3; ++i)
        panels[i] = makePanel(panelCounts[i], i + 1, client);
    panels[1]->hide();
    panels[2]->hide();
    QObject::connect(tabs, &QTabBar::currentChanged, [&panels](int index) {
        for (int i = 0; i < 3; ++i)
            panels[i]->setVisible(i == index);
    });

    window.resize(616, 242 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
