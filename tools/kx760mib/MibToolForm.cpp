#include "tools/kx760mib/MibToolForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "configform/Guiconfigform.h"
#include "tools/kx760mib/InterfaceGraph.h"
#include "bind/MvSNMPRequest2Edits.h"

namespace {

bool isCounter(quint32 syntax) { return syntax == Syntax::Counter || syntax == Syntax::Counter64; }

// The item after a counter that holds its rate, or -1.
int rateItemOf(const MvSNMPVarList& list, int item) {
  return item + 1 < list.count() && isCounter(list.item(item).syntax) &&
                 list.item(item + 1).access == Access::Derived
             ? item + 1
             : -1;
}

int itemByLabel(const MvSNMPVarList& list, const char* label) {
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i).label == QLatin1String(label)) return i;
  return -1;
}

// The list-view column that shows an item, or -1.
int listColumnOf(const MvSNMPRequest2Edits& binding, int item) {
  const std::vector<int>& columns = binding.ColumnItems();
  const auto it = std::find(columns.begin(), columns.end(), item);
  return it == columns.end() ? -1 : static_cast<int>(it - columns.begin());
}

}  // namespace

MvSNMPVarList TMibToolForm::withRateItems(const MvSNMPVarList& list) {
  MvSNMPVarList out;
  out.setItemType(list.itemType());
  out.setKeyCount(list.keyCount());
  for (int i = 0; i < list.count(); ++i) {
    const SnmpVarItem& item = list.item(i);
    const QByteArray oid = item.oid.toLatin1();
    const QByteArray label = item.label.toUtf8();
    const SnmpVarDef one[] = {{oid.constData(), label.constData(), item.syntax, item.access, item.options}, {}};
    out.appendDefs(one);
    if (!isCounter(item.syntax)) continue;
    // Produced here, never sent: the rate since the previous refresh.
    const QByteArray rateLabel = label + RateSuffix;
    const SnmpVarDef rate[] = {{oid.constData(), rateLabel.constData(), Syntax::DisplayStr, Access::Derived}, {}};
    out.appendDefs(rate);
  }
  return out;
}

TMibToolForm::TMibToolForm(const MibToolPage& page, const QString& addressText, QWidget* parent)
    : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("MibToolForm"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(QStringLiteral("%1 : %2").arg(QLatin1String(page.title), addressText));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  if (page.counters) buildCounterBar();

  form_ = new TConfigForm(this);
  form_->setWindowFlags(Qt::Widget);  // a page inside this window rather than a dialog of its own
  const auto tabs = page.tabList();
  auto makeBinding = [&](const MibToolTab& tab) {
    auto binding = std::make_unique<MvSNMPRequest2Edits>(form_);
    const MvSNMPVarList list = tab.makeVarList();
    binding->Request().varList = page.counters ? withRateItems(list) : list;
    return binding;
  };
  auto isTable = [](const MibToolTab& tab) { return tab.catalogueList()->kind != SVT_SV; };
  if (tabs.size() > 1) {
    form_->MakePagedForm();
    for (const MibToolTab& tab : tabs) {
      const QString caption = QString::fromLatin1(tab.caption);
      if (isTable(tab))
        form_->AddTablePage(caption, makeBinding(tab));
      else
        form_->AddEditorPage(caption, makeBinding(tab));
    }
  } else if (isTable(tabs.front())) {
    form_->MakeTableForm(makeBinding(tabs.front()));
  } else {
    // Texts such as sysDescr are long: a wider value column than the module's own pages use.
    form_->MakeEditorForm(makeBinding(tabs.front()))->SetEditWidth(EditorEditWidth);
  }
  lastDoneMs_.assign(static_cast<size_t>(form_->BindingCount()), -1);
  for (int i = 0; i < form_->BindingCount(); ++i)
    form_->BindingAt(i)->OnRefreshDone = [this, i](MvSNMPRequest2Controls*, const MvSNMPError& error) {
      refreshDone(i, error);
    };

  if (page.graphIn) {
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(form_);
    graph_ = new InterfaceGraph(split);
    split->addWidget(graph_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
  } else {
    layout->addWidget(form_, 1);
  }
  // The Close button of the page ends the window.
  connect(form_, &QDialog::finished, this, &QWidget::close);
  clock_.start();
  if (page.counters) {
    connect(&timer_, &QTimer::timeout, this, &TMibToolForm::tick);
    timer_.start(DefaultIntervalSeconds * 1000);
  }
  // Tables of the standard MIBs are wide; a graph needs room below its table; an editor page's
  // values (sysDescr) widen their edits up to the page's limit once they arrive.
  const bool anyTable = std::any_of(tabs.begin(), tabs.end(), isTable);
  const int width = std::max(form_->width(), anyTable ? 980 : 780);
  const int height = page.graphIn ? 760 : form_->height() + (page.counters ? 40 : 0);
  resize(width, std::max(height, anyTable ? 520 : 360));
}

TMibToolForm::~TMibToolForm() {
  timer_.stop();
  form_->ReleaseBindings();
}

void TMibToolForm::buildCounterBar() {
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("CounterBar"));
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(6, 2, 6, 2);
  row->addWidget(new QLabel(QStringLiteral("Refresh every"), bar));
  interval_ = new QSpinBox(bar);
  interval_->setObjectName(QStringLiteral("IntervalBox"));
  interval_->setRange(1, 3600);
  interval_->setSuffix(QStringLiteral(" s"));
  interval_->setValue(DefaultIntervalSeconds);
  row->addWidget(interval_);
  pause_ = new QPushButton(QStringLiteral("Pause"), bar);
  pause_->setObjectName(QStringLiteral("PauseBtn"));
  pause_->setCheckable(true);
  row->addWidget(pause_);
  row->addStretch(1);
  static_cast<QVBoxLayout*>(layout())->addWidget(bar);
  connect(interval_, &QSpinBox::valueChanged, this, [this](int seconds) { timer_.setInterval(seconds * 1000); });
  connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
    pause_->setText(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
    if (paused)
      timer_.stop();
    else
      timer_.start();
  });
}

