#include "bind/MvSNMPRequest2Edits.h"

#include <QFileInfo>
#include <QSaveFile>

#include <QGuiApplication>

#include <QClipboard>

#include <QAction>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtEndian>
#include <cmath>
#include <cstring>

#include "mvsnmp/MvDateTime.h"
#include "mvsnmp/MvKeyText.h"
#include "mvsnmp/MvNumList.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2RawValue.h"
#include "mvsnmp/MvValueConversion.h"
#include "widgets/UserNotice.h"

namespace Raw = MvSNMPRequest2RawValue;

namespace {

constexpr int kBadOptionSyntax = -517;
constexpr int kBadPieceValue = -518;
constexpr int kIndexOutOfRange = -519;
constexpr int kNoOptionList = -520;
constexpr int kBadControl = -521;
constexpr int kTooFewControls = -522;
constexpr int kBadItemIndex = -12;  // "Out of range at index of array or list!"

// Rows received during a walk reach the view at most this often, in one batch.
constexpr int kRowFlushMs = 100;
// A batch holds at least the view's rows divided by this. Each batch costs the view a layout of
// all its rows, so batches grow with the view: a walk of a million rows costs a few dozen layouts
// rather than one every 100 ms, and the fill time grows with the rows, not with their square.
constexpr int kBatchGrowth = 4;
constexpr int kHeadingPadding = 20;
constexpr size_t kWidthSampleRows = 100;

enum class Kind { Label, CheckBox, ComboBox, RadioGroup, Edit, Other };

Kind kindOf(const QWidget* w) {
  if (qobject_cast<const QLabel*>(w)) return Kind::Label;
  if (qobject_cast<const QCheckBox*>(w)) return Kind::CheckBox;
  if (qobject_cast<const QComboBox*>(w)) return Kind::ComboBox;
  if (qobject_cast<const QLineEdit*>(w)) return Kind::Edit;
  if (qobject_cast<const QGroupBox*>(w)) return Kind::RadioGroup;
  return Kind::Other;
}

bool isBooleanSyntax(quint32 s) {
  return s == Syntax::Boolean || s == Syntax::Bool8 || s == Syntax::Bool16;
}

bool isHexSyntax(quint32 s) {
  return s == Syntax::BitStr || s == Syntax::OctetStr || s == Syntax::Opaque ||
         s == Syntax::MacAddress || s == Syntax::Ipv6Address;
}

bool isAddressSyntax(quint32 s) { return s == Syntax::IpAddress || s == Syntax::NsapAddr; }

bool isNull(const QString& text) { return text == QLatin1String(NullValueText); }

// Why a piece of a value (its raw text `raw`, shown as `typed`) does not read strictly with its
// own syntax; "" when it does. The one- and two-octet syntaxes take numbers of their range.
QString pieceRefusal(const QString& label, const QString& typed, const QString& raw, quint32 syntax) {
  struct Range {
    quint32 syntax;
    qint64 low, high;
  };
  static constexpr Range ranges[] = {{Syntax::Int8, -128, 127},
                                     {Syntax::UInt8, 0, 255},
                                     {Syntax::Int16, -32768, 32767},
                                     {Syntax::UInt16, 0, 65535}};
  for (const Range& r : ranges) {
    if (r.syntax != syntax) continue;
    if (MvKeyText::number(raw, r.low, r.high)) return {};
    return MvKeyText::refusal(label, typed, MvKeyRule::number(Syntax::Integer, r.low, r.high));
  }
  const quint32 whole = syntax == Syntax::Bool8 || syntax == Syntax::Bool16 ? Syntax::Boolean : syntax;
  if (!isValueSyntax(whole) || isNull(raw) || valueOfText(whole, raw)) return {};
  return MvKeyText::refusal(label, typed, MvKeyRule::of(whole));
}

// ---- radio groups: a group box whose buttons come from the option list ----

QButtonGroup* radioButtons(const QGroupBox* box) {
  return box->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
}

void fillRadioGroup(QGroupBox* box, const QStringList& labels) {
  QButtonGroup* group = radioButtons(box);
  if (!group) group = new QButtonGroup(box);
  for (QAbstractButton* b : group->buttons()) {
    group->removeButton(b);
    delete b;
  }
  QLayout* layout = box->layout();
  if (!layout) layout = new QVBoxLayout(box);
  for (int i = 0; i < labels.size(); ++i) {
    auto* button = new QRadioButton(labels.at(i), box);
    layout->addWidget(button);
    group->addButton(button, i);
  }
}

int radioIndex(const QGroupBox* box) {
  const QButtonGroup* group = radioButtons(box);
  return group ? group->checkedId() : -1;
}

QString radioText(const QGroupBox* box, int index) {
  const QButtonGroup* group = radioButtons(box);
  const QAbstractButton* b = group ? group->button(index) : nullptr;
  return b ? b->text() : QString();
}

void selectRadio(QGroupBox* box, int index) {
  QButtonGroup* group = radioButtons(box);
  if (!group) return;
  if (QAbstractButton* b = group->button(index)) {
    b->setChecked(true);
  } else if (QAbstractButton* checked = group->checkedButton()) {
    group->setExclusive(false);
    checked->setChecked(false);
    group->setExclusive(true);
  }
}

// ---- date-time pieces of the "bcdatetime" day count ----

const QDate kDayZero(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;

QDateTime dateTimeOfDays(double days) {
  const double whole = std::floor(days);
  qint64 ms = std::llround((days - whole) * kMsPerDay);
  qint64 day = static_cast<qint64>(whole);
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    ++day;
  }
  return QDateTime(kDayZero.addDays(day), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

// Grid lines for the list view, which QTreeView does not draw itself.
class GridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
  }
};

}  // namespace

