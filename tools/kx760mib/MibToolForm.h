// TMibToolForm: the window of kx760mib. It shows one standard-MIB page (MibToolPages) through
// the generic configuration form; a counter page adds a per-second rate beside every counter, a
// refresh timer the user can set and pause, and, for interfaces, the live octet-rate graph.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "tools/kx760mib/CounterRates.h"
#include "catalogue/MibToolPages.h"

class InterfaceGraph;
class MvSNMPError;
class QPushButton;
class QSpinBox;
class TConfigForm;

class TMibToolForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int DefaultIntervalSeconds = 5;
  static constexpr char RateSuffix[] = "/s";
  static constexpr int EditorEditWidth = 300;

  // Builds the page; the first refresh runs once the window is shown.
  TMibToolForm(const MibToolPage& page, const QString& addressText, QWidget* parent = nullptr);
  ~TMibToolForm() override;

  const MibToolPage& Page() const { return page_; }
  TConfigForm* ConfigForm() const { return form_; }
  // Counter pages only (nullptr elsewhere).
  QSpinBox* IntervalBox() const { return interval_; }
  QPushButton* PauseBtn() const { return pause_; }
  InterfaceGraph* Graph() const { return graph_; }

  void SetIntervalSeconds(int seconds);
  bool Paused() const;
  void SetPaused(bool paused);
  // Refreshes that ended (with or without an error), and those that ended in an error.
  int RefreshCount() const { return refreshes_; }
  int ErrorCount() const { return errors_; }
  // Milliseconds between the last two refreshes of the page on view, over which its rates were
  // measured; 0 before the second.
  qint64 LastIntervalMs() const { return lastIntervalMs_; }

  // The variable list of a counter page: each Counter32/Counter64 item followed by a derived
  // item labelled with RateSuffix that holds its rate.
  static MvSNMPVarList withRateItems(const MvSNMPVarList& list);

 signals:
  void refreshed(int count);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildCounterBar();
  void tick();
  void refreshDone(int binding, const MvSNMPError& error);
  void showRates(int binding, qint64 ms);
  void feedGraph(int binding, qint64 ms);

  const MibToolPage& page_;
  TConfigForm* form_;
  QSpinBox* interval_ = nullptr;
  QPushButton* pause_ = nullptr;
  InterfaceGraph* graph_ = nullptr;
  QTimer timer_;
  QElapsedTimer clock_;
  CounterRates rates_;
  std::vector<qint64> lastDoneMs_;  // per binding; -1 before its first refresh
  qint64 lastIntervalMs_ = 0;
  int refreshes_ = 0;
  int errors_ = 0;
};
