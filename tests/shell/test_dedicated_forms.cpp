// The menu's dedicated-form entries: each opens its form modally, captioned with the entry's
// prefix and the device address, held in its class's instance reference while it lives, and
// filled from the device without an error line; the form is gone once it has closed.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTreeWidget>

#include "editors/DedicatedForm.h"
#include "editors/DedicatedForms.h"
#include "tests/shell/MainFormFixture.h"
#include "shell/MenuMnemonics.h"

using shelltest::MainFormTest;
using shelltest::waitUntil;

namespace {

// Runs dedicated forms for the test: shows one, hands it over, closes it.
struct FormRunner {
  std::function<void(TDedicatedForm&)> onForm;
  UserNotice::ModalRunner previous;
  FormRunner() {
    previous = UserNotice::setModalRunner([this](QDialog& dialog) {
      auto* form = dynamic_cast<TDedicatedForm*>(&dialog);
      if (!form) {
        if (previous) previous(dialog);
        return;
      }
      form->show();
      onForm(*form);
      if (form->isVisible()) form->close();
    });
  }
  ~FormRunner() { UserNotice::setModalRunner(std::move(previous)); }
};

// The lines a form's bindings left: its memo, or its status bar's panel.
QString statusText(const TDedicatedForm& form) {
  if (auto* memo = form.findChild<QPlainTextEdit*>("Memo1")) return memo->toPlainText();
  if (auto* memo = form.findChild<QPlainTextEdit*>("Memo")) return memo->toPlainText();  // an editor page's
  if (auto* panel = form.findChild<QLabel*>("StatusPanel0")) return panel->text();
  return {};
}

}  // namespace

TEST_F(MainFormTest, DedicatedFormEntriesOpenTheirFormsFilled) {
  auto main = open();
  struct Case {
    const char* item;
    const char* formClass;
    const char* caption;
    const char* filledChild;  // a control that shows a device value once the form is filled
  };
  const Case cases[] = {
      {"StauticTable1", "TVlanStaticForm", "VLAN Static: 127.0.0.1", "NextFreeLocalVlanIndex"},
      {"CurrentTable1", "TVLanCurrentTableForm", "VLAN Current Table: 127.0.0.1", "VlanNumDeletes"},
      {"IGMPRouterPort1", "TIGMPRouterPortsForm", "IGMP Snooping Router Ports: 127.0.0.1", nullptr},
      {"GuestVLAN1", "TGuestVlanForm", "Guest VLAN: 127.0.0.1", "edtName"},
      {"UnicastStaticFiltering1", "TUnicastFilterInformationForm", "Unicast Filter Information : 127.0.0.1", nullptr},
      {"MulticastStaticFiltering1", "TMulticastFilterInformationForm", "Multicast Filter Information : 127.0.0.1",
       nullptr},
      {"PortVLANSettings1", "TPortVlanForm", "Port VLAN Settings : 127.0.0.1", nullptr},
      {"TrustHostTable1", "THostTableForm", "Trust Host Table : 127.0.0.1", nullptr},
      {"DHCPRelayControlTable1", "TBOOTCtrlTableForm", "DHCP Relay Control Table: 127.0.0.1", nullptr},
      {"ForwardingTable1", "TForwarding_Table", " Transparent Bridge Forwarding Table: 127.0.0.1", nullptr},
      {"Information2", "TSTP_Info", "Spanning Tree Control : 127.0.0.1", "ET_Priority"},
      {"PortTable2", "TSTP_Port", "STP Port Table :127.0.0.1", nullptr},
      {"DaylightSavingTimeSummerTime1", "TSummerTimeForm", "Summer Time : 127.0.0.1", "Value1"},
      {"SMTPControlTable1", "TSMTPControlForm", "SMTP Control Table : 127.0.0.1", "Ed_SourceAddress"},
      {"LogSaveControl1", "TLogSaveControlForm", "Log Save Control: 127.0.0.1", "EdLogSavetimeInterval"},
  };
  // Every dedicated form of the menu is here.
  int formEntries = 0;
  for (const MenuEntry& e : menuEntries()) formEntries += e.family == MenuFamily::Form ? 1 : 0;
  EXPECT_EQ(std::size(cases), static_cast<size_t>(formEntries));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    FormRunner runner;
    QPointer<TDedicatedForm> seen;
    runner.onForm = [&](TDedicatedForm& form) {
      seen = &form;
      EXPECT_EQ(form.windowTitle(), c.caption);
      const MenuEntry* entry = findMenuItem(QString::fromLatin1(c.item));
      EXPECT_EQ(dedicatedFormInstance(QString::fromLatin1(c.formClass)),
                entry->extras.keepsInstance ? &form : nullptr);
      EXPECT_EQ(form.parentWidget(), main.get());
      ASSERT_TRUE(waitUntil([&] { return form.FirstRefreshDone() && !statusText(form).isEmpty(); }));
      EXPECT_FALSE(statusText(form).contains("failed")) << statusText(form).toStdString();
      EXPECT_FALSE(statusText(form).contains("(NULL)"));
      if (c.filledChild) {
        QWidget* child = form.findChild<QWidget*>(c.filledChild);
        ASSERT_NE(child, nullptr);
        QString text;
        if (auto* label = qobject_cast<QLabel*>(child)) text = label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(child)) text = edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(child)) text = combo->currentText();
        EXPECT_FALSE(text.isEmpty());
      } else {
        EXPECT_GT(form.findChild<QTreeWidget*>()->topLevelItemCount(), 0);
      }
    };
    QAction* action = main->MenuAction(c.item);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_TRUE(seen.isNull());  // destroyed once closed
    EXPECT_EQ(dedicatedFormInstance(QString::fromLatin1(c.formClass)), nullptr);
  }
}