struct MvSNMPRequest2Edits::Binding {
  int item = 0;
  int offset = 0;
  quint32 syntax = 0;
  const MvOptionList* options = nullptr;  // its own, not the item's
  std::vector<QPointer<QWidget>> controls;
  std::vector<quint32> bits;  // a row of check boxes bound to bits
};

MvSNMPRequest2Edits::MvSNMPRequest2Edits(QWidget* owner)
    : MvSNMPRequest2Controls(owner), constraints_(std::make_unique<MvEditConstraint>(owner, true)) {
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(kRowFlushMs);
  QObject::connect(&flushTimer_, &QTimer::timeout, this, [this] {
    // The end of the walk flushes whatever is left (AfterRefresh, OperationEnded).
    const auto shown = static_cast<size_t>(listView_ ? listView_->topLevelItemCount() : 0);
    if (pendingRows_.size() < shown / kBatchGrowth) return flushTimer_.start();
    flushRows();
  });
}

MvSNMPRequest2Edits::~MvSNMPRequest2Edits() {
  QObject::disconnect(selectionConnection_);
  flushTimer_.stop();
}

void MvSNMPRequest2Edits::checkItem(int item) const {
  if (item < 0 || item >= Request().varList.count()) raiseError(kBadItemIndex);
}

bool MvSNMPRequest2Edits::isWhole(const Binding& b) const {
  return b.offset == 0 && b.syntax == Request().varList.item(b.item).syntax;
}

const MvOptionList* MvSNMPRequest2Edits::optionsOf(const Binding& b) const {
  if (b.options) return b.options;
  return isWhole(b) ? Request().varList.item(b.item).options : nullptr;
}

int MvSNMPRequest2Edits::BindingCount(int item) const {
  if (item == AllItems) return static_cast<int>(bindings_.size());
  return static_cast<int>(std::count_if(bindings_.begin(), bindings_.end(),
                                        [item](const Binding& b) { return b.item == item; }));
}

// ---- binding ----

void MvSNMPRequest2Edits::Bind(int item, int offset, quint32 syntax, const MvOptionList* options,
                               QWidget* control, QWidget* second) {
  checkItem(item);
  if (offset < 0) raiseError(kIndexOutOfRange);
  const Kind kind = kindOf(control);
  if (!control || kind == Kind::Other) raiseError(kBadControl);
  if (second && kindOf(second) != Kind::Edit) raiseError(kBadControl);
  Binding b;
  b.item = item;
  b.offset = offset;
  b.syntax = syntax;
  b.options = options;
  const MvOptionList* list = optionsOf(b);
  if (kind == Kind::ComboBox || kind == Kind::RadioGroup) {
    if (!list) raiseError(kNoOptionList);
    if (kind == Kind::ComboBox && list->kind() == MvOptionList::TextPrefix && !second)
      raiseError(kTooFewControls);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
      combo->clear();
      combo->addItems(list->labels());
    } else {
      fillRadioGroup(static_cast<QGroupBox*>(control), list->labels());
    }
  }
  b.controls.emplace_back(control);
  if (second) b.controls.emplace_back(second);
  bindings_.push_back(std::move(b));
}

void MvSNMPRequest2Edits::BindControl(int item, QWidget* control) {
  checkItem(item);
  Bind(item, 0, Request().varList.item(item).syntax, nullptr, control);
}

void MvSNMPRequest2Edits::BindComboBox(int item, QComboBox* combo) {
  checkItem(item);
  if (combo) combo->setEditable(false);
  Bind(item, 0, Request().varList.item(item).syntax, nullptr, combo);
}

void MvSNMPRequest2Edits::BindPart(int item, int offset, quint32 syntax,
                                   const MvOptionList* options, QComboBox* combo) {
  if (combo) combo->setEditable(false);
  Bind(item, offset, syntax, options, combo);
}

void MvSNMPRequest2Edits::BindEdits(int item, const QString& format,
                                    const QList<QLineEdit*>& edits) {
  checkItem(item);
  BindPartEdits(item, 0, Request().varList.item(item).syntax, nullptr, format, edits);
}

void MvSNMPRequest2Edits::BindPartEdits(int item, int offset, quint32 syntax,
                                        const MvOptionList* options, const QString& format,
                                        const QList<QLineEdit*>& edits) {
  checkItem(item);
  if (offset < 0) raiseError(kIndexOutOfRange);
  if (edits.isEmpty() || edits.contains(nullptr)) raiseError(kBadControl);
  const QStringList specs = MvEditConstraint::SplitFormat(format, true);
  qsizetype attached = 0;
  try {
    for (; attached < specs.size() && attached < edits.size(); ++attached)
      constraints_->Attach(specs.at(attached), edits.at(attached));
  } catch (const MvException&) {
    // All or nothing: the edits guarded by this call are let go again.
    for (qsizetype i = 0; i < attached; ++i) constraints_->Detach(edits.at(i));
    throw;
  }
  Binding b;
  b.item = item;
  b.offset = offset;
  b.syntax = syntax;
  b.options = options;
  for (QLineEdit* e : edits) b.controls.emplace_back(e);
  bindings_.push_back(std::move(b));
}

