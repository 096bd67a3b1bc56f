// Another program storing the identifier a patient form is saving: before Save is pressed, or
// while Save waits for the database, after its checks and before its write.
#include <sqlite3.h>

#include "patients_support.h"

namespace {

const QString kDuplicate = "Please Select the Another Patient Id\r\nThis Patient ID Already Assigned";

// Another desk working on the same database file through its own connection.
class OtherDesk {
public:
  explicit OtherDesk(std::shared_ptr<Connection> own) : own_(std::move(own)) {}
  ~OtherDesk() {
    // The form's connection must not call back into a desk that is gone; nothing else holds the
    // lock in these tests, so it need not wait any more either.
    if (form_) sqlite3_busy_handler(form_, nullptr, nullptr);
  }

  // Written and stored at once.
  void write(const QString& sql) { own_->Execute(sql); }
  // Written but not yet stored when Save is pressed: the form's checks cannot see it. It is
  // stored as soon as the form waits for the database to write, that is between its checks and
  // its write.
  void writeWhileFormSaves(const QString& sql, Connection& form) {
    own_->BeginTrans();
    own_->Execute(sql);
    form_ = form.handle();
    sqlite3_busy_handler(form_, &OtherDesk::finishWhileWaited, this);
  }
  bool finished() const { return finished_; }

private:
  static int finishWhileWaited(void* self, int /*tries*/) {
    auto* desk = static_cast<OtherDesk*>(self);
    if (desk->finished_) return 0;
    try {
      desk->own_->CommitTrans();
    } catch (const DbError& e) {
      ADD_FAILURE() << "the other desk could not finish: " << e.Description().toStdString();
      return 0;
    }
    desk->finished_ = true;
    return 1;  // the form tries again, and finds the database free
  }

  std::shared_ptr<Connection> own_;
  sqlite3* form_ = nullptr;
  bool finished_ = false;
};

// The fixture's scripted boxes, each one also noted when the form's connection had a transaction
// open while it waited for the clerk.
class BoxesOutsideTransactions final : public MessageBoxService {
public:
  int show(const QString& prompt, int style, const QString& title) override {
    if (gCon && gCon->InTransaction()) shownInTransaction << prompt;
    return script->show(prompt, style, title);
  }
  std::shared_ptr<MessageBoxService> script;
  QStringList shownInTransaction;
};

TEST_P(RecordFormTest, IdentifierStoredElsewhereUpToTheWriteIsRefusedWithNothingWrittenUntilItIsGone) {
  enum When { BeforeSave, WhileSaving };
  // $table the table, $id the identifier the form saves, $lower the same in small letters.
  const QString stores = "INSERT INTO $table (EmployeeID, FirstName) VALUES ('$id', 'Other')";
  const QString storesWithBlanks = "INSERT INTO $table (EmployeeID, FirstName) VALUES ('  $id ', 'Other')";
  const QString storesOtherCase = "INSERT INTO $table (EmployeeID, FirstName) VALUES ('$lower', 'Other')";
  const QString changesThePhone = "UPDATE $table SET MobilePhone = '5559999' WHERE EmployeeID = '$id'";
  const struct {
    const char* what;
    bool modify;     // the form modifies the patient stored under 7; else it registers 7
    QString theirs;  // what the other desk writes, if anything
    When when;
    bool refused;
  } cases[] = {
      {"new, stored before Save", false, stores, BeforeSave, true},
      {"new, stored while saving", false, stores, WhileSaving, true},
      {"new, stored with blanks while saving", false, storesWithBlanks, WhileSaving, true},
      {"new, other case stored while saving", false, storesOtherCase, WhileSaving, false},
      {"modified, stored again while saving", true, stores, WhileSaving, true},
      {"modified, other case stored while saving", true, storesOtherCase, WhileSaving, false},
      {"modified, its phone changed before Save", true, changesThePhone, BeforeSave, false},
      {"modified, nothing else", true, {}, BeforeSave, false},
  };
  auto watched = std::make_shared<BoxesOutsideTransactions>();
  watched->script = SetMessageBoxService(watched);
  const QString mine = id("7");
  const QString exactlyMine = " WHERE trim(EmployeeID) = '" + mine + "' COLLATE BINARY";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    exec("DELETE FROM " + table());
    if (c.modify) add("7", "Mine");
    open();
    if (c.modify) {
      ASSERT_EQ(form->cmbPatientID.currentText(), mine);
      Click(form->Picture6);
      TypeOver(form->txtAddress, "9 New Rd");
    } else {
      Click(form->Picture5);
      fillValid("7");
    }
    const int before = rows(table());
    const int theirRows = c.theirs.startsWith("INSERT") ? 1 : 0;
    const int myRows = c.modify ? 0 : 1;

    OtherDesk desk(openDb());
    if (!c.theirs.isEmpty()) {
      const QString theirs =
          QString(c.theirs).replace("$table", table()).replace("$id", mine).replace("$lower", mine.toLower());
      if (c.when == BeforeSave)
        desk.write(theirs);
      else
        desk.writeWhileFormSaves(theirs, *gCon);
    }

    if (c.refused) {
      boxes().expect(kDuplicate, "Warning", vbCritical);
      Click(form->Picture9);
      EXPECT_EQ(desk.finished(), c.when == WhileSaving);  // the form waited for it
      EXPECT_EQ(mode(), "edit");
      EXPECT_EQ(form->focusWidget(), &form->cmbPatientID);
      EXPECT_EQ(rows(table()), before + theirRows);
      EXPECT_EQ(scalar("SELECT COUNT(*) FROM " + table() + " WHERE Address IN ('2 Lake St', '9 New Rd')"), "0");
      // Once the other desk takes its row back, the same pending row is saved, once.
      desk.write("DELETE FROM " + table() + " WHERE FirstName = 'Other'");
    }
    saveExpectingSuccess();
    EXPECT_EQ(desk.finished(), c.when == WhileSaving);
    EXPECT_EQ(mode(), "browse");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM " + table() + exactlyMine), "1");
    EXPECT_EQ(scalar("SELECT FirstName || '|' || Address FROM " + table() + exactlyMine),
              c.modify ? "Mine|9 New Rd" : "Ann|2 Lake St");
    EXPECT_EQ(rows(table()), before + (c.refused ? 0 : theirRows) + myRows);
    form->Unload();
    QCoreApplication::processEvents();
  }
  EXPECT_TRUE(watched->shownInTransaction.isEmpty()) << watched->shownInTransaction.join(" / ").toStdString();
}

}  // namespace
