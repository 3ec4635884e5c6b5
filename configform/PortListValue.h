// TPortListValue: the value control of a port-list row on an editor page: the value in
// hexadecimal on a read-only line, and under it the unit's port grid, one tick box per port. The
// page's binding shows and reads the line; the boxes follow what it shows, and a box the user
// ticks or clears rewrites the line with just that port's bit changed, so bits that stand for no
// port of the switch stay as the agent gave them (and are named beside the line).
#pragma once

#include <QWidget>
#include <functional>

struct SnmpVarItem;
class QLabel;
class QLineEdit;
class TPortUitForm;

class TPortListValue : public QWidget {
 public:
  explicit TPortListValue(QWidget* parent);

  // Whether a row's item is a port list: a bitstr without option list (a list of single ports
  // is chosen from its drop-down list). The SNMP framework's own MIBs hold no port list: the
  // bitstr of their target table, snmpTargetAddrTAddress, is a transport address.
  static bool IsPortList(const SnmpVarItem& item);

  QLineEdit* Line() const { return line_; }
  TPortUitForm* Grid() const { return grid_; }
  // What the line says of bits beyond the shown ports ("" when there are none).
  QString KeptText() const;
  // The line as wide as the page's other value controls.
  void SetLineWidth(int width);
  QSize sizeHint() const override;

  // Runs after the user ticked or cleared a box; the line holds the new value then.
  std::function<void()> OnTicked;

 private:
  void showLine();
  void boxClicked();

  QLineEdit* line_;
  QLabel* kept_;
  TPortUitForm* grid_;
};