void MvSNMPRequest2Edits::BindBits(int item, const QString& bitList,
                                   const QList<QCheckBox*>& boxes) {
  checkItem(item);
  MvUIntList bits;
  bits.delimiter = QLatin1Char(',');
  bits.parse(bitList);
  if (boxes.size() < bits.count()) raiseError(kTooFewControls);
  if (boxes.mid(0, bits.count()).contains(nullptr)) raiseError(kBadControl);
  if (bits.count() == 0) return;
  Binding b;
  b.item = item;
  b.syntax = Request().varList.item(item).syntax;
  b.bits = bits.values();
  for (int i = 0; i < bits.count(); ++i) b.controls.emplace_back(boxes.at(i));
  bindings_.push_back(std::move(b));
}

void MvSNMPRequest2Edits::Unbind(int item) {
  std::vector<QLineEdit*> edits;
  for (const Binding& b : bindings_)
    if (b.item == item)
      for (const QPointer<QWidget>& c : b.controls)
        if (auto* e = qobject_cast<QLineEdit*>(c.data())) edits.push_back(e);
  std::erase_if(bindings_, [item](const Binding& b) { return b.item == item; });
  for (QLineEdit* e : edits) {
    const bool stillBound = std::any_of(bindings_.begin(), bindings_.end(), [e](const Binding& b) {
      return std::find(b.controls.begin(), b.controls.end(), e) != b.controls.end();
    });
    if (!stillBound) constraints_->Detach(e);
  }
}

void MvSNMPRequest2Edits::EnableControls(bool on) {
  for (const Binding& b : bindings_)
    for (const QPointer<QWidget>& c : b.controls)
      if (c) c->setEnabled(on);
}

// ---- values to controls ----

void MvSNMPRequest2Edits::ShowValues(int item) {
  // A control's own handler may bind or unbind while values are shown: work on a copy.
  const std::vector<Binding> bindings = bindings_;
  const MvSNMPVarList& list = Request().varList;
  for (const Binding& b : bindings) {
    if (item != AllItems && b.item != item) continue;
    if (b.item >= list.count() || (list.item(b.item).access & Access::Invalid)) continue;
    refusedPieces_.erase(b.item);  // the controls show the item's value again
    showBinding(b);
  }
}

void MvSNMPRequest2Edits::showEdit(QLineEdit* edit, const QString& text) {
  constraints_->ShowText(edit, text);
}

void MvSNMPRequest2Edits::showBinding(const Binding& b) {
  const SnmpVarItem& it = Request().varList.item(b.item);
  QString text = it.options ? it.options->valueOf(it.value) : it.value;
  QByteArray raw = Raw::toRaw(text, it.syntax);
  if (!isWhole(b)) {
    raw = Raw::cut(raw, b.offset, b.syntax);
    text = Raw::toText(raw, b.syntax);
  }
  const MvOptionList* list = optionsOf(b);
  if (list) text = list->labelOf(text);
  QWidget* first = b.controls.front();
  if (!first) return;
  switch (kindOf(first)) {
    case Kind::Label:
      static_cast<QLabel*>(first)->setText(text);
      return;
    case Kind::CheckBox: {
      if (!b.bits.empty()) {
        for (size_t i = 0; i < b.bits.size(); ++i) {
          if (b.bits[i] / 8 >= static_cast<quint32>(raw.size())) raiseError(kIndexOutOfRange);
          if (auto* box = qobject_cast<QCheckBox*>(b.controls[i].data())) box->setChecked(Raw::bit(raw, b.bits[i]));
        }
      } else if (list) {
        int position = list->indexOfLabel(text);
        if (position < 0) position = list->indexOfValue(text);
        static_cast<QCheckBox*>(first)->setChecked(position > 0);
      } else {
        if (!isBooleanSyntax(b.syntax)) raiseError(kBadOptionSyntax);
        static_cast<QCheckBox*>(first)->setChecked(text == QLatin1String("true"));
      }
      return;
    }
    case Kind::ComboBox: {
      if (!list) raiseError(kNoOptionList);
      const int index = list->selectionIndex(text);
      static_cast<QComboBox*>(first)->setCurrentIndex(index);
      if (b.controls.size() > 1) {
        QString rest = text;
        if (index >= 0) {
          rest = text.mid(list->item(index).label.size());
          if (b.syntax == Syntax::ObjectId && !rest.isEmpty()) rest.remove(0, 1);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(b.controls[1].data())) showEdit(edit, rest);
      }
      return;
    }
    case Kind::RadioGroup:
      if (!list) raiseError(kNoOptionList);
      selectRadio(static_cast<QGroupBox*>(first), list->selectionIndex(text));
      return;
    case Kind::Edit:
      if (b.controls.size() == 1)
        showEdit(static_cast<QLineEdit*>(first), text);
      else
        showEditGroup(b, raw, text);
      return;
    case Kind::Other:
      raiseError(kBadControl);
  }
}

