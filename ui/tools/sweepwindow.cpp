// The sweep window. A run takes a copy of the main window's case each time, so the
// plot follows the case whenever the user comes back to this window.
#include "ui/tools/sweepwindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <tuple>

#include "core/numformat.h"
#include "ui/mainwindow.h"
#include "ui/tools/rangebox.h"
#include "ui/tools/sweepchart.h"
#include "ui/userio.h"

namespace veltar {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString InputCaption(const FieldDef& f) {
    QString caption = QString("%1: %2").arg(f.name, f.meaning);
    return *f.unit ? caption + QString(" (%1)").arg(f.unit) : caption;
}

// Why a step is missing from the plot: its fault, or the checks that read "NOK".
QString GapText(const SweepResult& r, const SweepStep& s, char sep) {
    QString text = QString("%1 = %2: ").arg(r.range.field->name, Text(PlainText(s.value, sep)));
    if (!s.outcome.fault.empty()) return text + Text(s.outcome.fault);
    QStringList checks;
    for (const std::string& check : s.outcome.nokChecks) checks << Text(check);
    return text + "NOK: " + checks.join("; ");
}

}  // namespace

SweepWindow::SweepWindow(MainWindow& main) : QWidget(&main, Qt::Window), main_(main) {
    setObjectName("sweep");
    setWindowTitle("Sweep");
    BuildControls();
    input_->setCurrentIndex(input_->findData("t"));
    ChooseInput();
    resize(960, 640);
}

void SweepWindow::BuildControls() {
    auto* column = new QVBoxLayout(this);
    column->addLayout(BuildRangeRow());
    view_ = new QChartView(this);
    view_->setObjectName("chartsweep");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(640, 400);
    column->addWidget(view_, 1);
    passing_ = new QLabel(this);
    passing_->setObjectName("labpassing");
    QFont bold = passing_->font();
    bold.setBold(true);
    passing_->setFont(bold);
    column->addWidget(passing_);
    gapsCaption_ = new QLabel("Steps left out of the plot:", this);
    column->addWidget(gapsCaption_);
    gaps_ = new QListWidget(this);
    gaps_->setObjectName("lstgaps");
    gaps_->setMaximumHeight(110);
    column->addWidget(gaps_);
}

QHBoxLayout* SweepWindow::BuildRangeRow() {
    input_ = new QComboBox(this);
    input_->setObjectName("cboinput");
    for (const FieldDef* f : SweepableFields()) input_->addItem(InputCaption(*f), f->name);
    from_ = new QLineEdit(this);
    from_->setObjectName("ifrom");
    to_ = new QLineEdit(this);
    to_->setObjectName("ito");
    steps_ = new QSpinBox(this);
    steps_->setObjectName("isteps");
    steps_->setRange(1, kMaxSweepSteps);
    steps_->setValue(kDefaultSweepSteps);
    auto* row = new QHBoxLayout;
    for (auto [caption, widget] :
         {std::pair<QString, QWidget*>{"Input:", input_}, {"From:", from_}, {"To:", to_}, {"Steps:", steps_}}) {
        row->addWidget(new QLabel(caption, this));
        row->addWidget(widget);
    }
    row->addStretch();
    row->addWidget(new QLabel("Export:", this));
    for (auto [name, caption, write] : {std::tuple{"cmdpng", "PNG...", &SweepWindow::ExportPng},
                                        {"cmdsvg", "SVG...", &SweepWindow::ExportSvg},
                                        {"cmdcsv", "CSV...", &SweepWindow::ExportCsv}}) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, [this, write] { (this->*write)(); });
        row->addWidget(button);
    }
    connect(input_, &QComboBox::currentIndexChanged, this, [this] { ChooseInput(); });
    connect(from_, &QLineEdit::editingFinished, this, [this] { Run(); });
    connect(to_, &QLineEdit::editingFinished, this, [this] { Run(); });
    connect(steps_, &QSpinBox::valueChanged, this, [this] { Run(); });
    return row;
}

// A new input starts from its default range around the case's value.
void SweepWindow::ChooseInput() {
    const FieldDef* f = FindSweepable(input_->currentData().toString().toStdString());
    if (!f) return;
    const Case& c = main_.CaseRecord();
    const SweepRange range = DefaultSweepRange(c, *f);
    const char sep = SepOf(c.DecSep);
    from_->setText(Text(PlainText(static_cast<float>(range.from), sep)));
    to_->setText(Text(PlainText(static_cast<float>(range.to), sep)));
    Run();
}

bool SweepWindow::ReadRange(SweepRange& range, bool warn) {
    range.field = FindSweepable(input_->currentData().toString().toStdString());
    const auto from = RangeNumber(*from_);
    const auto to = RangeNumber(*to_);
    if (!from || !to) {
        if (warn) {
            main_.IO().Warn(from ? NotANumber("To:", *to_) : NotANumber("From:", *from_));
            (from ? to_ : from_)->setFocus();
        }
        return false;
    }
    range.from = *from;
    range.to = *to;
    range.steps = steps_->value();
    const Status s = CheckSweepRange(range);
    if (!s && warn) main_.IO().Warn(Text(s.message));
    return s.ok;
}

void SweepWindow::Run() { Sweep(true); }

void SweepWindow::Sweep(bool warn) {
    SweepRange range;
    if (!ReadRange(range, warn)) return;
    const Case& c = main_.CaseRecord();
    result_ = RunSweep(c, main_.TableSet(), range, c.CheckMode);
    ShowResult();
}

void SweepWindow::ShowResult() {
    const char sep = SepOf(main_.CaseRecord().DecSep);
    QChart* old = view_->chart();
    view_->setChart(BuildSweepChart(result_, sep));
    delete old;
    passing_->setText(Text(PassingText(result_, sep)));
    gaps_->clear();
    for (const SweepStep& s : result_.steps)
        if (!s.outcome.fault.empty() || !s.outcome.nokChecks.empty()) gaps_->addItem(GapText(result_, s, sep));
    gapsCaption_->setVisible(gaps_->count() > 0);
    gaps_->setVisible(gaps_->count() > 0);
}

void SweepWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // Quietly: a warning box would take the activation away and bring it back again.
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Sweep(false);
}

QString SweepWindow::AskPath(const QString& what, const QString& suffix) {
    const QString name = QString("sweep-%1.%2").arg(result_.range.field->name, suffix);
    return main_.IO().SavePath({"Export " + what, name, suffix, {}, true});
}

bool SweepWindow::Save(const QString& path, const std::function<bool(QIODevice&)>& write) {
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) return true;
    main_.IO().Warn("can't save file - " + path);
    return false;
}

bool SweepWindow::ExportPng() {
    return Save(AskPath("PNG", "png"), [this](QIODevice& out) { return view_->grab().save(&out, "PNG"); });
}

bool SweepWindow::ExportSvg() {
    return Save(AskPath("SVG", "svg"), [this](QIODevice& out) {
        QSvgGenerator svg;
        svg.setOutputDevice(&out);
        svg.setSize(view_->size());
        svg.setViewBox(view_->rect());
        svg.setTitle(QString("Sweep of %1").arg(result_.range.field->name));
        QPainter painter(&svg);
        view_->render(&painter);
        return painter.end();
    });
}

bool SweepWindow::ExportCsv() {
    return Save(AskPath("CSV", "csv"), [this](QIODevice& out) {
        const std::string csv = SweepCsv(result_);
        return out.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size());
    });
}

}  // namespace veltar
