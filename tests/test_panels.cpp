#include "calc/indicationdepthpanel.h"
#include "calc/soundpathpanel.h"
#include "calc/surfacetravelpanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// Drives each calculator panel through its real controls: typed text, clicks
// on CALCULATE and CLEAR, and the prompt, which is captured instead of shown.
class PanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ui::Panel> panel;
    QStringList prompts;

    std::unique_ptr<ui::Panel> makePanel(const QString &name)
    {
        std::unique_ptr<ui::Panel> made;
        if (name == QLatin1String("Frame1"))
            made = std::make_unique<SoundPathPanel>();
        else if (name == QLatin1String("Frame2"))
            made = std::make_unique<SurfaceTravelPanel>();
        else
            made = std::make_unique<IndicationDepthPanel>();
        made->setDecimal('.');
        made->setPrompter([this](const QString &text) { prompts << text; });
        made->show();
        return made;
    }

    // Puts "name=value" pairs into fields and angle boxes; "unit=mm" picks millimetres.
    void fill(const QString &assignments)
    {
        for (const QString &pair : assignments.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = pair.section(QLatin1Char('='), 0, 0);
            const QString value = pair.section(QLatin1Char('='), 1);
            if (name == QLatin1String("unit")) {
                const auto buttons = panel->findChildren<QRadioButton *>();
                for (QRadioButton *button : buttons) {
                    if (button->accessibleName() == (value == QLatin1String("mm") ? "Millimeter" : "Inch"))
                        QTest::mouseClick(button, Qt::LeftButton);
                }
            } else if (auto *field = panel->findChild<QLineEdit *>(name)) {
                field->setText(value);
            } else if (auto *box = panel->findChild<QComboBox *>(name)) {
                box->setEditText(value);
            } else {
                QFAIL(qPrintable(QStringLiteral("no control ") + name));
            }
        }
    }

    QString fieldTexts() const
    {
        QStringList texts;
        for (const QLineEdit *field : panel->findChildren<QLineEdit *>()) {
            if (!field->objectName().isEmpty())
                texts << field->objectName() + QLatin1Char('=') + field->text();
        }
        texts.sort();
        return texts.join(QLatin1Char(';'));
    }

    void click(const QString &button)
    {
        auto *target = panel->findChild<QPushButton *>(button);
        QVERIFY2(target, qPrintable(button));
        QTest::mouseClick(target, Qt::LeftButton);
    }