void MvSNMPRequest2Edits::showEditGroup(const Binding& b, const QByteArray& raw,
                                        const QString& text) {
  const auto n = static_cast<qsizetype>(b.controls.size());
  auto edit = [&b](qsizetype i) { return qobject_cast<QLineEdit*>(b.controls[static_cast<size_t>(i)].data()); };
  auto show = [&](qsizetype i, const QString& t) {
    if (QLineEdit* e = edit(i)) showEdit(e, t);
  };
  // Edits past the value's end are emptied, so no stale part of an earlier value stays.
  auto clearFrom = [&](qsizetype from) {
    for (qsizetype i = from; i < n; ++i) show(i, QString());
  };
  auto needFixed = [&](int controls) {
    if (n < controls) raiseError(kTooFewControls);
    if (isNull(text)) return false;
    if (raw.size() < Raw::neededLength(b.syntax)) raiseError(kBadPieceValue);
    return true;
  };
  const quint32 s = b.syntax;
  if (isHexSyntax(s)) {
    const qsizetype fixed = s == Syntax::MacAddress ? 6 : s == Syntax::Ipv6Address ? 16 : 0;
    if (n < std::max<qsizetype>(raw.size(), fixed)) raiseError(kTooFewControls);
    for (qsizetype i = 0; i < raw.size(); ++i)
      show(i, QString::asprintf("%02X", static_cast<quint8>(raw.at(i))));
    if (!raw.isEmpty()) clearFrom(raw.size());
  } else if (s == Syntax::ObjectId) {
    const qsizetype parts = raw.size() / 4;
    if (n < parts) raiseError(kTooFewControls);
    for (qsizetype i = 0; i < parts; ++i)
      show(i, QString::number(qFromLittleEndian<quint32>(raw.constData() + 4 * i)));
    if (!raw.isEmpty()) clearFrom(parts);
  } else if (isAddressSyntax(s)) {
    if (!needFixed(4)) return;
    for (int i = 0; i < 4; ++i) show(i, QString::number(static_cast<quint8>(raw.at(i))));
  } else if (s == Syntax::TimeTicks) {
    if (!needFixed(5)) return;
    const quint32 t = qFromLittleEndian<quint32>(raw.constData());
    const quint32 fields[] = {t / 8640000, (t % 8640000) / 360000, (t % 360000) / 6000,
                              (t % 6000) / 100, t % 100};
    for (int i = 0; i < 5; ++i) show(i, QString::number(fields[i]));
  } else if (s == Syntax::DateTime) {
    if (!needFixed(10)) return;
    const MvDateTime d = *MvDateTime::fromOctets(raw);
    const int fields[] = {d.year, d.month, d.day, d.hour, d.minutes, d.seconds, d.deciSeconds};
    for (int i = 0; i < 7; ++i) show(i, QString::number(fields[i]));
    show(7, QString(QLatin1Char(d.direction)));
    show(8, QString::number(d.hoursFromUtc));
    show(9, QString::number(d.minutesFromUtc));
  } else if (s == Syntax::BcDateTime) {
    if (!needFixed(7)) return;
    double days = 0;
    std::memcpy(&days, raw.constData(), sizeof days);
    if (!std::isfinite(days)) return;
    const QDateTime t = dateTimeOfDays(days);
    const int fields[] = {t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
                          t.time().minute(), t.time().second(), t.time().msec()};
    for (int i = 0; i < 7; ++i) show(i, QString::number(fields[i]));
  } else if (s == Syntax::DisplayStr) {
    // The whole text in the first edit; the others empty, so reading back joins to the same.
    show(0, text);
    clearFrom(1);
  } else {
    show(0, text);
  }
}

// ---- controls to values ----

std::optional<QString> MvSNMPRequest2Edits::pieceText(const Binding& b, const MvOptionList* list,
                                                      QString& refused) const {
  QWidget* first = b.controls.front();
  if (!first) return std::nullopt;
  switch (kindOf(first)) {
    case Kind::Label:
      return static_cast<QLabel*>(first)->text();
    case Kind::CheckBox: {
      const bool checked = static_cast<QCheckBox*>(first)->isChecked();
      if (list) {
        const int entry = checked ? 1 : 0;
        if (entry >= list->count()) raiseError(kNoOptionList);
        return list->item(entry).label;
      }
      if (!isBooleanSyntax(b.syntax)) raiseError(kBadOptionSyntax);
      return checked ? QStringLiteral("true") : QStringLiteral("false");
    }
    case Kind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(first);
      // Nothing selected (a value without a label): the value stays as it was.
      if (combo->currentIndex() < 0) return std::nullopt;
      QString text = combo->currentText();
      if (b.controls.size() > 1) {
        if (b.syntax == Syntax::ObjectId) text += QLatin1Char('.');
        if (auto* edit = qobject_cast<QLineEdit*>(b.controls[1].data())) text += edit->text();
      }
      return text;
    }
    case Kind::RadioGroup: {
      auto* box = static_cast<QGroupBox*>(first);
      const int index = radioIndex(box);
      if (index < 0) return std::nullopt;
      return radioText(box, index);
    }
    case Kind::Edit:
      if (b.controls.size() == 1) return static_cast<QLineEdit*>(first)->text();
      return editGroupText(b, refused);
    case Kind::Other:
      break;
  }
  raiseError(kBadControl);
}

