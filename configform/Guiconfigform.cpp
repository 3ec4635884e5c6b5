#include "configform/Guiconfigform.h"

#include <QMetaObject>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "configform/FormError.h"
#include "widgets/UserNotice.h"
#include <QTreeWidget>  // before the binding header, whose inline ListView() needs the full type
#include "bind/MvSNMPRequest2Edits.h"

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("ConfigForm"));
  setWindowTitle(QStringLiteral("ConfigForm"));
  resize(DesignedWidth, DesignedHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

TConfigForm::~TConfigForm() { ReleaseBindings(); }

void TConfigForm::fixType(FormType type) {
  if (type_ != FormType::None) raiseFormError(QStringLiteral("Can not change Type of a Config Form!"));
  type_ = type;
}

MvSNMPRequest2Edits* TConfigForm::adopt(std::unique_ptr<MvSNMPRequest2Edits> binding) {
  return bindings_.Adopt(std::move(binding));
}

TSNMPEditorPanel* TConfigForm::MakeEditorForm(std::unique_ptr<MvSNMPRequest2Edits> binding) {
  fixType(FormType::Editor);
  auto* page = new TSNMPEditorPanel(this, adopt(std::move(binding)));
  page->FitForm(this);
  return page;
}

void TConfigForm::setRowStatus(TSNMPListViewPanel& page, int addColumn, const QString& addValue,
                               int deleteColumn, const QString& deleteValue) {
  if (!addValue.isEmpty()) page.SetAddStatus(addColumn, addValue);
  if (!deleteValue.isEmpty()) page.SetDeleteStatus(deleteColumn, deleteValue);
}

TSNMPListViewPanel* TConfigForm::MakeTableForm(std::unique_ptr<MvSNMPRequest2Edits> binding,
                                               int addColumn, const QString& addValue,
                                               int deleteColumn, const QString& deleteValue) {
  fixType(FormType::Table);
  auto* page = new TSNMPListViewPanel(this, adopt(std::move(binding)));
  page->FitForm(this);
  setRowStatus(*page, addColumn, addValue, deleteColumn, deleteValue);
  return page;
}

QTabWidget* TConfigForm::MakePagedForm() {
  fixType(FormType::Pages);
  pageControl_ = new QTabWidget(this);
  pageControl_->setObjectName(QStringLiteral("PageControl"));
  // Every tab stays reachable when they do not fit in one row.
  pageControl_->setUsesScrollButtons(true);
  layout()->addWidget(pageControl_);
  connect(pageControl_, &QTabWidget::currentChanged, this, [this] {
    // Tabs added while the form is being built are refreshed once it is on view.
    if (refreshScheduled_) RefreshActivePage();
  });
  return pageControl_;
}

QWidget* TConfigForm::addSheet(const QString& caption, const char* error) {
  if (type_ != FormType::Pages) raiseFormError(QString::fromLatin1(error));
  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("TabSheet%1").arg(pageControl_->count()));
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  pageControl_->addTab(sheet, caption);  // the page control owns the sheet
  return sheet;
}

void TConfigForm::fitPages(QWidget* sheet, const TSNMPPanel& page) {
  sheet->layout()->addWidget(const_cast<TSNMPPanel*>(&page));
  const QSize pageSize = page.PageSize();
  const int tabHeight = pageControl_->tabBar()->sizeHint().height();
  pagesSize_ = pagesSize_.expandedTo(QSize(pageSize.width(), pageSize.height() + tabHeight));
  resize(TSNMPPanel::GrownClientSize(size(), pagesSize_));
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const QString& caption,
                                             std::unique_ptr<MvSNMPRequest2Edits> binding) {
  QWidget* sheet = addSheet(caption, "Can not add editor page to a none-page pannel!");
  auto* page = new TSNMPEditorPanel(sheet, adopt(std::move(binding)));
  page->FitForm(this);
  fitPages(sheet, *page);
  return page;
}

TSNMPListViewPanel* TConfigForm::AddTablePage(const QString& caption,
                                              std::unique_ptr<MvSNMPRequest2Edits> binding,
                                              int addColumn, const QString& addValue,
                                              int deleteColumn, const QString& deleteValue) {
  QWidget* sheet = addSheet(caption, "Can not add listview page to a none-page pannel!");
  auto* page = new TSNMPListViewPanel(sheet, adopt(std::move(binding)));
  page->FitForm(this);
  fitPages(sheet, *page);
  setRowStatus(*page, addColumn, addValue, deleteColumn, deleteValue);
  return page;
}

void TConfigForm::RefreshActivePage() {
  MvSNMPRequest2Edits* chosen = nullptr;
  switch (type_) {
    case FormType::None:
      return;
    case FormType::Editor:
    case FormType::Table:
      if (bindings_.Empty()) return;
      chosen = bindings_.At(0);
      break;
    case FormType::Pages: {
      const int index = pageControl_->currentIndex();
      if (index < 0 || index >= BindingCount()) return;
      chosen = BindingAt(index);
      break;
    }
    default:
      raiseFormError(QStringLiteral("Refresh a Form with unknown Form Type!"));
  }
  // The page left behind stops its walk at its next answer.
  if (current_) current_->Stop();
  current_ = chosen;
  chosen->Resume();
  try {
    chosen->Refresh();
  } catch (const MvException& e) {
    chosen->ShowStatus(e.message());
  }
}

void TConfigForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (refreshScheduled_) return;
  refreshScheduled_ = true;
  // Runs once the form is on screen, from the event loop that shows it.
  QMetaObject::invokeMethod(
      this,
      [this] {
        try {
          RefreshActivePage();
        } catch (const MvException& e) {
          UserNotice::warning(this, e.message());
        }
      },
      Qt::QueuedConnection);
}

void TConfigForm::done(int result) {
  ReleaseBindings();
  QDialog::done(result);
}

void TConfigForm::ReleaseBindings() {
  if (releasing_) return;
  releasing_ = true;
  current_ = nullptr;
  bindings_.ReleaseAll();
}
