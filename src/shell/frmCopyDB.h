#pragma once
// The database back-up: the user picks a folder, the database is copied there as
// "backupostrel.mdb", and the folder is remembered (SettingsCopyDB) for the next time. A copy
// written whole is always reported as stored; where its folder could not be remembered (the file
// locked by another program, say), a second line of the same message says so and why.
#include <QLabel>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"
#include "shell/folderpicker.h"

class frmCopyDB : public MenuForm {
  Q_OBJECT
public:
  frmCopyDB();
  ~frmCopyDB() override;

  DriveListBox drvList{this};
  FolderListBox dirList{this};
  QLabel Label1{this};         // the caption above the folder
  QLabel lblFilesCount{this};  // the back-up folder: the target of the copy
  QLabel Label2{this};
  QLabel Label4{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // copy
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help
  QLabel Label3{this};   // the hover holder
  QLabel tempPic{this};  // scratch picture, never shown

  std::unique_ptr<Recordset> MainRecordset;

  void drvList_Change();
  void dirList_Change();
  void Picture1_Click();

  // Where a copy into the folder shown as `folder` goes: the trimmed folder and the file name.
  static QString BackupTarget(const QString& folder);

protected:
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;

private:
  QHash<QString, QString> driveFolders_;  // each volume's folder shown last
};