QString MvSNMPRequest2Edits::editGroupText(const Binding& b, QString& refused) const {
  const auto n = static_cast<qsizetype>(b.controls.size());
  auto textOf = [&b](qsizetype i) {
    const auto* e = qobject_cast<const QLineEdit*>(b.controls[static_cast<size_t>(i)].data());
    return e ? e->text() : QString();
  };
  const QString& label = Request().varList.item(b.item).label;
  // Each part is read strictly: "abc" is not 0, 300 is not 44. The first part that does not read
  // is named; the text built from the others is never sent then.
  auto refuse = [&refused, &label](const QString& part, const QString& form) {
    if (refused.isEmpty()) refused = QStringLiteral("%1 \"%2\" is not %3.").arg(label, part, form);
  };
  auto number = [&](qsizetype i, quint64 most = 0xFFFFFFFFu) -> quint64 {
    const QString t = textOf(i);
    const std::optional<QString> read = MvKeyText::number(t, 0, static_cast<qint64>(most));
    if (!read) {
      refuse(t, QStringLiteral("a whole number from 0 to %1").arg(most));
      return 0;
    }
    return read->toULongLong();
  };
  auto need = [n](qsizetype controls) {
    if (n < controls) raiseError(kTooFewControls);
  };
  const quint32 s = b.syntax;
  if (isHexSyntax(s)) {
    need(s == Syntax::MacAddress ? 6 : s == Syntax::Ipv6Address ? 16 : 0);
    QString hex;
    for (qsizetype i = 0; i < n; ++i) {
      const QString t = textOf(i);
      if (t.size() > 2 || !valueOfText(Syntax::OctetStr, t.size() == 1 ? QLatin1Char('0') + t : t))
        refuse(t, QStringLiteral("an octet of one or two hexadecimal digits"));
      hex += t.isEmpty() ? QStringLiteral("00") : t.size() == 1 ? QLatin1Char('0') + t : t;
    }
    return hex;
  }
  if (s == Syntax::ObjectId) {
    // Emptied edits past the value's end are no sub-identifiers.
    QStringList parts;
    for (qsizetype i = 0; i < n; ++i)
      if (!textOf(i).isEmpty()) parts.append(QString::number(number(i)));
    return parts.join(QLatin1Char('.'));
  }
  if (isAddressSyntax(s)) {
    need(4);
    QStringList parts;
    for (int i = 0; i < 4; ++i) parts.append(QString::number(number(i, 255)));
    return parts.join(QLatin1Char('.'));
  }
  if (s == Syntax::TimeTicks) {
    need(5);
    const quint64 ticks = number(0) * 8640000 + number(1) * 360000 + number(2) * 6000 +
                          number(3) * 100 + number(4);
    if (ticks > 4294967295u)
      refuse(QString::number(ticks), QStringLiteral("a time of at most 4294967295 hundredths of a second"));
    return ticksText(static_cast<quint32>(std::min<quint64>(ticks, 4294967295u)));
  }
  if (s == Syntax::DateTime) {
    need(10);
    MvDateTime d{QString()};
    d.year = static_cast<quint16>(number(0, 65535));
    d.month = static_cast<quint8>(number(1, 255));
    d.day = static_cast<quint8>(number(2, 255));
    d.hour = static_cast<quint8>(number(3, 255));
    d.minutes = static_cast<quint8>(number(4, 255));
    d.seconds = static_cast<quint8>(number(5, 255));
    d.deciSeconds = static_cast<quint8>(number(6, 255));
    const QString direction = textOf(7);
    if (direction.size() > 1 || (!direction.isEmpty() && direction != u"+" && direction != u"-"))
      refuse(direction, QStringLiteral("\"+\" or \"-\""));
    d.direction = direction.isEmpty() ? '+' : direction.at(0).toLatin1();
    d.hoursFromUtc = static_cast<quint8>(number(8, 255));
    d.minutesFromUtc = static_cast<quint8>(number(9, 255));
    return d.toText();
  }
  if (s == Syntax::BcDateTime) {
    need(7);
    const QDate date(static_cast<int>(number(0)), static_cast<int>(number(1)), static_cast<int>(number(2)));
    const QTime time(static_cast<int>(number(3)), static_cast<int>(number(4)),
                     static_cast<int>(number(5)), static_cast<int>(number(6)));
    if (!date.isValid() || !time.isValid()) raiseError(kBadPieceValue);
    const double days = static_cast<double>(kDayZero.daysTo(date)) +
                        static_cast<double>(time.msecsSinceStartOfDay()) / kMsPerDay;
    return bcDateTimeText(days);
  }
  if (s == Syntax::DisplayStr) {
    QString text;
    for (qsizetype i = 0; i < n; ++i) text += textOf(i);
    return text;
  }
  return textOf(0);
}

