// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controldesigncheck.h"

using namespace Qt::StringLiterals;

class TestControlBuilder : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void labelColourIsNeverTheContainers();
};

Q_DECLARE_METATYPE(ControlDesign)

void TestControlBuilder::rows_data()
{
    using T = ControlDesign::Type;
    QTest::addColumn<ControlDesign>("design");
    QTest::addColumn<bool>("designLabels");
    QTest::addColumn<QString>("className");
    const QColor red(255, 0, 0);
    const auto row = [](const char* name, const ControlDesign& design, bool designLabels,
                         const char* className) {
        QTest::newRow(name) << design << designLabels << QString::fromLatin1(className);
    };
    // Twips that do not divide by 15 show the rounding; one row of each type.
    const auto at = [](ControlDesign design, float left, float top, float width, float height) {
        design.left = left, design.top = top, design.width = width, design.height = height;
        return design;
    };
    row("label",
        at({ .name = u"L"_s,
               .type = T::Label,
               .text = u"文字"_s,
               .font = u"隶书"_s,
               .pointSize = 26.25,
               .color = red },
            727, 5280, 3495, 1335),
        false, "QLabel");
    row("design label",
        at({ .name = u"L"_s, .type = T::Label, .text = u"文字"_s, .color = red }, 720, 5280, 3495,
            1335),
        true, "DesignLabel");
    row("text box, disabled",
        at({ .name = u"B"_s,
               .type = T::TextBox,
               .font = u"宋体"_s,
               .pointSize = 12,
               .color = red,
               .alignment = Qt::AlignHCenter,
               .enabled = false },
            9960, 1800, 615, 495),
        false, "QLineEdit");
    row("picture button",
        at({ .name = u"P"_s,
               .type = T::PictureButton,
               .text = u"确 定"_s,
               .font = u"宋体"_s,
               .pointSize = 15,
               .picture = u":/no-such-picture.png"_s },
            9480, 6840, 1815, 615),
        false, "PictureButton");
    row("button",
        at({ .name = u"C"_s, .type = T::Button, .text = u"自定义图片"_s }, 8040, 360, 2535, 495),
        false, "QPushButton");
    row("hidden picture",
        at({ .name = u"I"_s, .type = T::Picture, .visible = false }, 0, -3691, 19305, 12090), false,
        "PictureBox");
    row("frame",
        at({ .name = u"F"_s,
               .type = T::Frame,
               .text = u"框"_s,
               .font = u"宋体"_s,
               .pointSize = 14.25,
               .color = red },
            0, 4080, 10935, 2415),
        false, "QGroupBox");
    row("timer", { .name = u"T"_s, .type = T::Timer }, false, "QTimer");
}

void TestControlBuilder::rows()
{
    QFETCH(ControlDesign, design);
    QFETCH(bool, designLabels);
    QFETCH(QString, className);
    QWidget window;
    const WindowLook look { designLabels, QColor(1, 2, 3) };
    const QObject* made = buildControl(design, &window, look);
    QVERIFY(made);
    QCOMPARE(QString::fromLatin1(made->metaObject()->className()), className);
    compareWithDesign(made, design, &window, look);
}

void TestControlBuilder::labelColourIsNeverTheContainers()
{
    QWidget window;
    auto* frame = buildControlAs<QGroupBox>(
        { .name = u"F"_s, .type = ControlDesign::Type::Frame, .color = Qt::red }, &window, {});
    QVERIFY(frame);
    auto* label = buildControlAs<QLabel>(
        { .name = u"L"_s, .type = ControlDesign::Type::Label, .text = u"字"_s }, frame, {});
    QVERIFY(label);
    QCOMPARE(label->palette().color(QPalette::WindowText),
        QApplication::palette().color(QPalette::ButtonText));
}

QTEST_MAIN(TestControlBuilder)
#include "tst_controlbuilder.moc"
