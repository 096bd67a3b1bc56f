// The form registry: one instance per form class, a load that runs once, unloading that destroys,
// a load that closes its own form, and gActiveForm letting go of a form that has gone.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <memory>

#include "framework/vbform.h"
#include "globals.h"
#include "support/fixture.h"

namespace {

int gLoads = 0;
int gUnloads = 0;

// A menu form as the menu forms are written: it records itself as the active form in its load.
class frmPlain : public VbForm {
protected:
  void Form_Load() override {
    ++gLoads;
    gActiveForm = this;
  }
  void Form_Unload(int& cancel) override {
    (void)cancel;
    ++gUnloads;
  }
};

// A form whose table is empty: its load unloads it. `recordFirst` says whether it has recorded
// itself in gActiveForm before it closes, or only after (both orders occur among the forms).
class frmEmptyTable : public VbForm {
public:
  static inline bool recordFirst = true;
  static inline int shows = 0;

protected:
  void Form_Load() override {
    ++gLoads;
    if (recordFirst) gActiveForm = this;
    Hide();
    Unload();
    if (!recordFirst) gActiveForm = this;
  }
  void showEvent(QShowEvent* e) override {
    ++shows;
    VbForm::showEvent(e);
  }
};

// A form that refuses to close while an edit is in progress.
class frmBusy : public VbForm {
public:
  bool busy = true;

protected:
  void Form_QueryUnload(int& cancel, int unloadMode) override {
    (void)unloadMode;
    if (busy) cancel = 1;
  }
};

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class FormRegistryTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gLoads = gUnloads = 0;
    frmEmptyTable::shows = 0;
    area = std::make_unique<QMdiArea>();
    area->resize(1000, 700);
    area->show();
    SetMdiArea(area.get());
  }
  void TearDown() override {
    HalvionTest::TearDown();
    area.reset();
  }
  std::unique_ptr<QMdiArea> area;
};

TEST_F(FormRegistryTest, OneInstanceLoadedOnceAndShownAgainInFront) {
  frmPlain* first = ShowForm<frmPlain>();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(gLoads, 1);
  EXPECT_TRUE(first->isVisible());

  first->Hide();
  EXPECT_FALSE(first->FormWindow()->isVisible());
  frmPlain* again = ShowForm<frmPlain>();
  EXPECT_EQ(again, first);
  EXPECT_EQ(gLoads, 1) << "a second command must not load the form again";
  EXPECT_TRUE(first->FormWindow()->isVisible());
  EXPECT_EQ(area->activeSubWindow(), first->FormWindow());
  EXPECT_EQ(LoadedForm<frmPlain>(), first);
  EXPECT_EQ(area->subWindowList().size(), 1);
}

TEST_F(FormRegistryTest, ChildFormIsAFramelessSubWindowOfTheMdiArea) {
  frmPlain* f = ShowForm<frmPlain>();
  ASSERT_NE(f, nullptr);
  auto* sub = qobject_cast<QMdiSubWindow*>(f->FormWindow());
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->mdiArea(), area.get());
  EXPECT_TRUE(sub->windowFlags().testFlag(Qt::FramelessWindowHint));
  f->Move(1500, 750, 6000, 4500);
  EXPECT_EQ(sub->geometry(), QRect(100, 50, 400, 300));
  EXPECT_EQ(f->size(), QSize(400, 300)) << "the form fills its sub-window";
  EXPECT_EQ(f->Left(), 1500);
  EXPECT_EQ(f->Width(), 6000);
}

TEST_F(FormRegistryTest, UnloadDestroysTheFormAndTheNextCommandLoadsAFreshOne) {
  QPointer<frmPlain> first = ShowForm<frmPlain>();
  ASSERT_TRUE(first);
  EXPECT_EQ(gActiveForm.data(), first.data());

  EXPECT_TRUE(first->Unload());
  EXPECT_EQ(gUnloads, 1);
  EXPECT_EQ(LoadedForm<frmPlain>(), nullptr);
  EXPECT_TRUE(gActiveForm.isNull()) << "gActiveForm must not point at an unloaded form";
  flushDeletes();
  EXPECT_TRUE(first.isNull()) << "an unloaded form is destroyed";
  EXPECT_TRUE(area->subWindowList().isEmpty());

  frmPlain* second = ShowForm<frmPlain>();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(gLoads, 2);
  EXPECT_TRUE(UnloadForm<frmPlain>());
  EXPECT_TRUE(UnloadForm<frmPlain>()) << "unloading a form that is not loaded does nothing";
  EXPECT_EQ(gUnloads, 2);
}

TEST_F(FormRegistryTest, ALoadThatUnloadsItsFormEndsClosedAndIsNeverShown) {
  for (bool recordFirst : {true, false}) {
    SCOPED_TRACE(recordFirst ? "recorded before closing" : "recorded after closing");
    frmEmptyTable::recordFirst = recordFirst;
    gLoads = 0;
    frmEmptyTable::shows = 0;

    EXPECT_EQ(ShowForm<frmEmptyTable>(), nullptr);
    EXPECT_EQ(gLoads, 1);
    EXPECT_EQ(frmEmptyTable::shows, 0);
    EXPECT_EQ(LoadedForm<frmEmptyTable>(), nullptr);
    EXPECT_TRUE(gActiveForm.isNull());
    flushDeletes();
    EXPECT_TRUE(area->subWindowList().isEmpty());
  }
}

TEST_F(FormRegistryTest, ActiveFormEmptiesWhenItsFormIsDestroyedAnyWay) {
  frmPlain* f = ShowForm<frmPlain>();
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(gActiveForm.data(), f);
  delete f->FormWindow();  // the MDI area's own close, say
  EXPECT_TRUE(gActiveForm.isNull());
  EXPECT_EQ(LoadedForm<frmPlain>(), nullptr);
  EXPECT_NE(ShowForm<frmPlain>(), nullptr) << "a fresh instance is made";
}

TEST_F(FormRegistryTest, CancelledUnloadKeepsTheForm) {
  frmBusy* f = ShowForm<frmBusy>();
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(f->Unload());
  EXPECT_EQ(LoadedForm<frmBusy>(), f);
  EXPECT_FALSE(f->FormWindow()->close()) << "the window's own close asks the form too";
  EXPECT_TRUE(f->FormWindow()->isVisible());
  f->busy = false;
  EXPECT_TRUE(f->Unload());
  EXPECT_EQ(LoadedForm<frmBusy>(), nullptr);
}

}  // namespace