void MvSNMPRequest2Edits::ReadControls(int item) {
  MvSNMPVarList& list = Request().varList;
  for (int i = 0; i < list.count(); ++i) {
    if (item != AllItems && i != item) continue;
    if (!list.isSettable(i)) continue;
    std::vector<const Binding*> records;
    for (const Binding& b : bindings_)
      if (b.item == i) records.push_back(&b);
    if (records.empty()) continue;
    SnmpVarItem& it = list.item(i);
    refusedPieces_.erase(i);
    const std::optional<QByteArray> base = baseOctets(it);
    QByteArray raw = base.value_or(QByteArray());
    // A display string is rebuilt from its controls alone.
    if (it.syntax == Syntax::DisplayStr) raw.clear();
    std::optional<QString> refused;
    QString pieceRefused;
    for (const Binding* b : records) {
      // Pieces laid over a value that does not read would patch octets of a misread value.
      if (!base && !isWhole(*b) && it.syntax != Syntax::DisplayStr) {
        pieceRefused = MvKeyText::refusal(it.label, it.value, MvKeyRule::of(it.syntax));
        break;
      }
      if (!b->bits.empty()) {
        // Only the bound bits change; the other bits of their bytes stay as they were.
        for (size_t k = 0; k < b->bits.size(); ++k) {
          const auto* box = qobject_cast<const QCheckBox*>(b->controls[k].data());
          if (!box) continue;
          Raw::setBit(raw, static_cast<quint32>(b->offset) * 8 + b->bits[k], box->isChecked());
        }
        continue;
      }
      const MvOptionList* options = optionsOf(*b);
      std::optional<QString> piece = pieceText(*b, options, pieceRefused);
      if (!pieceRefused.isEmpty()) break;
      if (!piece) continue;
      const QString typed = *piece;
      if (options) piece = options->valueOf(*piece);
      // A piece of a value is read as strictly as a whole one: "300" is no octet, not 44.
      if (!isWhole(*b)) {
        pieceRefused = pieceRefusal(it.label, typed, *piece, b->syntax);
        if (!pieceRefused.isEmpty()) break;
      }
      // A whole value typed in a form its syntax does not have is kept as typed: converting it
      // would read it only as far as it goes ("10.90.9O.1" as 10.90.9.1). The set refuses it
      // then, naming the row, and sends nothing; a row that is not written never matters.
      if (isWhole(*b) && isValueSyntax(it.syntax) && !valueOfText(it.syntax, *piece)) {
        refused = typed;
        break;
      }
      const QByteArray pieceRaw = Raw::toRaw(*piece, b->syntax);
      // A whole value is replaced, so a shorter one keeps no tail of the old.
      if (isWhole(*b))
        raw = pieceRaw;
      else
        Raw::patch(raw, b->offset, pieceRaw);
    }
    if (refused) {
      it.value = *refused;
      continue;
    }
    // The item keeps the value it had; the set names the piece if the item is to be sent.
    if (!pieceRefused.isEmpty()) {
      refusedPieces_[i] = pieceRefused;
      continue;
    }
    const QString text = Raw::toText(raw, it.syntax);
    it.value = it.options ? it.options->labelOf(text) : text;
  }
}

std::optional<QByteArray> MvSNMPRequest2Edits::baseOctets(const SnmpVarItem& item) const {
  const QString text = item.options ? item.options->valueOf(item.value) : item.value;
  if (text.isEmpty() || isNull(text) || text == QLatin1String(NotDoneValueText)) return QByteArray();
  if (isValueSyntax(item.syntax) && !valueOfText(item.syntax, text)) return std::nullopt;
  return Raw::toRaw(text, item.syntax);
}

void MvSNMPRequest2Edits::CheckValues() {
  const MvSNMPVarList& list = Request().varList;
  for (const auto& [i, why] : refusedPieces_) {
    if (i >= list.count() || !list.isSettable(i) || (list.isTableList() && i < list.keyCount())) continue;
    throw MvException(MvCode::BadSyntax, messageOf(MvCode::BadSyntax) + u' ' + why);
  }
}

// ---- list view ----

void MvSNMPRequest2Edits::BindListView(QTreeWidget* view, bool followSelection) {
  QObject::disconnect(selectionConnection_);
  listView_ = view;
  followSelection_ = followSelection;
  if (!view) return;
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Several rows may be selected to copy them; the current one is the row the edits show.
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setRootIsDecorated(false);
  view->setItemsExpandable(false);
  view->setUniformRowHeights(true);
  view->setAllColumnsShowFocus(true);
  if (!dynamic_cast<GridDelegate*>(view->itemDelegate())) view->setItemDelegate(new GridDelegate(view));
  // The selection stays as visible when the view loses the focus.
  QPalette palette = view->palette();
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  view->setPalette(palette);
  // As a report view's heading-sized last column does, the last column takes the rest.
  view->header()->setStretchLastSection(true);
  view->header()->setSectionResizeMode(QHeaderView::Interactive);
  addListTools(view);
  selectionConnection_ = QObject::connect(
      view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
      [this](const QItemSelection& selected, const QItemSelection& deselected) {
        if (!listView_) return;
        auto rowsOf = [this](const QItemSelection& s) {
          std::vector<QTreeWidgetItem*> rows;
          for (const QModelIndex& index : s.indexes())
            if (index.column() == 0 && !index.parent().isValid())
              if (QTreeWidgetItem* row = listView_->topLevelItem(index.row())) rows.push_back(row);
          return rows;
        };
        try {
          for (QTreeWidgetItem* row : rowsOf(deselected)) SelectItem(row, false);
          for (QTreeWidgetItem* row : rowsOf(selected)) SelectItem(row, true);
          // With several rows selected, the values shown are the current row's: it is the one
          // an edit or delete reads, and it may have been selected before this change.
          QTreeWidgetItem* current = listView_ ? listView_->currentItem() : nullptr;
          if (current && current->isSelected() &&
              (listView_->selectedItems().size() > 1 || rowsOf(selected).empty()))
            SelectItem(current, true);
        } catch (const MvException& e) {
          ReportError(Operation::Get, e.message());
        }
      });
  ensureColumns();
}

