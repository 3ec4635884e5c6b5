// TPortUitForm: one check box per port of a switch unit, for editing a port list (a set of
// ports) by ticking boxes. Built for stacks of units, one page of boxes per unit; the editors
// embed it and bind its boxes, in order, to the bits of a port-list object. It knows nothing of
// SNMP.
#pragma once

#include <QFrame>
#include <QList>
#include <QString>
#include <vector>

class QCheckBox;
class QTabWidget;

class TPortUitForm : public QFrame {
 public:
  static constexpr int ClientWidth = 543;
  static constexpr int ClientHeight = 252;
  // With this file in the current directory the boxes wrap after WrapWithDeviceInfo per line.
  static constexpr char DeviceInfoFile[] = "DeviceInfo.ini";
  static constexpr int WrapWithDeviceInfo = 10;
  static constexpr int FontPoints = 8;
  static constexpr int BoxesPerUnit = 32;
  // The one unit every window of this program shows: the KX760's sixteen front ports and its two
  // module ports, in twelve columns.
  static constexpr int UnitColumns = 12;
  static constexpr int KX760Ports = 18;

  explicit TPortUitForm(QWidget* owner = nullptr);

  // Adds one unit page captioned `caption` with `boxCount` hidden boxes captioned 1, 2, ...
  // in `columns` columns. The first port number is not used: captions restart at 1 on every
  // page.
  void AddUnit(const QString& caption, int firstPort, int boxCount, int columns);
  // Shows the page of unit `unitText` (a number from 1) with the model name added to its
  // caption, and its first `visibleCount` boxes. A unit text that is no number or names no page,
  // or a box count beyond the page, changes nothing.
  void ShowUnit(const QString& unitText, const QString& modelName, int visibleCount);

  // Shows only the boxes: no frame around the page, no scrolling, the grid fixed to the size of
  // the boxes shown (call after ShowUnit). For a grid set among other controls.
  void FitToShownBoxes();

  // Port numbers as a user reads them: "3-5, 9" (ascending numbers).
  static QString PortRanges(const std::vector<int>& ports);

  // Every box, unit after unit; the bindings read and write hidden ones as well.
  const QList<QCheckBox*>& PortCheckBoxes() const { return portCheckBoxes_; }
  // The unit pages, unit 1 first.
  const QList<QWidget*>& UnitPages() const { return unitPages_; }
  QTabWidget* UnitPageControl() const { return unitPageControl_; }

 private:
  QTabWidget* unitPageControl_ = nullptr;
  QList<QCheckBox*> portCheckBoxes_;
  QList<QWidget*> unitPages_;
};

// The port grid of the dedicated editors: one unit of Boxes boxes in Columns columns,
// VisiblePorts of them shown for the KX760. Box k stands for bit k-1 of a port list, counted
// from the most significant bit of the first octet.
namespace PortGrid {

inline constexpr int Boxes = TPortUitForm::BoxesPerUnit;
inline constexpr int Columns = TPortUitForm::UnitColumns;
inline constexpr int VisiblePorts = TPortUitForm::KX760Ports;

// The grid filling `parent` (in its layout; one without a layout gets a vertical one).
TPortUitForm* AddTo(QWidget* parent);
// "0,1,...,31": every box of a grid bound to its bit.
QString BitList();
void UncheckAll(const TPortUitForm* grid);
void EnableAll(const TPortUitForm* grid, bool on);

}  // namespace PortGrid