// kx760 --open ITEM --screenshot FILE pictures the window the entry opened and ends; an entry
// that cannot be opened or opens no window ends the program with an error.
TEST_F(MainFormTest, OpenSwitchPicturesTheEntrysWindow) {
  struct Case {
    const char* item;
    int exitCode;
    bool picture;
  };
  const Case cases[] = {
      {"StauticTable1", 0, true},
      {"Configuration › Basic Information", 0, true},
      {"NoSuchEntry1", 2, false},
      {"Information3", 2, false},  // a sibling tool opens no window of the program
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    QTemporaryDir dir;
    const shelltest::ProgramRun run = shelltest::runProgram(
        agent_->port(), {"--open", QString::fromUtf8(c.item), "--screenshot", dir.filePath("shot.png")}, dir.path());
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
    EXPECT_EQ(QFile::exists(dir.filePath("shot.png")), c.picture);
    if (c.picture) {
      const QImage shot(dir.filePath("shot.png"));
      EXPECT_LT(shot.width(), 900);  // the opened window, not the main window with it
      EXPECT_GT(shot.height(), 200);
    }
  }
}

// The program's own entry beyond the device's menu: the last of the Configuration menu, after a
// separator, opening the snapshot window captioned with the device address.
TEST_F(MainFormTest, ConfigurationSnapshotEntryClosesTheConfigurationMenu) {
  auto main = open();
  QAction* action = main->MenuAction("ConfigurationSnapshot1");
  ASSERT_NE(action, nullptr);
  const QList<QAction*> configuration = main->TopMenu("Configuration1")->actions();
  ASSERT_GE(configuration.size(), 2);
  EXPECT_EQ(configuration.last(), action);
  EXPECT_TRUE(configuration.at(configuration.size() - 2)->isSeparator());
  EXPECT_EQ(visibleCaption(action->text()), QString::fromUtf8("Configuration Snapshot…"));
  EXPECT_EQ(findMenuPath(u"Configuration › Configuration Snapshot…"), findMenuItem(u"ConfigurationSnapshot1"));
  ASSERT_TRUE(action->isEnabled());
  FormRunner runner;
  QString caption, formName;
  runner.onForm = [&](TDedicatedForm& form) {
    caption = form.windowTitle();
    formName = form.objectName();
  };
  action->trigger();
  EXPECT_EQ(caption, "Configuration Snapshot : 127.0.0.1");
  EXPECT_EQ(formName, "SnapshotForm");
}