void MvSNMPRequest2Edits::ensureColumns() {
  const MvSNMPVarList& list = Request().varList;
  columnItems_.clear();
  for (int i = 0; i < list.count(); ++i)
    if (list.isCarried(i)) columnItems_.push_back(i);
  const auto carried = columnItems_.size();
  for (int i = 0; i < list.count(); ++i)
    if (list.isShown(i)) columnItems_.push_back(i);
  if (!listView_ || listView_->columnCount() >= static_cast<int>(columnItems_.size())) return;
  QStringList headings;
  for (int i : columnItems_) headings.append(list.item(i).label);
  auto kinds = std::make_shared<std::vector<quint32>>();
  for (int i : columnItems_) kinds->push_back(list.item(i).options ? 0u : list.item(i).syntax);
  columnKinds_ = std::move(kinds);
  listView_->setColumnCount(static_cast<int>(columnItems_.size()));
  listView_->setHeaderLabels(headings);
  QHeaderView* header = listView_->header();
  const QFontMetrics metrics(header->font());
  for (size_t c = 0; c < columnItems_.size(); ++c) {
    const int column = static_cast<int>(c);
    if (c < carried) {
      header->resizeSection(column, 0);
      listView_->setColumnHidden(column, true);
    } else {
      listView_->setColumnHidden(column, false);
      header->resizeSection(column, metrics.horizontalAdvance(headings.at(column)) + kHeadingPadding);
    }
  }
  widenToRows_ = true;
}

void MvSNMPRequest2Edits::widenColumns(const std::vector<PendingRow>& rows) {
  // Once after the columns were built: a heading narrower than its first values would cut
  // them off. Columns never shrink here, and a width the user chose later stays.
  widenToRows_ = false;
  QHeaderView* header = listView_->header();
  const QFontMetrics metrics(listView_->font());
  const size_t sample = std::min<size_t>(rows.size(), kWidthSampleRows);
  for (int c = 0; c < listView_->columnCount(); ++c) {
    if (listView_->isColumnHidden(c)) continue;
    int width = header->sectionSize(c);
    for (size_t r = 0; r < sample; ++r)
      if (c < rows[r].texts.size())
        width = std::max(width, metrics.horizontalAdvance(rows[r].texts.at(c)) + kHeadingPadding);
    header->resizeSection(c, width);
  }
}

void MvSNMPRequest2Edits::readRow(const QTreeWidgetItem* row) {
  MvSNMPVarList& list = Request().varList;
  for (size_t c = 0; c < columnItems_.size(); ++c)
    list.item(columnItems_[c]).value = row->text(static_cast<int>(c));
}

QString MvSNMPRequest2Edits::readInstance() const {
  const MvSNMPVarList& list = Request().varList;
  if (!list.isTableList() || list.keyCount() == 0) return QString();
  // Every item of the row holds the OID it was answered with, its column followed by the row
  // index (an index item that is not readable: the index itself); a column without a value in
  // this row ("(NOTDONE)") still holds an earlier row's.
  for (int i = 0; i < list.count(); ++i) {
    const SnmpVarItem& item = list.item(i);
    if (item.value == QLatin1String(NotDoneValueText)) continue;
    const QString column = item.oid + u'.';
    if (item.currentOid.size() > column.size() && item.currentOid.startsWith(column))
      return item.currentOid.mid(column.size());
  }
  return QString();
}

QString MvSNMPRequest2Edits::SelectedInstance() const {
  if (!listView_) return QString();
  const QList<QTreeWidgetItem*> selected = listView_->selectedItems();
  if (selected.isEmpty()) return QString();
  QTreeWidgetItem* current = listView_->currentItem();
  const auto* row = dynamic_cast<const MvListRow*>(current && current->isSelected() ? current : selected.front());
  return row ? row->Instance() : QString();
}

void MvSNMPRequest2Edits::readSelectedRow() {
  if (!listView_) return;
  const QList<QTreeWidgetItem*> selected = listView_->selectedItems();
  if (selected.isEmpty()) return;
  QTreeWidgetItem* current = listView_->currentItem();
  readRow(current && current->isSelected() ? current : selected.front());
}

void MvSNMPRequest2Edits::flushRows() {
  flushTimer_.stop();
  if (pendingRows_.empty()) return;
  if (!listView_) {
    pendingRows_.clear();
    return;
  }
  if (widenToRows_) widenColumns(pendingRows_);
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(pendingRows_.size()));
  for (const PendingRow& row : pendingRows_)
    rows.append(new MvListRow(row.texts, columnKinds_, row.instance));
  pendingRows_.clear();
  listView_->addTopLevelItems(rows);  // the view owns the rows from here on
}

void MvSNMPRequest2Edits::SelectItem(QTreeWidgetItem* row, bool selected) {
  if (!selected || !row) return;
  if (followSelection_) EnableControls(true);
  readRow(row);
  ShowValues();
}

// ---- hooks ----

