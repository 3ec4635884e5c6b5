// TConfigForm: the window most menu entries open. It holds one editor page, one table page or
// tabbed pages of either kind, owns their bindings, refreshes the page on view once shown and
// whenever another tab is chosen, and stops and releases every binding when it closes.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <vector>

#include "bind/MvBindingOwner.h"
#include "configform/CtrlBtnPanel.h"
#include "configform/EditsPanel.h"
#include "configform/ListViewPanel.h"
#include "configform/SNMPPanel.h"

class MvSNMPRequest2Edits;
class QTabWidget;

class TConfigForm : public QDialog {
 public:
  enum class FormType { None = 0, Editor = 1, Table = 2, Pages = 3 };
  static constexpr int DesignedWidth = 159;
  static constexpr int DesignedHeight = 105;

  explicit TConfigForm(QWidget* owner = nullptr);
  // Stops and releases the bindings first, while the pages they show still exist.
  ~TConfigForm() override;

  // The set-up calls; each takes over the binding. The first of MakeEditorForm, MakeTableForm
  // and MakePagedForm fixes the form type; a second raises "Can not change Type of a Config Form!".
  TSNMPEditorPanel* MakeEditorForm(std::unique_ptr<MvSNMPRequest2Edits> binding);
  // Tables without row creation pass -1 and no values.
  TSNMPListViewPanel* MakeTableForm(std::unique_ptr<MvSNMPRequest2Edits> binding, int addColumn = -1,
                                    const QString& addValue = {}, int deleteColumn = -1,
                                    const QString& deleteValue = {});
  QTabWidget* MakePagedForm();
  TSNMPEditorPanel* AddEditorPage(const QString& caption, std::unique_ptr<MvSNMPRequest2Edits> binding);
  TSNMPListViewPanel* AddTablePage(const QString& caption, std::unique_ptr<MvSNMPRequest2Edits> binding,
                                   int addColumn = -1, const QString& addValue = {},
                                   int deleteColumn = -1, const QString& deleteValue = {});

  // Refreshes the page on view; the page left behind stops its walk.
  void RefreshActivePage();

  FormType Type() const { return type_; }
  QTabWidget* PageControl() const { return pageControl_; }
  int BindingCount() const { return bindings_.Count(); }
  MvSNMPRequest2Edits* BindingAt(int i) const { return bindings_.At(i); }
  MvSNMPRequest2Edits* CurrentBinding() const { return current_; }

  // Releases every binding in order (stopped, waited for, destroyed). Runs when the form closes;
  // later calls do nothing.
  void ReleaseBindings();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void fixType(FormType type);
  MvSNMPRequest2Edits* adopt(std::unique_ptr<MvSNMPRequest2Edits> binding);
  QWidget* addSheet(const QString& caption, const char* error);
  void fitPages(QWidget* sheet, const TSNMPPanel& page);
  static void setRowStatus(TSNMPListViewPanel& page, int addColumn, const QString& addValue,
                           int deleteColumn, const QString& deleteValue);

  FormType type_ = FormType::None;
  MvBindingOwner<MvSNMPRequest2Edits> bindings_;
  QTabWidget* pageControl_ = nullptr;
  MvSNMPRequest2Edits* current_ = nullptr;
  QSize pagesSize_{0, 0};
  bool refreshScheduled_ = false;
  bool releasing_ = false;
};
