// The main window's command table and the dispatcher behind both menu movies.
#include <QFile>
#include <QMdiSubWindow>
#include <stdexcept>

#include "globals.h"
#include "shell/dispatch.h"
#include "shell/frmAboutme.h"
#include "shell/frmChangeMenuSettings.h"
#include "shell/frmcontactus.h"
#include "main_support.h"

namespace {

// A menu form that counts its loads.
class CountingForm : public VbForm {
public:
  static inline int loads = 0;

protected:
  void Form_Load() override {
    ++loads;
    gActiveForm = this;
  }
};

class FailingForm : public VbForm {
protected:
  void Form_Load() override { throw std::runtime_error("load failed"); }
};

class SelfClosingForm : public VbForm {
public:
  static inline int loads = 0;

protected:
  void Form_Load() override {
    ++loads;
    Unload();
  }
};

class DispatchTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CountingForm::loads = 0;
    SelfClosingForm::loads = 0;
  }
};

TEST_F(DispatchTest, EveryCommandOfTheFourMenuMoviesIsInTheTable) {
  for (const char* file : {"menuHr.swf", "menuVr.swf", "menuUserHr.swf", "menuUserVr.swf"}) {
    const MovieDescription d = ReadMovieDescription(folder() + '/' + QLatin1String(file));
    ASSERT_EQ(d.kind, MovieDescription::Kind::Menu) << file;
    for (const QString& command : d.Commands())
      EXPECT_NE(FindMenuCommand(MainWindowCommands(), command), nullptr) << file << ": " << command.toStdString();
  }
}

TEST_F(DispatchTest, MenuItemsOpenTheirForms) {
  frmMain* f = openMain();
  struct Case {
    const char* command;
    std::function<VbForm*()> loaded;
  };
  const Case cases[] = {
      {"mnuChangeMenuView", [] { return LoadedForm<frmChangeMenuSettings>(); }},
      {"mnuHelpTopic", [] { return LoadedForm<frmcontactus>(); }},
      {"mnuAboutMe", [] { return LoadedForm<frmAboutme>(); }},
  };
  for (const Case& c : cases) {
    QAction* item = menuItem(f->ShockwaveFlash2, QString::fromLatin1(c.command));
    ASSERT_NE(item, nullptr) << c.command;
    item->trigger();
    VbForm* form = c.loaded();
    ASSERT_NE(form, nullptr) << c.command;
    EXPECT_TRUE(form->FormWindow()->isVisible()) << c.command;
    EXPECT_EQ(gActiveForm.data(), form) << c.command;
    EXPECT_TRUE(f->Picture2.isHidden()) << c.command;
    form->Unload();
    EXPECT_FALSE(f->Picture2.isHidden()) << c.command;
  }
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(DispatchTest, CaseAndBlanksAreRefused) {
  frmMain* f = openMain();
  for (const MenuCommand& command : MainWindowCommands()) {
    const QString c = QString::fromLatin1(command.command);
    for (const QString& variant : {c.toUpper(), c.toLower(), ' ' + c, c + ' '}) {
      if (variant == c) continue;
      EXPECT_EQ(FindMenuCommand(MainWindowCommands(), variant), nullptr) << '"' << variant.toStdString() << '"';
      f->ShockwaveFlash1_FSCommand(variant, QString());
    }
  }
  f->ShockwaveFlash2_FSCommand(QString(), QString());
  f->ShockwaveFlash2_FSCommand(QStringLiteral("mnuNoSuchCommand"), QString());
  EXPECT_EQ(LoadedForm<frmChangeMenuSettings>(), nullptr);
  EXPECT_EQ(LoadedForm<frmcontactus>(), nullptr);
  EXPECT_EQ(LoadedForm<frmAboutme>(), nullptr);
  EXPECT_FALSE(f->Picture2.isHidden());
  EXPECT_FALSE(f->Timer1.isActive());
  EXPECT_TRUE(boxes().shown().empty());  // "MNUEXIT" asks nothing
}

TEST_F(DispatchTest, TheNoOpCommandsDoNothing) {
  frmMain* f = openMain();
  for (const char* command : {"mnuDisChargeSummary", "mnuDrCertificate"}) {
    const MenuCommand* entry = FindMenuCommand(MainWindowCommands(), QString::fromLatin1(command));
    ASSERT_NE(entry, nullptr) << command;
    EXPECT_EQ(entry->open, nullptr);
    EXPECT_FALSE(entry->exit);
    menuItem(f->ShockwaveFlash2, QString::fromLatin1(command))->trigger();
  }
  EXPECT_FALSE(f->Picture2.isHidden());
  EXPECT_FALSE(f->ShockwaveFlash2.isHidden());
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(DispatchTest, AFormAlreadyOpenComesToTheFrontWithoutASecondLoad) {
  openMain();
  const MenuCommand table[] = {
      {"first", &OpenMenuForm<CountingForm>},
      {"second", &OpenMenuForm<CountingForm>},  // two commands, one form
      {"first", &OpenMenuForm<FailingForm>},    // never reached: the first equal entry acts
  };
  DispatchMenuCommand(table, QStringLiteral("first"), {});
  CountingForm* form = LoadedForm<CountingForm>();
  ASSERT_NE(form, nullptr);
  form->Hide();
  ShowForm<frmcontactus>();  // another form in front
  DispatchMenuCommand(table, QStringLiteral("second"), {});
  EXPECT_EQ(CountingForm::loads, 1);
  EXPECT_EQ(LoadedForm<CountingForm>(), form);
  EXPECT_TRUE(form->FormWindow()->isVisible());
  EXPECT_EQ(static_cast<QWidget*>(MdiArea()->activeSubWindow()), form->FormWindow());

  // The same with a form of the real table.
  frmcontactus* contact = LoadedForm<frmcontactus>();
  contact->FormWindow()->hide();
  LoadedForm<frmMain>()->ShockwaveFlash2_FSCommand(QStringLiteral("mnuHelpTopic"), QString());
  EXPECT_EQ(LoadedForm<frmcontactus>(), contact);
  EXPECT_TRUE(contact->FormWindow()->isVisible());
}

TEST_F(DispatchTest, AFailingOrSelfClosingLoadEndsTheCommandSilently) {
  frmMain* f = openMain();
  bool exited = false;
  const MenuCommand table[] = {
      {"fails", &OpenMenuForm<FailingForm>},
      {"closes", &OpenMenuForm<SelfClosingForm>},
      {"bye", nullptr, true},
  };
  DispatchMenuCommand(table, QStringLiteral("fails"), [&] { exited = true; });
  EXPECT_EQ(LoadedForm<FailingForm>(), nullptr);
  DispatchMenuCommand(table, QStringLiteral("closes"), [&] { exited = true; });
  EXPECT_EQ(LoadedForm<SelfClosingForm>(), nullptr);
  EXPECT_EQ(SelfClosingForm::loads, 1);
  EXPECT_FALSE(exited);
  EXPECT_FALSE(f->Picture2.isHidden());
  EXPECT_TRUE(boxes().shown().empty());
  DispatchMenuCommand(table, QStringLiteral("bye"), [&] { throw std::runtime_error("exit failed"); });
  DispatchMenuCommand(table, QStringLiteral("bye"), [&] { exited = true; });
  EXPECT_TRUE(exited);
}

}  // namespace
