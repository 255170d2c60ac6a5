// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "proportionallayout.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

class TestProportionalLayout : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data();
    void workedExample();
    void noDriftAfterManyResizes();
    void controlWithoutSizeIsSkipped();
    void zeroSizeAndBack();
    void unsizedTableMovesNothing();
};

namespace {
constexpr float kW = 12885, kH = 7995;

struct Fixture {
    QWidget window;
    QWidget* child = new QWidget(&window);
    QList<TwipsControl> controls { { child, 11280, 6840, 1575, 615 } };
    ProportionalLayout layout;
    Fixture()
    {
        layout.resize(controls.size());
        layout.record(controls, kW, kH);
    }
    QList<float> geometry() const
    {
        const TwipsControl& c = controls[0];
        return { *c.Left(), *c.Top(), *c.Width(), *c.Height() };
    }
};
}

void TestProportionalLayout::workedExample_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QList<float>>("expected");
    QTest::newRow("design size") << kW << kH << QList<float> { 11280, 6840, 1575, 615 };
    QTest::newRow("double width") << 2 * kW << kH << QList<float> { 22560, 6840, 3150, 615 };
    QTest::newRow("double height") << kW << 2 * kH << QList<float> { 11280, 13680, 1575, 1230 };
}

void TestProportionalLayout::workedExample()
{
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QList<float>, expected);
    Fixture f;
    const ControlRatio& r = f.layout.ControlRatios[0];
    QCOMPARE(r.WidthRatio, 0.12223516f);
    QCOMPARE(r.HeightRatio, 0.07692308f);
    QCOMPARE(r.TopRatio, 0.85553473f);
    QCOMPARE(r.LeftRatio, 0.87543654f);
    f.layout.rescale(f.controls, width, height);
    QCOMPARE(f.geometry(), expected);
    QCOMPARE(f.child->geometry(),
        QRect(qRound(expected[0] / 15), qRound(expected[1] / 15), qRound(expected[2] / 15),
            qRound(expected[3] / 15)));
}

void TestProportionalLayout::noDriftAfterManyResizes()
{
    Fixture f;
    f.layout.rescale(f.controls, 30000, 9000);
    const QList<float> at30000 = f.geometry();
    for (int i = 1; i < 500; ++i)
        f.layout.rescale(f.controls, float(i * 37 % 20000), float(i * 53 % 9000));
    f.layout.rescale(f.controls, 30000, 9000);
    QCOMPARE(f.geometry(), at30000);
    f.layout.rescale(f.controls, kW, kH);
    QCOMPARE(f.geometry(), (QList<float> { 11280, 6840, 1575, 615 }));
}

void TestProportionalLayout::controlWithoutSizeIsSkipped()
{
    QTimer timer;
    Fixture f;
    QList<TwipsControl> controls { { &timer, 120, 480 }, f.controls[0] };
    ProportionalLayout layout;
    layout.resize(controls.size());
    layout.record(controls, kW, kH);
    QCOMPARE(layout.ControlRatios[0].WidthRatio, 0.0f);
    QCOMPARE(layout.ControlRatios[0].HeightRatio, 0.0f);
    QCOMPARE(layout.ControlRatios[0].LeftRatio, 120 / kW);
    QCOMPARE(layout.ControlRatios[0].TopRatio, 480 / kH);
    layout.rescale(controls, 2 * kW, kH);
    QCOMPARE(*controls[0].Left(), 120.0f);
    QCOMPARE(*controls[1].Left(), 22560.0f);
}

void TestProportionalLayout::zeroSizeAndBack()
{
    Fixture f;
    f.layout.rescale(f.controls, 0, 0);
    QCOMPARE(f.geometry(), (QList<float> { 0, 0, 0, 0 }));
    QCOMPARE(f.child->geometry().size(), QSize(0, 0));
    f.layout.rescale(f.controls, kW, kH);
    QCOMPARE(f.geometry(), (QList<float> { 11280, 6840, 1575, 615 }));
}

void TestProportionalLayout::unsizedTableMovesNothing()
{
    Fixture f;
    ProportionalLayout empty;
    empty.rescale(f.controls, 2 * kW, kH);
    empty.record(f.controls, kW, kH); // no table yet: nothing recorded, nothing fails
    QCOMPARE(f.geometry(), (QList<float> { 11280, 6840, 1575, 615 }));
    // A zero divisor leaves the fields at 0.
    ProportionalLayout zero;
    zero.resize(1);
    zero.record(f.controls, 0, 0);
    QCOMPARE(zero.ControlRatios[0].WidthRatio, 0.0f);
}

QTEST_MAIN(TestProportionalLayout)
#include "tst_proportionallayout.moc"