private slots:
    void cleanup()
    {
        panel.reset();
        prompts.clear();
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");

        QTest::newRow("soundPath A-B") << "Frame1" << "Command1" << "T=1" << "A_B" << "2.924 in";
        QTest::newRow("soundPath 45 mm") << "Frame1" << "Command1" << "T=25;ANGLE_BOX=45;unit=mm" << "A_B_C" << "70.711 mm";
        QTest::newRow("soundPath angle 30 doubles typed A-B") << "Frame1" << "Command1" << "T=9;ANGLE_BOX=30;A_B=3" << "A_B_C" << "6.000 in";
        QTest::newRow("surface 10 at 70 mm") << "Frame2" << "Command2" << "SP_TEXT=10;unit=mm" << "SURFACE_TRAVEL" << "9.396 mm";
        QTest::newRow("depth 20 40 30") << "Frame3" << "Command4" << "MAT_T=20;A_B_SND_PATH=40;IND_SP=30" << "DEPTH" << "15.000 in";
    }

    void calculate()
    {
        QFETCH(QString, frame);
        QFETCH(QString, button);
        QFETCH(QString, input);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        panel = makePanel(frame);
        fill(input);
        click(button);
        QCOMPARE(panel->findChild<QLineEdit *>(field)->text(), expected);
        QVERIFY(prompts.isEmpty());
    }

    void prompt_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");

        QTest::newRow("thickness missing") << "Frame1" << "Command1" << "A_B=1.000 in;A_B_C=2.000 in" << "Please Enter the Material Thickness";
        QTest::newRow("sound path missing") << "Frame2" << "Command2" << "SURFACE_TRAVEL=1.000 mm" << "Please Enter the Material Sound Path";
        QTest::newRow("indication missing") << "Frame3" << "Command4" << "MAT_T=20;A_B_SND_PATH=40;DEPTH=5.000 in"
                                            << "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";
    }

    void prompt()
    {
        QFETCH(QString, frame);
        QFETCH(QString, button);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        panel = makePanel(frame);
        fill(input);
        const QString before = fieldTexts();
        click(button);
        QCOMPARE(prompts, QStringList{expected});
        QCOMPARE(fieldTexts(), before);
    }

    void clearEmptiesFieldsAndKeepsChoices_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("calculate");
        QTest::addColumn<QString>("clear");
        QTest::addColumn<QString>("input");
        QTest::newRow("sound path") << "Frame1" << "Command1" << "Command3" << "T=25;ANGLE_BOX=45;unit=mm";
        QTest::newRow("surface travel") << "Frame2" << "Command2" << "Command5" << "SP_TEXT=10;ANGLE_BOX_2=60;unit=mm";
        QTest::newRow("indication depth") << "Frame3" << "Command4" << "Command6" << "MAT_T=2;A_B_SND_PATH=4;IND_SP=3;unit=mm";
    }

    void clearEmptiesFieldsAndKeepsChoices()
    {
        QFETCH(QString, frame);
        QFETCH(QString, calculate);
        QFETCH(QString, clear);
        QFETCH(QString, input);
        panel = makePanel(frame);
        fill(input);
        click(calculate);
        const auto boxes = panel->findChildren<QComboBox *>();
        const QString angle = boxes.isEmpty() ? QString() : boxes.first()->currentText();
        click(clear);
        for (const QLineEdit *field : panel->findChildren<QLineEdit *>()) {
            if (!field->objectName().isEmpty())
                QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        }
        if (!boxes.isEmpty())
            QCOMPARE(boxes.first()->currentText(), angle);
        const auto buttons = panel->findChildren<QRadioButton *>();
        for (const QRadioButton *button : buttons)
            QCOMPARE(button->isChecked(), button->accessibleName() == QLatin1String("Millimeter"));
        QVERIFY(prompts.isEmpty());
    }

    void unitSwitchWaitsForNextCalculate()
    {
        panel = makePanel(QStringLiteral("Frame1"));
        fill(QStringLiteral("T=1"));
        click(QStringLiteral("Command1"));
        fill(QStringLiteral("unit=mm"));
        QCOMPARE(panel->findChild<QLineEdit *>("A_B")->text(), QStringLiteral("2.924 in"));
        click(QStringLiteral("Command1"));
        QCOMPARE(panel->findChild<QLineEdit *>("A_B")->text(), QStringLiteral("2.924 mm"));
    }

    void arrowKeysMoveTheUnitChoice()
    {
        panel = makePanel(QStringLiteral("Frame3"));
        auto *inch = panel->findChild<QRadioButton *>("opt_INCH3");
        auto *milli = panel->findChild<QRadioButton *>("Option3");
        QApplication::setActiveWindow(panel.get());
        inch->setFocus();
        QTest::keyClick(inch, Qt::Key_Down);
        QVERIFY(milli->isChecked() && !inch->isChecked());
        QCOMPARE(QApplication::focusWidget(), milli);
        // Only the chosen button is a tab stop, so the pair is one stop.
        QCOMPARE(inch->focusPolicy() & Qt::TabFocus, 0);
        QTest::keyClick(milli, Qt::Key_Up);
        QVERIFY(inch->isChecked());
    }

    void returnKeyClicksButton()
    {
        panel = makePanel(QStringLiteral("Frame2"));
        fill(QStringLiteral("SP_TEXT=1"));
        auto *calculate = panel->findChild<QPushButton *>("Command2");
        QTest::keyClick(calculate, Qt::Key_Return);
        QCOMPARE(panel->findChild<QLineEdit *>("SURFACE_TRAVEL")->text(), QStringLiteral("0.940 in"));
    }

    void commaLocaleReadsAndWritesComma()
    {
        panel = makePanel(QStringLiteral("Frame1"));
        panel->setDecimal(',');
        fill(QStringLiteral("T=2,5;ANGLE_BOX=60"));
        click(QStringLiteral("Command1"));
        QCOMPARE(panel->findChild<QLineEdit *>("A_B")->text(), QStringLiteral("5,000 in"));
        QCOMPARE(panel->findChild<QLineEdit *>("A_B_C")->text(), QStringLiteral("10,000 in"));
    }
};

QTEST_MAIN(PanelTest)
#include "test_panels.moc"
