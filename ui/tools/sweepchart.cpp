// A factor's line breaks where a step faults or reads "NOK": each stretch of numbers
// is its own series in the factor's colour, and only the first one is in the legend.
#include "ui/tools/sweepchart.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <vector>

#include "core/numformat.h"

namespace veltar {
namespace {

// The plot stays readable near the limit however large a factor grows at the range's end.
constexpr double kMinTop = 1.2;
constexpr double kMaxTop = 3.0;

constexpr std::array<QRgb, 15> kColours{
    0x1f77b4, 0xff7f0e, 0x2ca02c, 0x9467bd, 0x8c564b, 0xe377c2, 0x17becf, 0xbcbd22,
    0x393b79, 0x637939, 0x8c6d31, 0x843c39, 0x7b4173, 0x3182bd, 0x636363,
};

struct Axes {
    QValueAxis* x;
    QValueAxis* y;
};

void Add(QChart& chart, const Axes& axes, QXYSeries* series) {
    chart.addSeries(series);
    series->attachAxis(axes.x);
    series->attachAxis(axes.y);
}

void HideFromLegend(QChart& chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
}

double Highest(const SweepResult& r) {
    double highest = 0;
    for (const SweepStep& s : r.steps)
        for (const FactorReading& f : s.outcome.factors)
            if (f.state == ReadingState::Value) highest = std::max(highest, f.value);
    return highest;
}

void AddFactor(QChart& chart, const Axes& axes, const SweepResult& r, size_t factor, const QString& name) {
    const QPen pen(QColor(kColours[factor % kColours.size()]), 2);
    std::vector<QLineSeries*> stretches;
    QLineSeries* stretch = nullptr;
    for (const SweepStep& s : r.steps) {
        const FactorReading& f = s.outcome.factors[factor];
        if (f.state != ReadingState::Value) {
            stretch = nullptr;
            continue;
        }
        if (!stretch) {
            stretch = new QLineSeries;
            stretch->setPen(pen);
            stretch->setName(name);
            Add(chart, axes, stretch);
            if (!stretches.empty()) HideFromLegend(chart, stretch);
            stretches.push_back(stretch);
        }
        stretch->append(s.value, f.value);
    }
    // A stretch of one step has no line to draw: its point shows it.
    for (QLineSeries* one : stretches)
        if (one->count() == 1) one->setPointsVisible(true);
}

void AddLine(QChart& chart, const Axes& axes, const QString& name, QPointF a, QPointF b, const QPen& pen) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(pen);
    line->append(a);
    line->append(b);
    Add(chart, axes, line);
}

void AddCrossings(QChart& chart, const Axes& axes, const SweepResult& r) {
    if (r.crossings.empty()) return;
    auto* marks = new QScatterSeries;
    marks->setName("passing bound");
    marks->setMarkerSize(11);
    marks->setColor(Qt::black);
    for (const SweepCrossing& x : r.crossings) marks->append(x.passing, kFactorLimit);
    Add(chart, axes, marks);
}

QString AxisTitle(const FieldDef& f) { return *f.unit ? QString("%1 (%2)").arg(f.name, f.unit) : QString(f.name); }

QString Title(int mode) {
    const char* checks = mode == 1 ? "Buckling" : mode == 2 ? "Scantling / Yield" : "Buckling / Scantling / Yield";
    return QString("%1: usage factors").arg(checks);
}

}  // namespace

QChart* BuildSweepChart(const SweepResult& r, char sep) {
    auto* chart = new QChart;
    chart->setTitle(Title(r.mode));
    chart->legend()->setAlignment(Qt::AlignRight);
    const Axes axes{new QValueAxis, new QValueAxis};
    axes.x->setTitleText(AxisTitle(*r.range.field));
    axes.x->setRange(r.range.from, r.range.to);
    const double highest = Highest(r);
    axes.y->setRange(0, std::clamp(highest * 1.05, kMinTop, kMaxTop));
    axes.y->applyNiceNumbers();
    const double top = axes.y->max();
    axes.y->setTitleText(
        highest > top
            ? QString("usage factor (above %1 not shown)").arg(QString::fromStdString(Format(top, "0.0", sep)))
            : QString("usage factor"));
    chart->addAxis(axes.x, Qt::AlignBottom);
    chart->addAxis(axes.y, Qt::AlignLeft);
    const auto names = ModeFactors(r.mode);
    for (size_t i = 0; i < names.size(); ++i) AddFactor(*chart, axes, r, i, names[i]);
    AddLine(*chart, axes, QString("allowed (%1)").arg(QString::fromStdString(Format(kFactorLimit, "0.0", sep))),
            {r.range.from, kFactorLimit}, {r.range.to, kFactorLimit}, QPen(Qt::red, 1.5, Qt::DashLine));
    const QString current = QString::fromStdString(PlainText(r.current, sep));
    AddLine(*chart, axes, QString("current %1 = %2").arg(r.range.field->name, current), {r.current, 0.0},
            {r.current, top}, QPen(Qt::darkGray, 1.5, Qt::DashDotLine));
    AddCrossings(*chart, axes, r);
    return chart;
}

}  // namespace veltar
