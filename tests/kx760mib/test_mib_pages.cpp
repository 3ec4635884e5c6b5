// Every page argument the menu hands to a sibling tool opens its kx760mib page against kx760sim
// and reads every tab without an error, with rows in every table and no "(NULL)" anywhere.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "configform/CtrlBtnPanel.h"
#include "tests/support/FormsFixture.h"
#include "configform/ListViewPanel.h"
#include "catalogue/MenuMap.h"
#include "tests/kx760mib/MibPageProbe.h"
#include "catalogue/MibToolPages.h"

namespace {

using formstest::waitUntil;

TEST(MibPages, EveryToolEntryOfTheMenuHasAPage) {
  for (const MenuEntry& entry : menuEntries()) {
    if (entry.family != MenuFamily::Tool) continue;
    SCOPED_TRACE(entry.tool);
    const MibToolPage* page = findMibToolPage(QString::fromLatin1(entry.tool));
    ASSERT_NE(page, nullptr);
    for (const MibToolTab& tab : page->tabList()) EXPECT_NE(tab.catalogueList(), nullptr) << tab.list;
  }
  EXPECT_EQ(findMibToolPage(u"/tmib_info"), findMibToolPage(u"/TMIB_Info"));
  EXPECT_EQ(findMibToolPage(u"/TMIB_Nothing"), nullptr);
}

TEST(MibPages, EveryPageReadsEachTabWithoutAnError) {
  const auto agent = formstest::startAgent();
  for (const MibToolPage& page : mibToolPages()) {
    SCOPED_TRACE(page.argument);
    TMibToolForm form(page, QStringLiteral("127.0.0.1"));
    form.SetPaused(true);  // one refresh per tab, no timer
    form.show();
    EXPECT_EQ(form.windowTitle(), QLatin1String(page.title) + QStringLiteral(" : 127.0.0.1"));
    TConfigForm* cf = form.ConfigForm();
    ASSERT_EQ(cf->BindingCount(), page.tabCount());
    for (int t = 0; t < cf->BindingCount(); ++t) {
      SCOPED_TRACE(t);
      const int before = form.RefreshCount();
      if (t > 0) cf->PageControl()->setCurrentIndex(t);  // a new tab is read when it is chosen
      ASSERT_TRUE(waitUntil([&] { return form.RefreshCount() > before; }));
      EXPECT_EQ(form.ErrorCount(), 0);
      QWidget* sheet = mibtest::sheetOf(cf, t);
      const auto memos = sheet->findChildren<QPlainTextEdit*>(QStringLiteral("Memo"));
      ASSERT_FALSE(memos.isEmpty());
      EXPECT_TRUE(memos.front()->toPlainText().startsWith(QStringLiteral("Get: Ok."))) << memos.front()->toPlainText().toStdString();

      MvSNMPRequest2Edits* b = cf->BindingAt(t);
      const MvSNMPVarList& list = b->Request().varList;
      if (QTreeWidget* view = b->ListView()) {
        EXPECT_GT(view->topLevelItemCount(), 0);
        for (int r = 0; r < view->topLevelItemCount(); ++r)
          for (int c = 0; c < view->columnCount(); ++c) {
            if (view->isColumnHidden(c)) continue;
            const QString text = view->topLevelItem(r)->text(c);
            EXPECT_NE(text, QLatin1String(NullValueText)) << view->headerItem()->text(c).toStdString();
            EXPECT_NE(text, QLatin1String(NotDoneValueText)) << view->headerItem()->text(c).toStdString();
          }
      } else {
        for (int i = 0; i < list.count(); ++i) {
          if (!list.isReadable(i)) continue;  // a rate: empty until the second refresh
          const QString text = mibtest::editorValue(sheet, i);
          EXPECT_FALSE(text.isEmpty()) << list.item(i).label.toStdString();
          EXPECT_NE(text, QLatin1String(NullValueText)) << list.item(i).label.toStdString();
        }
      }
    }
    form.close();
  }
}

TEST(MibPages, SystemTextsAreWrittenToTheAgent) {
  const auto agent = formstest::startAgent();
  TMibToolForm form(*findMibToolPage(u"/TMIB_Info"), QStringLiteral("127.0.0.1"));
  form.show();
  ASSERT_TRUE(waitUntil([&] { return form.RefreshCount() > 0; }));
  TConfigForm* cf = form.ConfigForm();
  TEditsPanel* edits = static_cast<TSNMPEditorPanel*>(cf->findChild<TSNMPEditorPanel*>())->EditsPanel();
  const MvSNMPVarList& list = cf->BindingAt(0)->Request().varList;
  int row = -1;
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i).label == u"sysLocation") row = i;
  ASSERT_GE(row, 0);
  qobject_cast<QLineEdit*>(edits->RowAt(row).value)->setText(QStringLiteral("lab rack 7"));
  edits->RowAt(row).check->setChecked(true);
  edits->ApplyChecked(nullptr);
  EXPECT_EQ(formstest::snmpGet(*agent, "1.3.6.1.2.1.1.6.0"), "lab rack 7");
}

// The port VLAN page lets a port's PVID be edited; the agent takes a VLAN of its static table.
TEST(MibPages, PortPvidIsWrittenFromTheRowDialog) {
  const auto agent = formstest::startAgent();
  formstest::FormAnswers answers;
  TMibToolForm form(*findMibToolPage(u"/TVLan_PortInfo"), QStringLiteral("127.0.0.1"));
  form.show();
  ASSERT_TRUE(waitUntil([&] { return form.RefreshCount() > 0 && !form.ConfigForm()->BindingAt(0)->Busy(); }));
  auto* page = form.ConfigForm()->findChild<TSNMPListViewPanel*>();
  ASSERT_NE(page, nullptr);
  QTreeWidget* view = page->ListView();
  ASSERT_EQ(view->topLevelItemCount(), 18);
  const MvSNMPVarList& list = form.ConfigForm()->BindingAt(0)->Request().varList;
  int pvid = -1;
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i).label == u"dot1qPvid") pvid = i;
  ASSERT_GE(pvid, 0);
  view->setCurrentItem(view->topLevelItem(7));  // port 8
  answers.onDialog = [&](QDialog& dialog) {
    auto* value = dialog.findChild<QLineEdit*>(QStringLiteral("Value%1").arg(pvid));
    ASSERT_NE(value, nullptr);
    EXPECT_FALSE(value->isReadOnly());
    value->setText(QStringLiteral("10"));
    dialog.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(pvid))->setChecked(true);
    QTest::mouseClick(dialog.findChild<QPushButton*>("SetCheckedBtn"), Qt::LeftButton);
  };
  QTest::mouseClick(page->BtnPanel()->Button(TCtrlBtnPanel::EditBtn), Qt::LeftButton);
  EXPECT_EQ(answers.dialogs, 1);
  EXPECT_TRUE(answers.warnings.isEmpty()) << answers.warnings.join('|').toStdString();
  EXPECT_EQ(formstest::snmpGet(*agent, "1.3.6.1.2.1.17.7.1.4.5.1.1.8"), "10");
}

}  // namespace
