// The live graph of an interface page: octets in and out per second of the interfaces ticked in
// the list beside it, over the last minutes. The page feeds it one sample per interface and
// refresh; it keeps every interface's history, so ticking one later shows its past too.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <deque>

class QChart;
class QChartView;
class QListWidget;
class QListWidgetItem;
class QValueAxis;

class InterfaceGraph : public QWidget {
 public:
  static constexpr double HistorySeconds = 300;  // what is kept and shown
  static constexpr int DefaultTicked = 2;         // interfaces ticked when they first appear

  explicit InterfaceGraph(QWidget* parent = nullptr);

  // One refresh's rates of interface `key` (its index), named `name`, at `seconds` since start.
  void addSample(const QString& key, const QString& name, double seconds, double inRate, double outRate);
  // Ticks or unticks an interface in the list (by key); the graph follows.
  void setTicked(const QString& key, bool on);
  QStringList tickedKeys() const;
  // The points of an interface's in or out series as kept (oldest first).
  QList<QPointF> history(const QString& key, bool out) const;

  QListWidget* InterfaceList() const { return list_; }
  QChartView* ChartView() const { return view_; }

 private:
  struct Line {
    QString name;
    std::deque<QPointF> in, out;
  };
  void itemChanged(QListWidgetItem* item);
  void redraw();

  QListWidget* list_;
  QChartView* view_;
  QChart* chart_;
  QValueAxis* axisX_;
  QValueAxis* axisY_;
  QHash<QString, Line> lines_;
  QStringList order_;  // keys in order of appearance
  double now_ = 0;
  bool updating_ = false;
};