void TMibToolForm::SetIntervalSeconds(int seconds) {
  if (interval_) interval_->setValue(seconds);
}

bool TMibToolForm::Paused() const { return pause_ && pause_->isChecked(); }

void TMibToolForm::SetPaused(bool paused) {
  if (pause_) pause_->setChecked(paused);
}

void TMibToolForm::tick() {
  // A walk slower than the interval is not started again on top of itself.
  MvSNMPRequest2Edits* current = form_->CurrentBinding();
  if (current && current->Busy()) return;
  form_->RefreshActivePage();
}

void TMibToolForm::refreshDone(int binding, const MvSNMPError& error) {
  const qint64 now = clock_.elapsed();
  ++refreshes_;
  if (!error.ok()) {
    ++errors_;
  } else if (page_.counters) {
    qint64& last = lastDoneMs_[static_cast<size_t>(binding)];
    lastIntervalMs_ = last < 0 ? 0 : now - last;
    last = now;
    showRates(binding, now);
    if (graph_) feedGraph(binding, now);
  }
  emit refreshed(refreshes_);
}

void TMibToolForm::showRates(int binding, qint64 ms) {
  MvSNMPRequest2Edits* b = form_->BindingAt(binding);
  MvSNMPVarList& list = b->Request().varList;
  const QString tab = QString::number(binding) + u'/';
  if (QTreeWidget* view = b->ListView()) {
    auto columnOf = [b](int item) { return listColumnOf(*b, item); };
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
      QTreeWidgetItem* row = view->topLevelItem(r);
      QString key;
      for (int k = 0; k < list.keyCount(); ++k) key += row->text(columnOf(k)) + u'.';
      for (int i = 0; i < list.count(); ++i) {
        const int rateItem = rateItemOf(list, i);
        if (rateItem < 0) continue;
        const std::optional<double> rate =
            rates_.sample(tab + key + QString::number(i), list.item(i).syntax, row->text(columnOf(i)), ms);
        row->setText(columnOf(rateItem), rate ? rateText(*rate) : QString());
        row->setTextAlignment(columnOf(rateItem), Qt::AlignRight | Qt::AlignVCenter);
      }
    }
    return;
  }
  for (int i = 0; i < list.count(); ++i) {
    const int rateItem = rateItemOf(list, i);
    if (rateItem < 0) continue;
    const std::optional<double> rate = rates_.sample(tab + QString::number(i), list.item(i).syntax, list.item(i).value, ms);
    list.item(rateItem).value = rate ? rateText(*rate) : QString();
    b->ShowValues(rateItem);
  }
}

void TMibToolForm::feedGraph(int binding, qint64 ms) {
  MvSNMPRequest2Edits* b = form_->BindingAt(binding);
  QTreeWidget* view = b->ListView();
  const MvSNMPVarList& list = b->Request().varList;
  const int in = itemByLabel(list, page_.graphIn);
  const int out = itemByLabel(list, page_.graphOut);
  if (!view || in < 0 || out < 0 || rateItemOf(list, in) < 0 || rateItemOf(list, out) < 0) return;
  auto columnOf = [b](int item) { return listColumnOf(*b, item); };
  // The interface's name: the first text column after the key.
  const int nameColumn = list.keyCount() < list.count() ? columnOf(list.keyCount()) : -1;
  for (int r = 0; r < view->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* row = view->topLevelItem(r);
    bool okIn = false, okOut = false;
    const double inRate = row->text(columnOf(rateItemOf(list, in))).toDouble(&okIn);
    const double outRate = row->text(columnOf(rateItemOf(list, out))).toDouble(&okOut);
    if (!okIn || !okOut) continue;  // the first refresh has no rate yet
    graph_->addSample(row->text(columnOf(0)), nameColumn >= 0 ? row->text(nameColumn) : QString(),
                      static_cast<double>(ms) / 1000.0, inRate, outRate);
  }
}

void TMibToolForm::closeEvent(QCloseEvent* event) {
  timer_.stop();
  form_->ReleaseBindings();
  event->accept();
}
