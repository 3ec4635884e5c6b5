#include "tools/kx760mib/InterfaceGraph.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QListWidget>
#include <QValueAxis>
#include <algorithm>

InterfaceGraph::InterfaceGraph(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("InterfaceGraph"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("GraphInterfaces"));
  list_->setMaximumWidth(180);
  layout->addWidget(list_);

  chart_ = new QChart();
  chart_->setTitle(QStringLiteral("Octets per second"));
  chart_->legend()->setAlignment(Qt::AlignBottom);
  axisX_ = new QValueAxis(chart_);
  axisX_->setTitleText(QStringLiteral("seconds"));
  axisX_->setLabelFormat(QStringLiteral("%d"));
  axisY_ = new QValueAxis(chart_);
  axisY_->setLabelFormat(QStringLiteral("%.0f"));
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  view_ = new QChartView(chart_, this);  // the view owns the chart
  view_->setObjectName(QStringLiteral("GraphView"));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumHeight(220);
  layout->addWidget(view_, 1);

  connect(list_, &QListWidget::itemChanged, this, &InterfaceGraph::itemChanged);
  redraw();
}

void InterfaceGraph::addSample(const QString& key, const QString& name, double seconds, double inRate,
                               double outRate) {
  auto it = lines_.find(key);
  if (it == lines_.end()) {
    it = lines_.insert(key, Line{name, {}, {}});
    order_.append(key);
    updating_ = true;
    auto* item = new QListWidgetItem(name.isEmpty() ? key : QStringLiteral("%1 %2").arg(key, name), list_);
    item->setData(Qt::UserRole, key);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(order_.size() <= DefaultTicked ? Qt::Checked : Qt::Unchecked);
    updating_ = false;
  }
  it->name = name;
  it->in.emplace_back(seconds, inRate);
  it->out.emplace_back(seconds, outRate);
  now_ = std::max(now_, seconds);
  // The last minutes only.
  for (auto* points : {&it->in, &it->out})
    while (!points->empty() && points->front().x() < now_ - HistorySeconds) points->pop_front();
  redraw();
}

void InterfaceGraph::setTicked(const QString& key, bool on) {
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->data(Qt::UserRole).toString() == key)
      list_->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QStringList InterfaceGraph::tickedKeys() const {
  QStringList keys;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->checkState() == Qt::Checked) keys << list_->item(i)->data(Qt::UserRole).toString();
  return keys;
}

QList<QPointF> InterfaceGraph::history(const QString& key, bool out) const {
  const auto it = lines_.constFind(key);
  if (it == lines_.cend()) return {};
  const std::deque<QPointF>& points = out ? it->out : it->in;
  return QList<QPointF>(points.begin(), points.end());
}

void InterfaceGraph::itemChanged(QListWidgetItem*) {
  if (!updating_) redraw();
}

void InterfaceGraph::redraw() {
  chart_->removeAllSeries();
  double top = 0;
  for (const QString& key : tickedKeys()) {
    const Line& line = lines_[key];
    for (const bool out : {false, true}) {
      auto* series = new QLineSeries();
      series->setName(QStringLiteral("%1 %2").arg(key, out ? QStringLiteral("out") : QStringLiteral("in")));
      for (const QPointF& p : out ? line.out : line.in) {
        series->append(p);
        top = std::max(top, p.y());
      }
      chart_->addSeries(series);  // the chart owns it
      series->attachAxis(axisX_);
      series->attachAxis(axisY_);
    }
  }
  axisX_->setRange(std::max(0.0, now_ - HistorySeconds), std::max(now_, 60.0));
  axisY_->setRange(0, top > 0 ? top * 1.1 : 1.0);
}
