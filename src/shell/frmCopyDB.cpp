#include "shell/frmCopyDB.h"

#include <QDir>
#include <stdexcept>

#include "data/settings.h"
#include "framework/databaseerror.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"
#include "shell/copydatabase.h"

frmCopyDB::frmCopyDB()
    : MenuForm({.caption = QString(20, QLatin1Char(' ')) + QStringLiteral("Back-Up Database"),
                .height = 3750, .width = 9450}) {
  const QFont labelFont(QStringLiteral("Arial"), 9, QFont::Bold);
  const QString labelStyle = QStringLiteral("color: #8e3b52; background: transparent;");
  for (QLabel* l : {&Label1, &lblFilesCount, &Label2, &Label4}) {
    l->setFont(labelFont);
    l->setStyleSheet(labelStyle);
  }
  Label1.setText(QStringLiteral("Old Back-up Driectory Path"));
  Label2.setText(QStringLiteral("Note: We Recommended to take Back Up Periodically "));
  Label4.setText(QStringLiteral("    Please take up the Back-up in Different Drive"));
  lblFilesCount.setWordWrap(true);
  lblFilesCount.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblFilesCount.setStyleSheet(QStringLiteral("color: #1f3f8f; background: transparent;"));

  MoveTwips(&Label2, 480, 720, 8400, 255);
  MoveTwips(&drvList, 480, 1080, 3960, 315);
  MoveTwips(&dirList, 480, 1440, 3960, 1695);
  MoveTwips(&Label1, 4800, 1080, 4200, 255);
  MoveTwips(&lblFilesCount, 4800, 1380, 4200, 735);
  MoveTwips(&Picture1, 5760, 2280, 1350, 465);
  MoveTwips(&Picture11, 7440, 2280, 360, 360);
  MoveTwips(&Label4, 480, 3240, 8400, 255);
  Label3.hide();
  tempPic.hide();

  connect(&Picture1, &ImageButton::Click, this, &frmCopyDB::Picture1_Click);
  connect(&drvList, &DriveListBox::Change, this, &frmCopyDB::drvList_Change);
  connect(&dirList, &FolderListBox::Change, this, &frmCopyDB::dirList_Change);
  ShockwaveFlash2.setFocusPolicy(Qt::NoFocus);
  PlaceMoviesAfterControls();
}

frmCopyDB::~frmCopyDB() = default;

QString frmCopyDB::BackupTarget(const QString& folder) {
  QString target = Trim(folder);
  if (!target.endsWith(QLatin1Char('/'))) target += QLatin1Char('/');
  return target + QStringLiteral("backupostrel.mdb");
}

std::vector<MenuPicture> frmCopyDB::MenuPictures() {
  return {{&Picture1, QStringLiteral("copydb"), &Label3},
          {&Picture11, QStringLiteral("help1"), nullptr, QStringLiteral("Click to take Back up on Selected Drive")}};
}

void frmCopyDB::LoadMenuForm() {
  try {
    MainRecordset = std::make_unique<Recordset>();
    if (!OpenOrEnd(*this, *MainRecordset, BackupFolderRead())) return;

    // A stored folder that is empty is no stored folder.
    const QString stored = ReadBackupFolder(*MainRecordset);
    if (!Trim(stored).isEmpty()) {
      lblFilesCount.setText(stored);
      dirList.SetPath(lblFilesCount.text());
      drvList.SetDrive(lblFilesCount.text());
      lblFilesCount.setText(stored);  // the stored text wins over what the lists wrote
    } else {
      drvList.SetDrive(QDir::homePath());
      dirList.SetPath(QDir::homePath());
      lblFilesCount.setText(dirList.Path());
    }
  } catch (const DbError& e) {
    MsgBox(QStringLiteral("Error:") + e.Description());
  } catch (const std::exception& e) {
    MsgBox(QStringLiteral("Error:") + QString::fromUtf8(e.what()));
  }
}

void frmCopyDB::drvList_Change() {
  const QString drive = drvList.Drive();
  try {
    dirList.SetPath(driveFolders_.value(drive, drive));
  } catch (const std::exception&) {
    drvList.SetDriveQuietly(dirList.Path());
  }
}

void frmCopyDB::dirList_Change() {
  driveFolders_.insert(DriveListBox::VolumeOf(dirList.Path()), dirList.Path());
  lblFilesCount.setText(dirList.Path());
  Label1.setText(QStringLiteral("New Back-up Directory Path"));
}

void frmCopyDB::Picture1_Click() {
  if (MsgBox(QStringLiteral("Do you really want to take Back-up On this Folder"), vbYesNo,
             QStringLiteral("Back-up")) != vbYes)
    return;
  const QString folder = lblFilesCount.text();
  if (Trim(folder).isEmpty() || !BackUpDatabase(gCon.get(), BackupTarget(folder))) {
    MsgBox(QStringLiteral("Backup Error! Select Correct Folder"), vbCritical, QStringLiteral("Warning"));
    return;
  }
  // The copy is whole from here on, whatever becomes of the folder: the clerk must read that it
  // was stored, and only then that the next back-up will not start in this folder.
  QString notRemembered;
  try {
    if (!MainRecordset || MainRecordset->State() != adStateOpen)
      throw DbError(adErrObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."));
    WriteBackupFolder(*MainRecordset, folder);
  } catch (const DbError& e) {
    notRemembered = QStringLiteral("\r\nThe folder was not remembered for the next back-up: ") + e.Description();
  }
  MsgBox(QStringLiteral("Back-up Successfully stored in ") + folder + QStringLiteral(" this Directory") +
         notRemembered);
}