void MvSNMPRequest2Edits::BeforeRefresh() {
  rowsThisWalk_ = 0;
  stopReason_.clear();
  if (!listView_) return;
  ensureColumns();
  pendingRows_.clear();
  flushTimer_.stop();
  listView_->clear();
}

void MvSNMPRequest2Edits::RowReceived() {
  if (!listView_) {
    ShowValues();
    return;
  }
  const MvSNMPVarList& list = Request().varList;
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(columnItems_.size()));
  for (int i : columnItems_) texts.append(list.item(i).value);
  pendingRows_.push_back({std::move(texts), readInstance()});
  if (++rowsThisWalk_ >= maxRows_ && Request().alive) {
    Request().alive = false;  // the walk ends at this row
    stopReason_ = QStringLiteral("the list holds at most %1 rows").arg(maxRows_);
  }
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void MvSNMPRequest2Edits::CollectValues() {
  MvSNMPVarList& list = Request().varList;
  for (int i = 0; i < list.count(); ++i) list.item(i).value.clear();
  flushRows();
  readSelectedRow();
  ReadControls();
}

void MvSNMPRequest2Edits::AfterRefresh() {
  flushRows();
  if (listView_ && sortColumn_ >= 0) listView_->sortItems(sortColumn_, sortOrder_);
  if (listView_ && followSelection_ && Request().varList.itemType() == MVT_FMV)
    EnableControls(false);
}

void MvSNMPRequest2Edits::OperationEnded() { flushRows(); }

void MvSNMPRequest2Edits::ReadFailed(const MvSNMPError& error) {
  if (listView_) stopReason_ = error.message;
  // Every control the read covered shows no value, drop-down lists included (no selection):
  // an earlier value left in place would pass for the device's. A table keeps the lines it has.
  if (listView_ || Request().varList.isTableList()) return;
  MvSNMPVarList& list = Request().varList;
  for (int i = 0; i < list.count(); ++i)
    if (list.isReadable(i)) list.item(i).value = QString::fromLatin1(NullValueText);
  // Edits and drop-down lists hold values the user may write back; labels keep their text.
  const std::vector<Binding> bindings = bindings_;
  for (const Binding& b : bindings) {
    QWidget* first = b.controls.empty() ? nullptr : b.controls.front().data();
    if (!first || !list.isReadable(b.item)) continue;
    const Kind kind = kindOf(first);
    if (kind != Kind::Edit && kind != Kind::ComboBox) continue;
    try {
      showBinding(b);
    } catch (const MvException&) {
      // A control that cannot show the empty state keeps its text; the failure is reported anyway.
    }
  }
}

// ---- what users do with a list view ----

void MvSNMPRequest2Edits::StopWalk() {
  if (!Busy() || !Request().alive) return;
  Request().alive = false;
  stopReason_ = QStringLiteral("Stop pressed");
}

void MvSNMPRequest2Edits::SortBy(int column) {
  if (!listView_ || column < 0 || column >= listView_->columnCount()) return;
  sortOrder_ = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                        : Qt::AscendingOrder;
  sortColumn_ = column;
  listView_->header()->setSortIndicatorShown(true);
  listView_->header()->setSortIndicator(column, sortOrder_);
  // While a walk fills the view, the rows are sorted once it has ended.
  if (!Busy()) listView_->sortItems(column, sortOrder_);
}

void MvSNMPRequest2Edits::CopyRows() {
  if (!listView_) return;
  QList<QTreeWidgetItem*> rows;
  for (int r = 0; r < listView_->topLevelItemCount(); ++r)
    if (QTreeWidgetItem* row = listView_->topLevelItem(r); row->isSelected()) rows.append(row);
  if (rows.isEmpty()) return;
  QGuiApplication::clipboard()->setText(MvListRows::tabSeparated(listView_, rows));
}

bool MvSNMPRequest2Edits::ExportCsv() {
  if (!listView_) return false;
  QString path = UserNotice::saveFileName(listView_->window(), QStringLiteral("Export CSV"),
                                                QStringLiteral("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return false;
  // A name typed without an extension gets the CSV one, as the chosen filter says; a name with
  // an extension of its own is kept as typed.
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
  QSaveFile file(path);
  const QByteArray content = MvListRows::csv(listView_).toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
    UserNotice::message(listView_->window(), UserNotice::windowCaption(listView_),
                        QStringLiteral("\"%1\" could not be written: %2").arg(path, file.errorString()),
                        UserNotice::Style::Warning);
    return false;
  }
  return true;
}

void MvSNMPRequest2Edits::addListTools(QTreeWidget* view) {
  // Once per view, however often it is bound.
  if (view->property("kxListTools").toBool()) return;
  view->setProperty("kxListTools", true);
  QHeaderView* header = view->header();
  header->setSectionsClickable(true);
  QObject::connect(header, &QHeaderView::sectionClicked, this, [this, view](int column) {
    if (listView_ == view) SortBy(column);
  });
  auto* copy = new QAction(QStringLiteral("Copy"), view);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(copy, &QAction::triggered, this, [this, view] {
    if (listView_ == view) CopyRows();
  });
  auto* exportCsv = new QAction(QStringLiteral("Export CSV..."), view);
  QObject::connect(exportCsv, &QAction::triggered, this, [this, view] {
    if (listView_ == view) ExportCsv();
  });
  view->addAction(copy);
  view->addAction(exportCsv);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
}
